#pragma once

#include "ActionList.h"
#include "CZelkHWI.h"
#include "WindowHandle.h"

#include <array>
#include <atomic>
#include <map>
#include <string>
#include <vector>

// The colour of one key's backlight, each component 0..255.
struct KeyLight {
    int Red = 0;
    int Green = 0;
    int Blue = 0;
    friend bool operator==(const KeyLight&, const KeyLight&) = default;
};

// What one key does on one layer. Which fields count depends on the kind.
struct KeyAssignment {
    int kind = 0;     // AssignmentKind
    int code = 0;     // KeyCode
    ActionList actions;
};

// AssignmentKind values.
namespace Kind {
inline constexpr int NotSet = 0;
inline constexpr int Single = 1;
inline constexpr int Combo = 2;
inline constexpr int Macro = 3;
inline constexpr int Emulation = 4;
inline constexpr int Multimedia = 5;
inline constexpr int Mouse = 6;
inline constexpr int Function = 7;
inline constexpr int Power = 8;
inline constexpr int Count = 9;
}  // namespace Kind

// The one configuration the program edits, stores and transfers.
class KeyboardProfile {
public:
    static constexpr int kKeyCount = 87;         // KeyIndex 1..87
    static constexpr int kKeyTableSize = 88;     // entry 0 belongs to no key
    static constexpr int kEntryCount = 176;      // (KeyIndex, layer) at KeyIndex * 2 + layer
    static constexpr int kCodeTableSize = 1024;

    static constexpr int entryOf(int keyIndex, int layer) { return keyIndex * 2 + layer; }
    // Whether (keyIndex, layer) addresses an entry of the assignment table.
    static constexpr bool hasEntry(int keyIndex, int layer)
    {
        return keyIndex >= 0 && keyIndex < kKeyTableSize && (layer == 0 || layer == 1);
    }

    KeyboardProfile();
    ~KeyboardProfile();
    KeyboardProfile(const KeyboardProfile&) = delete;
    KeyboardProfile& operator=(const KeyboardProfile&) = delete;

    // Fields, in the order of the model.
    std::string language;                                   // "zh-CN" or "en-US"
    std::map<int, std::u16string> keyNames;                 // HostCode -> English name
    std::array<int, kCodeTableSize> deviceCodeOfHost{};     // HostCode -> KeyCode
    std::array<int, kCodeTableSize> hostCodeOfDevice{};     // KeyCode -> HostCode
    std::array<std::u16string, Kind::Count> kindNamesChinese;
    std::array<std::u16string, Kind::Count> kindNamesEnglish;
    int selectedKey = 0;
    int currentLayer = 0;
    ActionList predefinedMacro;
    ActionList predefinedCombo;
    ActionList predefinedEmulation;
    std::array<KeyLight, kKeyTableSize> keyLights{};
    std::array<KeyAssignment, kEntryCount> assignments;     // kinds, codes and actions
    std::array<unsigned char, kKeyTableSize> multiSelected{};
    std::array<KeyLight, kKeyTableSize> multiSelectLights{};
    KeyLight multiSelectColour{};
    CZelkHWI device;
    std::atomic<WindowHandle> progressWindow{0};            // read by the device worker
    std::u16string firmwarePath;

    KeyAssignment& assignment(int keyIndex, int layer) { return assignments[entryOf(keyIndex, layer)]; }
    const KeyAssignment& assignment(int keyIndex, int layer) const { return assignments[entryOf(keyIndex, layer)]; }

    // Catalogue.
    void initCatalogue();
    std::u16string nameOfHostCode(int hostCode, bool withDirection) const;
    std::u16string nameOfDeviceCode(int keyCode) const;
    // Kind name in the current language; empty for a kind outside 0..8.
    std::u16string kindName(int kind) const;
    std::u16string kindName(int kind, const std::string& languageCode) const;

    // Model.
    void resetProfile();
    std::u16string describeAssignment(int keyIndex, int layer) const;

    // Device transfer (run on the device worker thread).
    bool writeKeysToDevice(WindowHandle window);
    bool readKeysFromDevice(WindowHandle window);
    bool writeLightsToDevice();
    bool readLightsFromDevice();
    int deviceCodeOfItem(const std::u16string& line) const;

    // Profile files (built in src/profilefile). Saving replaces the file whole and returns
    // false, with any old file left as it was, when it can't be written. Loading returns false,
    // with the profile left as it was, when the file can't be read or holds no VornicTamsk root;
    // a file with parse problems loads whatever elements were recognised.
    bool saveProfileFile(const std::u16string& path);
    bool loadProfileFile(const std::u16string& path);
};
