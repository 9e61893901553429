#include "MainWindowLayout.h"

#include "KeyLegends.h"

#include <array>

namespace {

using namespace MainWindowId;

constexpr ColorRef kGreen = RGB(0, 255, 0);

// Function buttons, in table order.
constexpr std::array<std::pair<int, SkinRect>, MainWindowLayout::kFunctionButtonCount> kFunctionButtons = {{
    {Language, {1012, 95, 1142, 130}},
    {Help, {1077, 20, 1102, 50}},
    {Hide, {1050, 20, 1075, 50}},
    {Exit, {1104, 20, 1129, 50}},
    {Save, {35, 95, 130, 130}},
    {Open, {150, 95, 245, 130}},
    {Clear, {265, 95, 395, 130}},
    {WriteKeys, {430, 95, 550, 130}},
    {Backlight, {585, 95, 695, 130}},
    {ReadAll, {740, 95, 850, 130}},
    {Firmware, {865, 95, 975, 130}},
    {Layer, {50, 210, 120, 270}},
}};

constexpr MainWindowKey key(int keyIndex, SkinRect rect) { return {keyIndex, rect, KeyLegends::of(keyIndex).data()}; }

// Keys row by row, left to right: KeyIndex, left, top, right, bottom. The navigation
// block of the second and third rows and the arrow keys start a pixel or two higher.
constexpr std::array<MainWindowKey, MainWindowLayout::kKeyCount> kKeys = {{
    key(1, {180, 165, 225, 212}),
    key(2, {277, 165, 327, 212}),
    key(3, {329, 165, 379, 212}),
    key(4, {381, 165, 431, 212}),
    key(5, {433, 165, 483, 212}),
    key(6, {509, 165, 559, 212}),
    key(7, {561, 165, 611, 212}),
    key(8, {613, 165, 663, 212}),
    key(9, {665, 165, 715, 212}),
    key(10, {740, 165, 790, 212}),
    key(11, {792, 165, 842, 212}),
    key(12, {844, 165, 894, 212}),
    key(13, {896, 165, 944, 212}),
    key(75, {972, 165, 1022, 212}),
    key(76, {1024, 165, 1074, 212}),
    key(77, {1076, 165, 1126, 212}),

    key(14, {180, 217, 225, 262}),
    key(15, {230, 217, 277, 262}),
    key(16, {280, 217, 327, 262}),
    key(17, {331, 217, 379, 262}),
    key(18, {382, 217, 431, 262}),
    key(19, {434, 217, 482, 262}),
    key(20, {484, 217, 532, 262}),
    key(21, {535, 217, 583, 262}),
    key(22, {585, 217, 634, 262}),
    key(23, {637, 217, 686, 262}),
    key(24, {688, 217, 738, 262}),
    key(25, {740, 217, 790, 262}),
    key(26, {792, 217, 842, 262}),
    key(27, {845, 217, 944, 262}),
    key(78, {972, 215, 1022, 262}),
    key(79, {1024, 215, 1074, 262}),
    key(80, {1076, 215, 1126, 262}),

    key(28, {180, 267, 254, 312}),
    key(29, {257, 267, 307, 312}),
    key(30, {310, 267, 359, 312}),
    key(31, {360, 267, 410, 312}),
    key(32, {412, 267, 462, 312}),
    key(33, {464, 267, 513, 312}),
    key(34, {515, 267, 564, 312}),
    key(35, {566, 267, 614, 312}),
    key(36, {616, 267, 664, 312}),
    key(37, {666, 267, 714, 312}),
    key(38, {716, 267, 764, 312}),
    key(39, {767, 267, 816, 312}),
    key(40, {818, 267, 868, 312}),
    key(41, {869, 267, 944, 312}),
    key(81, {972, 265, 1022, 312}),
    key(82, {1024, 265, 1074, 312}),
    key(83, {1076, 265, 1126, 312}),

    key(42, {180, 317, 265, 364}),
    key(43, {267, 317, 317, 364}),
    key(44, {319, 317, 369, 364}),
    key(45, {371, 317, 420, 364}),
    key(46, {422, 317, 472, 364}),
    key(47, {474, 317, 523, 364}),
    key(48, {525, 317, 574, 364}),
    key(49, {576, 317, 625, 364}),
    key(50, {627, 317, 676, 364}),
    key(51, {678, 317, 727, 364}),
    key(52, {729, 317, 778, 364}),
    key(53, {780, 317, 829, 364}),
    key(54, {831, 317, 944, 364}),

    key(55, {180, 367, 295, 414}),
    key(56, {298, 367, 347, 414}),
    key(57, {349, 367, 398, 414}),
    key(58, {400, 367, 449, 414}),
    key(59, {451, 367, 500, 414}),
    key(60, {502, 367, 551, 414}),
    key(61, {553, 367, 602, 414}),
    key(62, {604, 367, 653, 414}),
    key(63, {655, 367, 704, 414}),
    key(64, {707, 367, 756, 414}),
    key(65, {758, 367, 808, 414}),
    key(66, {810, 367, 944, 414}),
    key(84, {1024, 366, 1074, 414}),

    key(67, {180, 417, 241, 464}),
    key(68, {243, 417, 309, 464}),
    key(69, {311, 417, 376, 464}),
    key(70, {378, 417, 675, 464}),
    key(71, {677, 417, 745, 464}),
    key(72, {747, 417, 813, 464}),
    key(73, {815, 417, 877, 464}),
    key(74, {879, 417, 944, 464}),
    key(85, {972, 416, 1022, 464}),
    key(86, {1024, 416, 1074, 464}),
    key(87, {1076, 416, 1126, 464}),
}};

SkinButton greenWhenChecked(SkinButton label)
{
    label.checkedTextColor = kGreen;
    return label;
}

std::vector<SkinButton> buildRecords()
{
    std::vector<SkinButton> table;
    table.reserve(MainWindowLayout::kRecordCount);
    for (const auto& [id, rect] : kFunctionButtons) table.push_back(SkinButton::button(id, rect));
    for (const MainWindowKey& key : kKeys) {
        SkinButton b = SkinButton::button(KeyBase + key.keyIndex, key.rect);
        b.keyIndex = key.keyIndex;
        table.push_back(b);
    }
    // Labels: font 13 and grey text are the record defaults. The language label names the
    // language a click switches to.
    table.push_back(SkinButton::label(LanguageLabel, {1012, 101, 1142, 130}, u"English", u"简体中文"));
    table.push_back(SkinButton::label(70, {35, 101, 130, 130}, u"保存配置", u"Save"));
    table.push_back(SkinButton::label(71, {150, 101, 245, 130}, u"打开配置", u"Open"));
    table.push_back(SkinButton::label(72, {295, 101, 395, 130}, u"清空配置", u"Clear"));
    table.push_back(SkinButton::label(73, {435, 101, 550, 130}, u"写入按键", u"WriteKeys"));
    table.push_back(SkinButton::label(74, {585, 101, 695, 130}, u"设置背光", u"LightSet"));
    table.push_back(SkinButton::label(75, {720, 101, 850, 130}, u"读取配置", u"ReadAll"));
    table.push_back(SkinButton::label(76, {880, 101, 985, 130}, u"固件升级", u"Update"));
    table.push_back(greenWhenChecked(SkinButton::label(LevelUpLabel, {55, 190, 110, 210}, u"上档键", u"LevelUp")));
    table.push_back(greenWhenChecked(SkinButton::label(LevelDnLabel, {55, 270, 110, 300}, u"下档键", u"LevelDn")));
    return table;
}

}  // namespace

const std::vector<SkinButton>& MainWindowLayout::records()
{
    static const std::vector<SkinButton> table = buildRecords();
    return table;
}

std::span<const MainWindowKey> MainWindowLayout::keys() { return kKeys; }

const SkinButton* MainWindowLayout::record(int id)
{
    return findRecord(records(), id);
}
