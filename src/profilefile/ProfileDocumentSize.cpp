#include "ProfileDocumentSize.h"

#include "ActionList.h"
#include "KeyboardProfile.h"
#include "ProfileFileNames.h"
#include "XmlDocument.h"

namespace names = ProfileFileNames;

namespace {

// Characters of a number written in decimal, sign included.
std::size_t decimalLength(int value)
{
    std::size_t length = value < 0 ? 2 : 1;
    // Counted on the magnitude's negative side, where every int has a value.
    for (int rest = value < 0 ? value : -value; rest <= -10; rest /= 10)
        ++length;
    return length;
}

}  // namespace

ProfileDocumentSize ProfileDocumentSize::of(const KeyboardProfile& profile)
{
    ProfileDocumentSize size;
    size.textLength_ = names::kDeclaration.size();
    size.element(names::kRoot, 0, true);
    for (const auto& [section, list] : {std::pair{names::kCombos, &profile.predefinedCombo},
                                        std::pair{names::kMacros, &profile.predefinedMacro},
                                        std::pair{names::kEmulations, &profile.predefinedEmulation}}) {
        size.element(section, 0, true);
        size.list(*list);
    }
    size.element(names::kLights, 0, true);
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        const KeyLight& light = profile.keyLights[static_cast<std::size_t>(key)];
        size.element(names::kLight,
                     attribute(names::kId, key) + attribute(names::kRed, light.Red) +
                         attribute(names::kGreen, light.Green) + attribute(names::kBlue, light.Blue),
                     false);
    }
    size.element(names::kKeys, 0, true);
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        for (int layer = 0; layer < 2; ++layer) {
            const KeyAssignment& entry = profile.assignment(key, layer);
            size.element(names::kKey,
                         attribute(names::kId, key) + attribute(names::kLevel, layer) +
                             attribute(names::kMode, entry.kind) + attribute(names::kHwCode, entry.code),
                         true);
            size.element(names::kKeyActions, 0, true);
            size.list(entry.actions);
        }
    }
    return size;
}

void ProfileDocumentSize::element(std::u16string_view name, std::size_t attributes, bool withChildren)
{
    // "<name ...>" CR LF and "</name>" CR LF around children, else "<name .../>" CR LF.
    textLength_ += withChildren ? 2 * name.size() + attributes + 9 : name.size() + attributes + 5;
    ++elements_;
}

std::size_t ProfileDocumentSize::attribute(std::u16string_view name, int value)
{
    return name.size() + decimalLength(value) + 4;  // space, "=" and two quotes
}

std::size_t ProfileDocumentSize::attribute(std::u16string_view name, std::u16string_view text)
{
    return name.size() + XmlDocument::EncodedLength(text, XmlDocument::kAddEscapeQuotes) + 4;
}

void ProfileDocumentSize::list(const ActionList& list)
{
    element(names::kList,
            attribute(names::kSizeOfView, list.SizeOfView) + attribute(names::kViewStartAt, list.ViewStartAt) +
                attribute(names::kCursorPos, list.CursorPos) + attribute(names::kCycles, list.Cycles) +
                attribute(names::kIsAutoInterval, list.IsAutoInterval ? 1 : 0) +
                attribute(names::kDelay, list.Delay) + attribute(names::kPlayMode, list.PlayMode),
            !list.lines.empty());
    for (std::size_t i = 0; i < list.lines.size(); ++i) {
        element(names::kLine,
                attribute(names::kId, static_cast<int>(i)) + attribute(names::kLineText, list.lines[i]), true);
        this->list(list.children[i]);
    }
}
