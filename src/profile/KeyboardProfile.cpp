#include "KeyboardProfile.h"

#include "ActionLines.h"
#include "DeviceTransfer.h"
#include "KeyCatalogue.h"
#include "KeyNameIndex.h"

#include <string_view>

namespace {

constexpr std::u16string_view kUnknownName = u"-- --";
using ActionLines::kPressSuffix;
using ActionLines::kReleaseSuffix;
constexpr int kHostCodeMask = 511;    // lookups by HostCode use the low 9 bits
constexpr int kReleaseShift = 9;      // a recorded release carries 512

using ActionLines::kComboViewRows;
using ActionLines::kListViewRows;

// The summary of a macro stops growing once it passes this many characters.
constexpr std::size_t kMacroTextLimit = 120;
constexpr std::u16string_view kMacroEllipsis = u" ... ...";

static_assert(DeviceTransfer<CZelkHWI>::kLightValues == CZelkHWI::kLightValues);

// A macro line as the summary shows it: "<50 ms>" as 50, a recorded event without its
// " Down" or " UP".
std::u16string_view shortMacroLine(std::u16string_view line)
{
    if (line.size() > 4 && line.find(u'<') == 0 && line.find(u'>') == line.size() - 1)
        return line.substr(1, line.size() - 5);
    if (line.size() > 5 && line.find(kPressSuffix) == line.size() - kPressSuffix.size())
        return line.substr(0, line.size() - kPressSuffix.size());
    if (line.size() > 3 && line.find(kReleaseSuffix) == line.size() - kReleaseSuffix.size())
        return line.substr(0, line.size() - kReleaseSuffix.size());
    return line;
}

std::u16string describeMacro(const ActionList& actions)
{
    std::u16string text;
    for (std::size_t i = 0; i < actions.lines.size(); ++i) {
        if (i > 0)
            text += u',';
        text += shortMacroLine(actions.lines[i]);
        if (text.size() > kMacroTextLimit) {
            text += kMacroEllipsis;
            break;
        }
    }
    return text;
}

void clearWithView(ActionList& list, int viewRows)
{
    list.clear();
    list.SizeOfView = viewRows;
}

}  // namespace

KeyboardProfile::KeyboardProfile() = default;
KeyboardProfile::~KeyboardProfile() = default;

void KeyboardProfile::initCatalogue()
{
    keyNames.clear();
    for (const KeyNameEntry& entry : KeyCatalogue::keyNames())
        keyNames.emplace(entry.hostCode, entry.name);

    deviceCodeOfHost.fill(0);
    for (const CodePair& pair : KeyCatalogue::codePairs())
        deviceCodeOfHost[static_cast<std::size_t>(pair.hostCode)] = pair.keyCode;

    // Reverse table: ascending HostCodes, the last writer wins, so KeyCode 0 ends up with the
    // highest HostCode that has no KeyCode.
    hostCodeOfDevice.fill(0);
    for (int host = 0; host < kCodeTableSize; ++host)
        hostCodeOfDevice[static_cast<std::size_t>(deviceCodeOfHost[static_cast<std::size_t>(host)])] = host;

    for (int kind = 0; kind < Kind::Count; ++kind) {
        const auto k = static_cast<std::size_t>(kind);
        kindNamesEnglish[k] = KeyCatalogue::kindNamesEnglish()[k];
        kindNamesChinese[k] = KeyCatalogue::kindNamesChinese()[k];
    }
    language = "en-US";
}

std::u16string KeyboardProfile::nameOfHostCode(int hostCode, bool withDirection) const
{
    const auto found = keyNames.find(hostCode & kHostCodeMask);
    if (found == keyNames.end())
        return std::u16string(kUnknownName);
    std::u16string name = found->second;
    if (withDirection)
        name += (hostCode >> kReleaseShift) != 0 ? kReleaseSuffix : kPressSuffix;
    return name;
}

std::u16string KeyboardProfile::nameOfDeviceCode(int keyCode) const
{
    if (keyCode < 0 || keyCode >= kCodeTableSize)
        return std::u16string(kUnknownName);
    const int hostCode = hostCodeOfDevice[static_cast<std::size_t>(keyCode)] & kHostCodeMask;
    const auto found = keyNames.find(hostCode);
    return found == keyNames.end() ? std::u16string(kUnknownName) : found->second;
}

std::u16string KeyboardProfile::kindName(int kind) const
{
    return kindName(kind, language);
}

std::u16string KeyboardProfile::kindName(int kind, const std::string& languageCode) const
{
    if (kind < 0 || kind >= Kind::Count)
        return {};
    const auto k = static_cast<std::size_t>(kind);
    if (languageCode == "zh-CN")
        return kindNamesChinese[k];
    if (languageCode == "en-US")
        return kindNamesEnglish[k];
    return {};
}

void KeyboardProfile::resetProfile()
{
    clearWithView(predefinedMacro, kListViewRows);
    clearWithView(predefinedCombo, kComboViewRows);
    clearWithView(predefinedEmulation, kListViewRows);
    keyLights.fill(KeyLight{});
    for (int key = 0; key < kKeyTableSize; ++key) {
        for (int layer = 0; layer < 2; ++layer) {
            KeyAssignment& entry = assignment(key, layer);
            entry.kind = Kind::NotSet;
            entry.code = key;
            entry.actions.clear();
        }
    }
}

std::u16string KeyboardProfile::describeAssignment(int keyIndex, int layer) const
{
    if (!KeyboardProfile::hasEntry(keyIndex, layer))
        return {};
    const KeyAssignment& entry = assignment(keyIndex, layer);
    switch (entry.kind) {
    case Kind::Single:
    case Kind::Multimedia:
    case Kind::Mouse:
    case Kind::Function:
    case Kind::Power:
        return nameOfDeviceCode(entry.code);
    case Kind::Combo:
    case Kind::Emulation:
        return entry.actions.joinedLines(u" | ");
    case Kind::Macro:
        return describeMacro(entry.actions);
    default:
        return {};
    }
}

bool KeyboardProfile::writeKeysToDevice(WindowHandle window)
{
    return DeviceTransfer<CZelkHWI>(*this, device).writeKeys(window);
}

bool KeyboardProfile::readKeysFromDevice(WindowHandle window)
{
    return DeviceTransfer<CZelkHWI>(*this, device).readKeys(window);
}

bool KeyboardProfile::writeLightsToDevice()
{
    return DeviceTransfer<CZelkHWI>(*this, device).writeLights();
}

bool KeyboardProfile::readLightsFromDevice()
{
    return DeviceTransfer<CZelkHWI>(*this, device).readLights();
}

int KeyboardProfile::deviceCodeOfItem(const std::u16string& line) const
{
    return KeyNameIndex(*this).deviceCodeOfItem(line);
}
