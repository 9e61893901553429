#include "ProfileDocumentReader.h"

#include "ActionListReader.h"
#include "KeyboardProfile.h"
#include "NumberAttribute.h"
#include "ProfileContent.h"
#include "ProfileFileNames.h"
#include "XmlDocument.h"

#include <memory>

namespace names = ProfileFileNames;

namespace {

int numberAttribute(const XmlDocument& document, std::u16string_view name)
{
    return NumberAttribute::parse(document.GetAttribute(name));
}

bool isKeyIndex(int key) { return key >= 1 && key <= KeyboardProfile::kKeyCount; }

}  // namespace

bool ProfileDocumentReader::load(XmlDocument& document, KeyboardProfile& profile)
{
    // The content of a large file is big; keep it off the stack.
    auto content = std::make_unique<ProfileContent>();
    if (!read(document, *content))
        return false;
    content->moveInto(profile);
    return true;
}

// The finds, enters and leaves below are not checked one by one: a section that is missing
// makes the following ones search from wherever the position stands, and they find what they
// can. Only the root decides whether the document is a profile at all.
bool ProfileDocumentReader::read(XmlDocument& document, ProfileContent& content)
{
    document.ResetPosition();
    if (!document.FindElement(names::kRoot))
        return false;
    document.EnterElement();
    ActionListReader lists(document);
    readCollection(document, lists, names::kCombos, content.predefinedCombo);
    readCollection(document, lists, names::kMacros, content.predefinedMacro);
    readCollection(document, lists, names::kEmulations, content.predefinedEmulation);
    readLights(document, content);
    readKeys(document, lists, content);
    return true;
}

void ProfileDocumentReader::readCollection(XmlDocument& document, ActionListReader& lists,
                                           std::u16string_view section, ActionList& list)
{
    document.FindElement(section);
    document.EnterElement();
    lists.read(list);
    document.LeaveElement();
}

void ProfileDocumentReader::readLights(XmlDocument& document, ProfileContent& content)
{
    document.FindElement(names::kLights);
    document.EnterElement();
    while (document.FindElement(names::kLight)) {
        const int key = numberAttribute(document, names::kId);
        if (!isKeyIndex(key))
            continue;
        content.keyLights[static_cast<std::size_t>(key)] = KeyLight{numberAttribute(document, names::kRed),
                                                                    numberAttribute(document, names::kGreen),
                                                                    numberAttribute(document, names::kBlue)};
    }
    document.LeaveElement();
}

void ProfileDocumentReader::readKeys(XmlDocument& document, ActionListReader& lists, ProfileContent& content)
{
    document.FindElement(names::kKeys);
    document.EnterElement();
    while (document.FindElement(names::kKey)) {
        const int key = numberAttribute(document, names::kId);
        const int layer = numberAttribute(document, names::kLevel);
        if (!isKeyIndex(key) || (layer != 0 && layer != 1))
            continue;
        KeyAssignment& entry = content.assignments[static_cast<std::size_t>(KeyboardProfile::entryOf(key, layer))];
        entry.kind = numberAttribute(document, names::kMode);
        entry.code = numberAttribute(document, names::kHwCode);
        document.EnterElement();
        document.FindElement(names::kKeyActions);
        document.EnterElement();
        lists.read(entry.actions);
        document.LeaveElement();
        document.LeaveElement();
    }
    document.LeaveElement();
    document.LeaveElement();
}
