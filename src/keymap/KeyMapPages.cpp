#include "KeyMapPages.h"

#include "KeyMapTable.h"

#include <array>

namespace {

using Shown = ControlShown;

// The bars are one skin cell (15 pixels) wide on every page. Pages 1 and 3 would place them 50
// pixels wide, but only the left 15 pixels paint: the rest would take, unseen, the clicks meant
// for the action rows and the record button beside them.
constexpr int kBarWidth = 15;

constexpr SkinRect barAt(int x, int y, int height) { return {x, y, x + kBarWidth, y + height}; }

constexpr KeyMapBar kNoBar{};
// Collections and actions: maximum = lines + 8 with 9 rows on pages 2 and 3, lines + 5 with 6
// rows on page 1.
constexpr KeyMapBar kComboBar{true, barAt(358, 137, 96), true, 5, 6};
constexpr KeyMapBar kComboActionBar{false, barAt(357, 115, 126), false, 0, 6};
constexpr KeyMapBar kLeftListBar{true, barAt(181, 115, 126), true, 8, 9};
constexpr KeyMapBar kRightListBar{true, barAt(357, 115, 126), true, 8, 9};

constexpr KeyMapListLayout kNoList{};
constexpr KeyMapListLayout kComboList{KeyMapId::FirstComboRow, 0, 6, KeyMapId::NewCombo, KeyMapId::DeleteCombo, true,
                                      u"组合键%d", u"New Combo %d"};
constexpr KeyMapListLayout kMacroList{KeyMapId::FirstMacroRow, KeyMapId::FirstMacroActionRow, 9, KeyMapId::NewMacro,
                                      KeyMapId::DeleteMacro, false, u"宏定义%d", u"New Macro %d"};
constexpr KeyMapListLayout kEmulationList{KeyMapId::FirstEmulationRow, KeyMapId::FirstEmulationActionRow, 9,
                                          KeyMapId::NewEmulation, KeyMapId::DeleteEmulation, false, u"模拟击键%d",
                                          u"New Emu %d"};

constexpr KeyMapChoiceRange kNoChoices{};

// clang-format off
const std::array<KeyMapPage, 7> kPages = {{
    // page images         timesEdit       delayEdit        comboText      collection bar  action bar        list box         choices: ids, kind, tips
    {1, 107, 108, 109, Shown::Hidden,  Shown::Hidden,   Shown::Enabled, kComboBar,     kComboActionBar, kComboList,     kNoChoices},
    {2, 110, 111, 112, Shown::Enabled, Shown::Disabled, Shown::Hidden,  kLeftListBar,  kRightListBar,   kMacroList,     kNoChoices},
    {3, 113, 114, 115, Shown::Enabled, Shown::Hidden,   Shown::Hidden,  kLeftListBar,  kRightListBar,   kEmulationList, kNoChoices},
    {4, 116, 117, 118, Shown::Hidden,  Shown::Hidden,   Shown::Hidden,  kNoBar,        kNoBar,          kNoList,        {401, 418, 5, true}},
    {5, 119, 120, 121, Shown::Hidden,  Shown::Hidden,   Shown::Hidden,  kNoBar,        kNoBar,          kNoList,        {502, 511, 6, false}},
    {6, 122, 123, 124, Shown::Hidden,  Shown::Hidden,   Shown::Hidden,  kNoBar,        kNoBar,          kNoList,        {601, 628, 7, true}},
    {7, 125, 126, 127, Shown::Hidden,  Shown::Hidden,   Shown::Hidden,  kNoBar,        kNoBar,          kNoList,        {701, 703, 8, true}},
}};
// clang-format on

}  // namespace

const KeyMapPage& KeyMapPages::of(int number)
{
    const bool valid = number >= kFirst && number <= kLast;
    return kPages[static_cast<std::size_t>(valid ? number - kFirst : 0)];
}

std::u16string KeyMapListLayout::defaultName(const std::string& language, int number) const
{
    std::u16string name = language == LanguageCode::Chinese ? defaultNameChinese : defaultNameEnglish;
    const std::size_t at = name.find(u"%d");
    if (at == std::u16string::npos) return name;
    const std::string digits = std::to_string(number);
    return name.replace(at, 2, std::u16string(digits.begin(), digits.end()));
}
