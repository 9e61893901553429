#include "VirtualKeyTable.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    int from;
    int code;
    bool extended;
    int stateCode;
};

std::string describe(int from) { return "key " + std::to_string(from); }

// Physical keys by XKB keycode (evdev code + 8): every block of the keyboard, both sides of
// the modifiers, and the keys that only the extended flag tells apart.
TEST(VirtualKeyTableTest, XkbKeycodesNameThePhysicalKey)
{
    const Case cases[] = {
        {9, 27, false, 27},      // Esc
        {10, '1', false, '1'},   {19, '0', false, '0'},
        {24, 'Q', false, 'Q'},   {38, 'A', false, 'A'},   {58, 'M', false, 'M'},
        {20, 189, false, 189},   {21, 187, false, 187},   // - =
        {34, 219, false, 219},   {35, 221, false, 221},   {51, 220, false, 220},   // [ ] backslash
        {47, 186, false, 186},   {48, 222, false, 222},   {49, 192, false, 192},   // ; ' `
        {59, 188, false, 188},   {60, 190, false, 190},   {61, 191, false, 191},   // , . /
        {22, 8, false, 8},       {23, 9, false, 9},       {36, 13, false, 13},     // BackSpace Tab Enter
        {65, 32, false, 32},     {66, 20, false, 20},                             // Space CapsLock
        {50, 16, false, 160},    {62, 16, false, 161},    // Shift: generic code, state by side
        {37, 162, false, 162},   {105, 163, true, 163},   // Ctrl left, right
        {64, 164, false, 164},   {108, 165, true, 165},   // Alt left, right
        {133, 91, true, 91},     {134, 92, true, 92},     {135, 93, true, 93},     // Win, Win, Menu
        {67, 112, false, 112},   {76, 121, false, 121},   {95, 122, false, 122},  {96, 123, false, 123},
        {191, 124, false, 124},  {202, 135, false, 135},  // F13, F24
        {107, 44, true, 44},     {78, 145, false, 145},   {127, 19, false, 19},   // PrtScreen ScrollLock Pause
        {118, 45, true, 45},     {119, 46, true, 46},     {110, 36, true, 36},    {115, 35, true, 35},
        {112, 33, true, 33},     {117, 34, true, 34},
        {113, 37, true, 37},     {111, 38, true, 38},     {114, 39, true, 39},    {116, 40, true, 40},
        {77, 144, true, 144},    {106, 111, true, 111},   {63, 106, false, 106},  // NumLock (/) (*)
        {82, 109, false, 109},   {86, 107, false, 107},   {91, 110, false, 110},  // (-) (+) (.)
        {90, 96, false, 96},     {87, 97, false, 97},     {84, 101, false, 101},  {81, 105, false, 105},
        {104, 13, true, 13},     // keypad Enter: Enter with the extended flag
    };
    for (const Case& c : cases) {
        const auto key = VirtualKeyTable::ofXkbKeycode(static_cast<std::uint32_t>(c.from));
        ASSERT_TRUE(key.has_value()) << describe(c.from);
        EXPECT_EQ(*key, (VirtualKey{c.code, c.extended, c.stateCode})) << describe(c.from);
    }
    for (std::uint32_t unknown : {0u, 8u, 255u, 100000u}) EXPECT_FALSE(VirtualKeyTable::ofXkbKeycode(unknown)) << unknown;
}

TEST(VirtualKeyTableTest, QtKeysNameTheKeyWhereThereIsNoScanCode)
{
    const Case cases[] = {
        {Qt::Key_A, 'A', false, 'A'},           {Qt::Key_Z, 'Z', false, 'Z'},        {Qt::Key_7, '7', false, '7'},
        {Qt::Key_F1, 112, false, 112},          {Qt::Key_F24, 135, false, 135},
        {Qt::Key_Return, 13, false, 13},        {Qt::Key_Escape, 27, false, 27},     {Qt::Key_Backtab, 9, false, 9},
        {Qt::Key_Shift, 16, false, 160},        {Qt::Key_Control, 162, false, 162},  {Qt::Key_Alt, 164, false, 164},
        {Qt::Key_AltGr, 165, true, 165},        {Qt::Key_Super_R, 92, true, 92},     {Qt::Key_Menu, 93, true, 93},
        {Qt::Key_Home, 36, true, 36},           {Qt::Key_Down, 40, true, 40},        {Qt::Key_Print, 44, true, 44},
        {Qt::Key_Semicolon, 186, false, 186},   {Qt::Key_Question, 191, false, 191}, {Qt::Key_Apostrophe, 222, false, 222},
        {Qt::Key_ParenRight, '0', false, '0'},  {Qt::Key_Asterisk, '8', false, '8'},
    };
    for (const Case& c : cases) {
        const auto key = VirtualKeyTable::ofQtKey(c.from, Qt::NoModifier);
        ASSERT_TRUE(key.has_value()) << describe(c.from);
        EXPECT_EQ(*key, (VirtualKey{c.code, c.extended, c.stateCode})) << describe(c.from);
    }
    EXPECT_FALSE(VirtualKeyTable::ofQtKey(Qt::Key_Launch0, Qt::NoModifier));
}

TEST(VirtualKeyTableTest, TheKeypadModifierMakesKeypadKeysWhateverNumLockSays)
{
    const Case cases[] = {
        {Qt::Key_0, 96, false, 96},      {Qt::Key_Insert, 96, false, 96}, {Qt::Key_9, 105, false, 105},
        {Qt::Key_PageUp, 105, false, 105}, {Qt::Key_Clear, 101, false, 101}, {Qt::Key_Delete, 110, false, 110},
        {Qt::Key_Period, 110, false, 110}, {Qt::Key_Asterisk, 106, false, 106}, {Qt::Key_Plus, 107, false, 107},
        {Qt::Key_Minus, 109, false, 109},  {Qt::Key_Slash, 111, true, 111},     {Qt::Key_Enter, 13, true, 13},
    };
    for (const Case& c : cases) {
        const auto key = VirtualKeyTable::ofQtKey(c.from, Qt::KeypadModifier);
        ASSERT_TRUE(key.has_value()) << describe(c.from);
        EXPECT_EQ(*key, (VirtualKey{c.code, c.extended, c.stateCode})) << describe(c.from);
    }
}

TEST(VirtualKeyTableTest, TheScanCodeWinsOverTheLayoutWhenThePlatformGivesXkbKeycodes)
{
    struct Choice {
        std::uint32_t scanCode;
        bool xkb;
        int qtKey;
        int code;
    };
    const Choice cases[] = {
        {38, true, Qt::Key_Q, 'A'},          // an AZERTY layout calls the A position Q
        {38, false, Qt::Key_Q, 'Q'},         // scan codes of another kind are not read
        {0, true, Qt::Key_Q, 'Q'},           // no scan code
        {254, true, Qt::Key_Q, 'Q'},         // a scan code the table does not know
        {0, true, Qt::Key_Launch0, VirtualKeyTable::kUnknownCode},
    };
    for (const Choice& c : cases)
        EXPECT_EQ(VirtualKeyTable::of(c.scanCode, c.xkb, c.qtKey, Qt::NoModifier).code, c.code) << c.scanCode << " " << c.xkb;
}

}  // namespace
