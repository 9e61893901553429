#include "KeyMapTable.h"

#include "SkinTextFormat.h"


namespace {

using Records = std::vector<SkinButton>;

constexpr ColorRef kGreen = RGB(0, 255, 0);
constexpr int kRowFont = 11;

SkinButton button(int id, SkinRect rect) { return SkinButton::button(id, rect); }

SkinButton label(int id, SkinRect rect, std::u16string chinese, std::u16string english)
{
    return SkinButton::label(id, rect, std::move(chinese), std::move(english));
}

SkinButton leftAligned(SkinButton b)
{
    b.textFormat = SkinTextFormat::Left;
    return b;
}

// The "Stop Rec" label of a record button: green, hidden until its recorder runs.
SkinButton stopLabel(int id, SkinRect rect)
{
    SkinButton b = label(id, rect, u"停止录制", u"Stop Rec");
    b.textColor = kGreen;
    b.captionVisible = false;
    return b;
}

// A list box row: a button whose caption the page fills from its list.
SkinButton listRow(int id, SkinRect rect, std::uint32_t textFormat)
{
    SkinButton b = button(id, rect);
    b.showCaption = true;
    b.textFormat = textFormat;
    b.fontIndex = kRowFont;
    return b;
}

// A choice button of pages 4 to 7: stands for the KeyCode in value.
SkinButton choice(int id, SkinRect rect, int value, std::u16string tipChinese = {}, std::u16string tipEnglish = {})
{
    SkinButton b = button(id, rect);
    b.value = value;
    if (!tipChinese.empty()) {
        b.tips[LanguageCode::Chinese] = std::move(tipChinese);
        b.tips[LanguageCode::English] = std::move(tipEnglish);
    }
    return b;
}

// Positions 0 to 21: the bar buttons, tabs, close button, title and captions of every page.
void addCommonRecords(Records& t)
{
    t.push_back(button(KeyMapId::Clear, {33, 320, 117, 353}));
    t.push_back(button(KeyMapId::Ok, {365, 320, 449, 353}));
    t.push_back(button(KeyMapId::Cancel, {462, 320, 544, 353}));
    for (int k = 0; k < 7; ++k) t.push_back(button(KeyMapId::FirstTab + k, {18 + 78 * k, 48, 95 + 78 * k, 80}));
    t.push_back(button(KeyMapId::Close, {545, 10, 565, 30}));
    t.push_back(label(36, {1, 12, 573, 33}, u"按键设置面板", u"Key Settings"));
    t.push_back(label(37, {37, 328, 117, 353}, u"清空配置", u"Clear"));
    t.push_back(label(38, {365, 328, 449, 353}, u"确定", u"OK"));
    t.push_back(label(39, {462, 328, 544, 353}, u"取消", u"Cancel"));
    const std::u16string tabs[7][2] = {{u"单/组合键", u"Uni/Combo"}, {u"宏定义", u"Macro"},     {u"模拟击键", u"Emulate"},
                                       {u"多媒体", u"Multimedia"},  {u"鼠标", u"Mouse"},     {u"操控键", u"Function"},
                                       {u"电源键", u"Power"}};
    for (int k = 0; k < 7; ++k) t.push_back(label(30 + k, {18 + 78 * k, 56, 95 + 78 * k, 80}, tabs[k][0], tabs[k][1]));
}

// Positions 22 to 52: single key and combinations.
void addSingleAndComboPage(Records& t)
{
    SkinButton uniques = button(KeyMapId::UniquesChoice, {50, 100, 110, 125});
    uniques.checked = true;
    t.push_back(uniques);
    t.push_back(button(KeyMapId::ComboChoice, {210, 100, 275, 125}));
    t.push_back(button(KeyMapId::PressKeyPlate, {45, 135, 160, 155}));
    t.push_back(button(KeyMapId::CaptureSingle, {43, 204, 165, 238}));
    t.push_back(button(KeyMapId::NewCombo, {220, 242, 280, 278}));
    t.push_back(button(KeyMapId::DeleteCombo, {290, 242, 350, 278}));
    t.push_back(button(KeyMapId::RecordCombo, {375, 242, 525, 278}));
    for (int k = 0; k < 6; ++k)
        t.push_back(listRow(KeyMapId::FirstComboRow + k, {214, 136 + 16 * k, 355, 151 + 16 * k}, SkinTextFormat::Left));
    for (int k = 0; k < 6; ++k)
        t.push_back(listRow(KeyMapId::FirstComboTextRow + k, {378, 136 + 16 * k, 522, 151 + 16 * k}, SkinTextFormat::Center));
    SkinButton uniquesLabel = label(KeyMapId::UniquesLabel, {70, 104, 130, 125}, u"单键", u"Uniques");
    uniquesLabel.checkedTextColor = kGreen;
    t.push_back(uniquesLabel);
    SkinButton comboLabel = label(KeyMapId::ComboLabel, {230, 104, 275, 125}, u"组合键", u"Combo");
    comboLabel.checkedTextColor = kGreen;
    t.push_back(comboLabel);
    t.push_back(label(153, {45, 135, 160, 155}, u"请输入一个单键：", u"Press a key:"));
    t.push_back(label(KeyMapId::CaptureRecordLabel, {43, 212, 165, 238}, u"开始录制", u"Record"));
    t.push_back(stopLabel(KeyMapId::CaptureStopLabel, {43, 212, 165, 238}));
    t.push_back(label(156, {220, 250, 280, 278}, u"新建", u"New"));
    t.push_back(label(157, {290, 250, 350, 278}, u"删除", u"Delete"));
    t.push_back(label(KeyMapId::CapturedKey, {48, 166, 160, 188}, {}, {}));
    t.push_back(label(KeyMapId::ComboRecordLabel, {375, 250, 525, 278}, u"开始录制", u"Record"));
    t.push_back(stopLabel(KeyMapId::ComboStopLabel, {375, 250, 525, 278}));
    t.push_back(leftAligned(label(161, {214, 118, 355, 134}, u"组合键列表", u"Combo List")));
    t.push_back(leftAligned(label(162, {378, 118, 522, 134}, u"录制框", u"Record List")));
}

// Positions 53 to 92: macros.
void addMacroPage(Records& t)
{
    t.push_back(button(KeyMapId::TimesPlay, {390, 115, 405, 130}));
    t.push_back(button(KeyMapId::AutoDelay, {390, 175, 405, 190}));
    t.push_back(button(KeyMapId::NewMacro, {45, 258, 105, 288}));
    t.push_back(button(KeyMapId::DeleteMacro, {114, 258, 174, 288}));
    t.push_back(button(KeyMapId::RecordMacro, {385, 215, 539, 248}));
    t.push_back(button(KeyMapId::PlayWhileHeld, {390, 135, 405, 150}));
    t.push_back(button(KeyMapId::PlayToggle, {390, 155, 405, 170}));
    t.push_back(button(KeyMapId::RecordedDelays, {390, 195, 405, 210}));
    for (int k = 0; k < 9; ++k)
        t.push_back(listRow(KeyMapId::FirstMacroRow + k, {37, 114 + 14 * k, 178, 127 + 14 * k}, SkinTextFormat::Left));
    for (int k = 0; k < 9; ++k)
        t.push_back(listRow(KeyMapId::FirstMacroActionRow + k, {213, 114 + 14 * k, 355, 127 + 14 * k}, SkinTextFormat::Left));
    t.push_back(leftAligned(label(261, {407, 111, 475, 129}, u"次数播放", u"Times Play")));
    t.push_back(leftAligned(label(262, {407, 174, 475, 192}, u"自动延时", u"Auto delay")));
    t.push_back(label(265, {45, 264, 105, 288}, u"新建", u"New"));
    t.push_back(label(266, {114, 264, 174, 288}, u"删除", u"Remove"));
    t.push_back(label(KeyMapId::MacroRecordLabel, {385, 224, 539, 248}, u"开始录制", u"Record"));
    t.push_back(stopLabel(KeyMapId::MacroStopLabel, {385, 224, 539, 248}));
    SkinButton hint = label(269, {230, 254, 539, 308},
                            u"温馨提示：录制框中单击鼠标右键可插入鼠标功能\r\n"
                            u"录制框中选中延时参数并双击鼠标左键可对其编辑",
                            u"Tip:Right of mouse click to insert mouse actions in\r\n"
                            u"record list. Select delay parameter and double click\r\n"
                            u"left of mouse to edit in record list.");
    hint.textFormat = SkinTextFormat::VCenter;
    t.push_back(hint);
    t.push_back(leftAligned(label(270, {37, 95, 178, 111}, u"宏列表", u"Macro List")));
    t.push_back(leftAligned(label(271, {213, 95, 355, 111}, u"录制框", u"Record List")));
    t.push_back(leftAligned(label(272, {407, 132, 570, 150}, u"按下播放，释放停止", u"Press play, release stop")));
    t.push_back(leftAligned(label(273, {407, 153, 520, 171}, u"按键开/关播放", u"Press to play/stop")));
    t.push_back(leftAligned(label(274, {407, 195, 510, 213}, u"记录延时", u"Record delay")));
    t.push_back(leftAligned(label(275, {522, 111, 580, 129}, u"次", u"times")));
    t.push_back(leftAligned(label(262, {522, 174, 580, 192}, u"毫秒", u"ms")));
}

// Positions 93 to 121: emulations.
void addEmulationPage(Records& t)
{
    t.push_back(button(KeyMapId::DelayPlate, {383, 110, 467, 140}));
    t.push_back(button(KeyMapId::RecordEmulation, {383, 150, 538, 176}));
    t.push_back(button(KeyMapId::NewEmulation, {45, 258, 105, 288}));
    t.push_back(button(KeyMapId::DeleteEmulation, {114, 258, 174, 288}));
    for (int k = 0; k < 9; ++k)
        t.push_back(listRow(KeyMapId::FirstEmulationRow + k, {37, 114 + 14 * k, 178, 127 + 14 * k}, SkinTextFormat::Left));
    for (int k = 0; k < 9; ++k)
        t.push_back(listRow(KeyMapId::FirstEmulationActionRow + k, {213, 114 + 14 * k, 355, 127 + 14 * k}, SkinTextFormat::Left));
    t.push_back(label(351, {387, 112, 467, 130}, u"延时", u"Delay"));
    t.push_back(label(KeyMapId::EmulationRecordLabel, {383, 154, 538, 176}, u"开始录制", u"Record"));
    t.push_back(stopLabel(KeyMapId::EmulationStopLabel, {383, 154, 538, 176}));
    t.push_back(label(355, {45, 264, 105, 288}, u"新建", u"New"));
    t.push_back(label(356, {114, 264, 174, 288}, u"删除", u"Remove"));
    t.push_back(leftAligned(label(357, {37, 95, 178, 111}, u"模拟击键列表", u"Emu List")));
    t.push_back(leftAligned(label(358, {213, 95, 355, 111}, u"录制框", u"Record List")));
}

// Positions 122 to 141: multimedia and browser commands.
void addMultimediaPage(Records& t)
{
    struct Choice {
        int value;
        const char16_t* chinese;
        const char16_t* english;
    };
    const Choice media[8] = {{115, u"播放器", u"Media Select"}, {111, u"播放/暂停", u"Play/Pause"},
                             {110, u"停止", u"Stop"},            {108, u"下一首", u"Next Track"},
                             {109, u"上一首", u"Previous Track"}, {114, u"音量减小", u"Volume Down"},
                             {113, u"音量加大", u"Volume Up"},   {112, u"静音", u"Mute"}};
    for (int k = 0; k < 8; ++k)
        t.push_back(choice(401 + k, {46 + 50 * k, 152, 81 + 50 * k, 188}, media[k].value, media[k].chinese, media[k].english));
    const Choice browser[10] = {{121, u"后退", u"WWW Back"},      {122, u"前进", u"WWW Forward"},
                                {123, u"停止", u"WWW Stop"},      {124, u"刷新", u"WWW Refresh"},
                                {125, u"收藏夹", u"WWW Favorites"}, {119, u"搜索", u"WWW Search"},
                                {116, u"邮件", u"E-mail"},        {120, u"主页", u"WWW Home"},
                                {118, u"资源管理器", u"My Computer"}, {117, u"计算器", u"Calculator"}};
    for (int k = 0; k < 10; ++k)
        t.push_back(choice(409 + k, {46 + 50 * k, 235, 81 + 50 * k, 272}, browser[k].value, browser[k].chinese, browser[k].english));
    t.push_back(leftAligned(label(451, {46, 127, 167, 150}, u"多媒体功能", u"Media Function")));
    t.push_back(leftAligned(label(452, {46, 207, 167, 230}, u"浏览器功能", u"Browser Function")));
}

// Positions 142 to 161: mouse actions, ten buttons with a label on each.
void addMousePage(Records& t)
{
    const int values[10] = {126, 127, 128, 129, 130, 131, 132, 133, 134, 199};
    const char16_t* captions[10][2] = {{u"左移", u"Move Left"},  {u"右移", u"Move Right"},     {u"上移", u"Move Up"},
                                       {u"下移", u"Move Down"},  {u"左键", u"Left Click"},     {u"右键", u"Right Click"},
                                       {u"中键", u"Middle Click"}, {u"滚轮前翻", u"Wheel Up"}, {u"滚轮后翻", u"Wheel Down"},
                                       {u"左键双击", u"Left Double Click"}};
    auto rectOf = [](int k) { return SkinRect{37, 114 + 17 * k, 258, 130 + 17 * k}; };
    for (int k = 0; k < 10; ++k) t.push_back(choice(502 + k, rectOf(k), values[k]));
    for (int k = 0; k < 10; ++k) t.push_back(label(552 + k, rectOf(k), captions[k][0], captions[k][1]));
}

// Positions 162 to 186: keyboard and backlight functions; four slots stay empty.
void addFunctionPage(Records& t)
{
    const SkinButton empty;
    t.push_back(empty);
    t.push_back(choice(602, {89, 112, 125, 148}, 150, u"键盘锁", u"Keyboard Lock"));
    t.push_back(empty);
    t.push_back(choice(604, {195, 112, 231, 148}, 152, u"Ctrl和Caps对调", u"Ctrl to Caps convert"));
    t.push_back(choice(608, {36, 155, 72, 191}, 153, u"锁Win", u"Win Lock"));
    t.push_back(empty);
    t.push_back(empty);
    t.push_back(choice(611, {195, 155, 231, 191}, 158, u"鼠标DPI-", u"Mouse DPI-"));
    t.push_back(choice(612, {248, 155, 284, 191}, 157, u"鼠标DPI+", u"Mouse DPI+"));
    t.push_back(choice(KeyMapId::LevelDownChoice, {301, 155, 337, 191}, 156, u"下档组合键,按键的上下档键须同时设置",
                       u"level down combination key,Keys level up and down must be set to FN"));
    t.push_back(choice(614, {354, 155, 390, 191}, 159, u"可编程键盘", u"Programmable Keyboard"));
    t.push_back(choice(615, {36, 220, 72, 256}, 137, u"演示", u"Demonstrate"));
    t.push_back(choice(616, {100, 220, 136, 256}, 138, u"流星雨", u"Star shower"));
    t.push_back(choice(617, {164, 220, 200, 256}, 139, u"涟漪", u"Riffle"));
    t.push_back(choice(618, {228, 220, 264, 256}, 145, u"背光亮度-", u"Backlight Lighteness-"));
    t.push_back(choice(619, {292, 220, 328, 256}, 144, u"背光亮度+", u"Backlight Lighteness+"));
    t.push_back(choice(622, {36, 265, 72, 301}, 135, u"背光开关", u"Backlight switch"));
    t.push_back(choice(623, {100, 265, 136, 301}, 141, u"背光呼吸", u"Backlight Breathe"));
    t.push_back(choice(624, {164, 265, 200, 301}, 136, u"背光自定义", u"Backlight Macro"));
    t.push_back(choice(625, {228, 265, 264, 301}, 143, u"呼吸频率+", u"Breathe Frequence+"));
    t.push_back(choice(626, {292, 265, 328, 301}, 142, u"呼吸频率-", u"Breathe Frequence-"));
    t.push_back(choice(627, {356, 265, 392, 301}, 146, u"日落/放松模式", u"Sunset/Relax Mode"));
    t.push_back(choice(628, {418, 265, 456, 301}, 148, u"全盘颜色调节", u"Backlight All Color Regulate"));
    t.push_back(leftAligned(label(651, {36, 92, 167, 150}, u"按键功能", u"Key Function")));
    t.push_back(leftAligned(label(652, {36, 200, 167, 230}, u"背光功能", u"Backlight Function")));
}

// Positions 187 to 192: power commands, a caption on each button.
void addPowerPage(Records& t)
{
    t.push_back(choice(701, {162, 160, 242, 190}, 75, u"唤醒", u"WakeUp"));
    t.push_back(choice(702, {251, 160, 331, 190}, 76, u"睡眠", u"Sleep"));
    t.push_back(choice(703, {340, 160, 420, 190}, 77, u"电源", u"Power"));
    t.push_back(label(751, {162, 166, 242, 190}, u"唤醒", u"Wake"));
    t.push_back(label(752, {251, 166, 331, 190}, u"睡眠", u"Sleep"));
    t.push_back(label(753, {340, 166, 420, 190}, u"电源", u"Power"));
}

Records buildRecords()
{
    Records t;
    t.reserve(KeyMapTable::kSize);
    addCommonRecords(t);
    addSingleAndComboPage(t);
    addMacroPage(t);
    addEmulationPage(t);
    addMultimediaPage(t);
    addMousePage(t);
    addFunctionPage(t);
    addPowerPage(t);
    t.resize(KeyMapTable::kSize);  // positions 193 to 201 stay empty
    return t;
}

}  // namespace

const std::vector<SkinButton>& KeyMapTable::records()
{
    static const Records records = buildRecords();
    return records;
}

