#include "VirtualKeyTable.h"

#include <algorithm>
#include <array>

namespace {

// One row: where the key comes from (an evdev code, or a Qt key), its virtual-key code, and
// whether Windows counts it among the extended keys.
struct Row {
    int from;
    int code;
    bool extended;
};

constexpr bool kExt = true;
constexpr bool kStd = false;
// XKB keycodes are evdev codes moved up by 8.
constexpr std::uint32_t kXkbOffset = 8;

// clang-format off
// Linux evdev key codes (input-event-codes.h) to virtual-key codes.
constexpr std::array kEvdevRows = std::to_array<Row>({
    {1, 27, kStd},                                                    // Esc
    {2, '1', kStd}, {3, '2', kStd}, {4, '3', kStd}, {5, '4', kStd}, {6, '5', kStd},
    {7, '6', kStd}, {8, '7', kStd}, {9, '8', kStd}, {10, '9', kStd}, {11, '0', kStd},
    {12, 189, kStd}, {13, 187, kStd}, {14, 8, kStd}, {15, 9, kStd},   // - = BackSpace Tab
    {16, 'Q', kStd}, {17, 'W', kStd}, {18, 'E', kStd}, {19, 'R', kStd}, {20, 'T', kStd},
    {21, 'Y', kStd}, {22, 'U', kStd}, {23, 'I', kStd}, {24, 'O', kStd}, {25, 'P', kStd},
    {26, 219, kStd}, {27, 221, kStd}, {28, 13, kStd}, {29, 162, kStd}, // [ ] Enter Left Ctrl
    {30, 'A', kStd}, {31, 'S', kStd}, {32, 'D', kStd}, {33, 'F', kStd}, {34, 'G', kStd},
    {35, 'H', kStd}, {36, 'J', kStd}, {37, 'K', kStd}, {38, 'L', kStd},
    {39, 186, kStd}, {40, 222, kStd}, {41, 192, kStd}, {42, 16, kStd}, // ; ' ` Left Shift
    {43, 220, kStd},                                                  // backslash
    {44, 'Z', kStd}, {45, 'X', kStd}, {46, 'C', kStd}, {47, 'V', kStd}, {48, 'B', kStd},
    {49, 'N', kStd}, {50, 'M', kStd},
    {51, 188, kStd}, {52, 190, kStd}, {53, 191, kStd}, {54, 16, kStd}, // , . / Right Shift
    {55, 106, kStd}, {56, 164, kStd}, {57, 32, kStd}, {58, 20, kStd},  // (*) Left Alt Space CapsLock
    {59, 112, kStd}, {60, 113, kStd}, {61, 114, kStd}, {62, 115, kStd}, {63, 116, kStd},
    {64, 117, kStd}, {65, 118, kStd}, {66, 119, kStd}, {67, 120, kStd}, {68, 121, kStd},
    {69, 144, kExt}, {70, 145, kStd},                                 // NumLock ScrollLock
    {71, 103, kStd}, {72, 104, kStd}, {73, 105, kStd}, {74, 109, kStd}, // keypad 7 8 9 -
    {75, 100, kStd}, {76, 101, kStd}, {77, 102, kStd}, {78, 107, kStd}, // keypad 4 5 6 +
    {79, 97, kStd}, {80, 98, kStd}, {81, 99, kStd}, {82, 96, kStd},     // keypad 1 2 3 0
    {83, 110, kStd}, {86, 226, kStd}, {87, 122, kStd}, {88, 123, kStd}, // keypad . <> F11 F12
    {96, 13, kExt}, {97, 163, kExt}, {98, 111, kExt}, {99, 44, kExt},   // keypad Enter, Right Ctrl, keypad /, PrtScreen
    {100, 165, kExt}, {102, 36, kExt}, {103, 38, kExt}, {104, 33, kExt}, // Right Alt Home Up PageUp
    {105, 37, kExt}, {106, 39, kExt}, {107, 35, kExt}, {108, 40, kExt},  // Left Right End Down
    {109, 34, kExt}, {110, 45, kExt}, {111, 46, kExt},                   // PageDown Insert Delete
    {113, 173, kExt}, {114, 174, kExt}, {115, 175, kExt}, {119, 19, kStd}, // Mute Volume- Volume+ Pause
    {125, 91, kExt}, {126, 92, kExt}, {127, 93, kExt},                   // Windows left, right, Applications
    {163, 176, kExt}, {164, 179, kExt}, {165, 177, kExt}, {166, 178, kExt}, // media tracks, play, stop
    {183, 124, kStd}, {184, 125, kStd}, {185, 126, kStd}, {186, 127, kStd}, // F13 to F24
    {187, 128, kStd}, {188, 129, kStd}, {189, 130, kStd}, {190, 131, kStd},
    {191, 132, kStd}, {192, 133, kStd}, {193, 134, kStd}, {194, 135, kStd},
});
constexpr int kEvdevLeftShift = 42;
constexpr int kEvdevRightShift = 54;

// Qt keys without the keypad modifier. Letters, digits and F1 to F24 are ranges, not rows.
constexpr std::array kQtRows = std::to_array<Row>({
    {Qt::Key_Escape, 27, kStd}, {Qt::Key_Tab, 9, kStd}, {Qt::Key_Backtab, 9, kStd},
    {Qt::Key_Backspace, 8, kStd}, {Qt::Key_Return, 13, kStd}, {Qt::Key_Enter, 13, kExt},
    {Qt::Key_Insert, 45, kExt}, {Qt::Key_Delete, 46, kExt}, {Qt::Key_Pause, 19, kStd},
    {Qt::Key_Print, 44, kExt}, {Qt::Key_SysReq, 44, kExt}, {Qt::Key_Clear, 12, kStd},
    {Qt::Key_Home, 36, kExt}, {Qt::Key_End, 35, kExt}, {Qt::Key_Left, 37, kExt}, {Qt::Key_Up, 38, kExt},
    {Qt::Key_Right, 39, kExt}, {Qt::Key_Down, 40, kExt}, {Qt::Key_PageUp, 33, kExt}, {Qt::Key_PageDown, 34, kExt},
    {Qt::Key_Shift, 16, kStd}, {Qt::Key_Control, 162, kStd}, {Qt::Key_Alt, 164, kStd}, {Qt::Key_AltGr, 165, kExt},
    {Qt::Key_Meta, 91, kExt}, {Qt::Key_Super_L, 91, kExt}, {Qt::Key_Super_R, 92, kExt}, {Qt::Key_Menu, 93, kExt},
    {Qt::Key_CapsLock, 20, kStd}, {Qt::Key_NumLock, 144, kExt}, {Qt::Key_ScrollLock, 145, kStd},
    {Qt::Key_Space, 32, kStd},
    // Punctuation, unshifted and shifted as on a US layout.
    {Qt::Key_Semicolon, 186, kStd}, {Qt::Key_Colon, 186, kStd}, {Qt::Key_Equal, 187, kStd}, {Qt::Key_Plus, 187, kStd},
    {Qt::Key_Comma, 188, kStd}, {Qt::Key_Less, 188, kStd}, {Qt::Key_Minus, 189, kStd}, {Qt::Key_Underscore, 189, kStd},
    {Qt::Key_Period, 190, kStd}, {Qt::Key_Greater, 190, kStd}, {Qt::Key_Slash, 191, kStd}, {Qt::Key_Question, 191, kStd},
    {Qt::Key_QuoteLeft, 192, kStd}, {Qt::Key_AsciiTilde, 192, kStd}, {Qt::Key_BracketLeft, 219, kStd},
    {Qt::Key_BraceLeft, 219, kStd}, {Qt::Key_Backslash, 220, kStd}, {Qt::Key_Bar, 220, kStd},
    {Qt::Key_BracketRight, 221, kStd}, {Qt::Key_BraceRight, 221, kStd}, {Qt::Key_Apostrophe, 222, kStd},
    {Qt::Key_QuoteDbl, 222, kStd},
    // The shifted digits.
    {Qt::Key_Exclam, '1', kStd}, {Qt::Key_At, '2', kStd}, {Qt::Key_NumberSign, '3', kStd}, {Qt::Key_Dollar, '4', kStd},
    {Qt::Key_Percent, '5', kStd}, {Qt::Key_AsciiCircum, '6', kStd}, {Qt::Key_Ampersand, '7', kStd},
    {Qt::Key_Asterisk, '8', kStd}, {Qt::Key_ParenLeft, '9', kStd}, {Qt::Key_ParenRight, '0', kStd},
    // Media keys.
    {Qt::Key_VolumeMute, 173, kExt}, {Qt::Key_VolumeDown, 174, kExt}, {Qt::Key_VolumeUp, 175, kExt},
    {Qt::Key_MediaNext, 176, kExt}, {Qt::Key_MediaPrevious, 177, kExt}, {Qt::Key_MediaStop, 178, kExt},
    {Qt::Key_MediaTogglePlayPause, 179, kExt}, {Qt::Key_MediaPlay, 179, kExt},
});

// Qt keys with the keypad modifier: the keypad, whether NUM LOCK is on or off.
constexpr std::array kQtKeypadRows = std::to_array<Row>({
    {Qt::Key_0, 96, kStd}, {Qt::Key_1, 97, kStd}, {Qt::Key_2, 98, kStd}, {Qt::Key_3, 99, kStd}, {Qt::Key_4, 100, kStd},
    {Qt::Key_5, 101, kStd}, {Qt::Key_6, 102, kStd}, {Qt::Key_7, 103, kStd}, {Qt::Key_8, 104, kStd}, {Qt::Key_9, 105, kStd},
    {Qt::Key_Insert, 96, kStd}, {Qt::Key_End, 97, kStd}, {Qt::Key_Down, 98, kStd}, {Qt::Key_PageDown, 99, kStd},
    {Qt::Key_Left, 100, kStd}, {Qt::Key_Clear, 101, kStd}, {Qt::Key_Right, 102, kStd}, {Qt::Key_Home, 103, kStd},
    {Qt::Key_Up, 104, kStd}, {Qt::Key_PageUp, 105, kStd}, {Qt::Key_Delete, 110, kStd}, {Qt::Key_Period, 110, kStd},
    {Qt::Key_Comma, 110, kStd}, {Qt::Key_Asterisk, 106, kStd}, {Qt::Key_Plus, 107, kStd}, {Qt::Key_Minus, 109, kStd},
    {Qt::Key_Slash, 111, kExt}, {Qt::Key_Enter, 13, kExt}, {Qt::Key_Return, 13, kExt}, {Qt::Key_NumLock, 144, kExt},
});
// clang-format on

template <std::size_t N>
std::optional<VirtualKey> find(const std::array<Row, N>& rows, int from)
{
    const auto it = std::find_if(rows.begin(), rows.end(), [from](const Row& row) { return row.from == from; });
    if (it == rows.end()) return std::nullopt;
    return VirtualKey{it->code, it->extended, it->code};
}

bool isLetterOrDigit(int key) { return (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9); }

// F1 to F24 follow one another in both numberings.
constexpr int kF1 = 112;
bool isFunctionKey(int key) { return key >= Qt::Key_F1 && key <= Qt::Key_F24; }

}  // namespace

