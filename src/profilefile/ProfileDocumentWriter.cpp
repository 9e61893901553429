#include "ProfileDocumentWriter.h"

#include "KeyboardProfile.h"
#include "ProfileDocumentSize.h"
#include "ProfileFileNames.h"
#include "XmlDocument.h"

#include <algorithm>
#include <cstdint>

namespace names = ProfileFileNames;

void ProfileDocumentWriter::write(const KeyboardProfile& profile, XmlDocument& document)
{
    document.SetText(names::kDeclaration);
    // A large profile makes a document of tens of megabytes: its memory is taken once.
    const ProfileDocumentSize size = ProfileDocumentSize::of(profile);
    document.Reserve(size.textLength(),
                     static_cast<std::int32_t>(std::min<std::size_t>(size.elements(), INT32_MAX)));
    document.AddElement(names::kRoot);
    document.EnterElement();
    writeCollection(document, names::kCombos, profile.predefinedCombo);
    writeCollection(document, names::kMacros, profile.predefinedMacro);
    writeCollection(document, names::kEmulations, profile.predefinedEmulation);
    writeLights(profile, document);
    writeKeys(profile, document);
    document.LeaveElement();
}

void ProfileDocumentWriter::writeCollection(XmlDocument& document, std::u16string_view section, const ActionList& list)
{
    document.AddElement(section);
    document.EnterElement();
    list.writeToXml(document);
    document.LeaveElement();
}

void ProfileDocumentWriter::writeLights(const KeyboardProfile& profile, XmlDocument& document)
{
    document.AddElement(names::kLights);
    document.EnterElement();
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        const KeyLight& light = profile.keyLights[static_cast<std::size_t>(key)];
        document.AddElement(names::kLight);
        document.SetAttribute(names::kId, key);
        document.SetAttribute(names::kRed, light.Red);
        document.SetAttribute(names::kGreen, light.Green);
        document.SetAttribute(names::kBlue, light.Blue);
    }
    document.LeaveElement();
}

void ProfileDocumentWriter::writeKeys(const KeyboardProfile& profile, XmlDocument& document)
{
    document.AddElement(names::kKeys);
    document.EnterElement();
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        for (int layer = 0; layer < 2; ++layer) {
            const KeyAssignment& entry = profile.assignment(key, layer);
            document.AddElement(names::kKey);
            document.SetAttribute(names::kId, key);
            document.SetAttribute(names::kLevel, layer);
            document.SetAttribute(names::kMode, entry.kind);
            document.SetAttribute(names::kHwCode, entry.code);
            document.EnterElement();
            document.AddElement(names::kKeyActions);
            document.EnterElement();
            entry.actions.writeToXml(document);
            document.LeaveElement();
            document.LeaveElement();
        }
    }
    document.LeaveElement();
}
