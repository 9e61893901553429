#pragma once

#include <Qt>

#include <cstdint>
#include <optional>

// A key as the keyboard hook reports it: the Windows virtual-key code the key names are filed
// under, whether the key is one of the "extended" keys (the keypad Enter among them), and the
// code under which its up/down state is tracked (the side of a Shift key; the code itself for
// every other key).
struct VirtualKey {
    int code = 0;
    bool extended = false;
    int stateCode = 0;

    friend bool operator==(const VirtualKey&, const VirtualKey&) = default;
};

// Physical keys to virtual-key codes. Two sources, one table each:
// - the XKB keycode (Linux evdev code + 8) that X11 and Wayland deliver as the native scan code:
//   the physical key, whatever the layout says;
// - Qt's key code with the keypad modifier, for platforms that give no scan code (offscreen).
// Shift is reported as the generic code 16 (the recording window resolves the side); Ctrl and
// Alt are reported with their sides (162 to 165).
class VirtualKeyTable {
public:
    // What a key the tables do not know reports: a code without a name in the catalogue.
    static constexpr int kUnknownCode = 255;
    static constexpr int kShift = 16;
    static constexpr int kLeftShift = 160;
    static constexpr int kRightShift = 161;

    static std::optional<VirtualKey> ofXkbKeycode(std::uint32_t keycode);
    static std::optional<VirtualKey> ofQtKey(int key, Qt::KeyboardModifiers modifiers);
    // The scan code when it is an XKB keycode the table knows, else Qt's key, else unknown.
    static VirtualKey of(std::uint32_t nativeScanCode, bool scanCodesAreXkb, int key, Qt::KeyboardModifiers modifiers);
};