std::optional<VirtualKey> VirtualKeyTable::ofXkbKeycode(std::uint32_t keycode)
{
    if (keycode <= kXkbOffset) return std::nullopt;
    const int evdev = static_cast<int>(keycode - kXkbOffset);
    std::optional<VirtualKey> key = find(kEvdevRows, evdev);
    if (key && evdev == kEvdevLeftShift) key->stateCode = kLeftShift;
    if (key && evdev == kEvdevRightShift) key->stateCode = kRightShift;
    return key;
}

std::optional<VirtualKey> VirtualKeyTable::ofQtKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (auto keypad = find(kQtKeypadRows, key)) return keypad;
    }
    if (isLetterOrDigit(key)) return VirtualKey{key, false, key};
    if (isFunctionKey(key)) {
        const int code = kF1 + (key - Qt::Key_F1);
        return VirtualKey{code, false, code};
    }
    std::optional<VirtualKey> found = find(kQtRows, key);
    // Without a scan code the side of Shift is unknown: count it as the left one.
    if (found && found->code == kShift) found->stateCode = kLeftShift;
    return found;
}

VirtualKey VirtualKeyTable::of(std::uint32_t nativeScanCode, bool scanCodesAreXkb, int key, Qt::KeyboardModifiers modifiers)
{
    if (scanCodesAreXkb && nativeScanCode != 0) {
        if (auto physical = ofXkbKeycode(nativeScanCode)) return *physical;
    }
    if (auto byKey = ofQtKey(key, modifiers)) return *byKey;
    return VirtualKey{kUnknownCode, false, kUnknownCode};
}
