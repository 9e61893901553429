#include "SkinStyle.h"

#include <algorithm>

namespace {

constexpr ColorRef kGrey = RGB(200, 200, 200);
constexpr ColorRef kDarkBlue = RGB(0, 0, 190);

// clang-format off
constexpr std::array<SkinStyle, 6> kStyles = {{
    // window                           tmpl size  colour key         bg   hover chk  caption rule                         from record colour checked    hover  labels honours page   frames                           text controls
    {SkinWindow::MainWindow,            102, 109, RGB(0, 0, 255),    101, 102, 103, CaptionRule::Labels,                 true,  kGrey, kGrey,     true,  false, false, false, KeyLightFrames::None,            {1001, 0, 0, 0}},
    {SkinWindow::Progress,              137, 107, RGB(255, 0, 0),    139, 140, 141, CaptionRule::Labels,                 false, kGrey, kDarkBlue, true,  false, false, false, KeyLightFrames::None,            {0, 0, 0, 0}},
    {SkinWindow::KeyMapSettings,        129, 202, RGB(255, 0, 0),    0,   0,   0,   CaptionRule::LabelsOrShownIfVisible, true,  kGrey, kGrey,     true,  true,  true,  true,  KeyLightFrames::None,            {1001, 1002, 1003, 1005}},
    {SkinWindow::BkLightSettings,       134, 101, RGB(1, 3, 254),    131, 0,   0,   CaptionRule::Labels,                 false, kGrey, kGrey,     false, true,  false, false, KeyLightFrames::Drawn,           {0, 0, 0, 0}},
    {SkinWindow::BkLightMultiSelect,    138, 91,  RGB(255, 0, 0),    142, 0,   143, CaptionRule::Labels,                 false, kGrey, kGrey,     true,  true,  false, false, KeyLightFrames::DrawnRedShifted, {0, 0, 0, 0}},
    {SkinWindow::FirmwareUpdate,        135, 107, RGB(255, 0, 0),    128, 129, 130, CaptionRule::Labels,                 false, kGrey, kDarkBlue, true,  false, false, false, KeyLightFrames::None,            {1001, 1002, 0, 0}},
}};
// clang-format on

}  // namespace

const SkinStyle& SkinStyle::of(SkinWindow window)
{
    return *std::find_if(kStyles.begin(), kStyles.end(), [&](const SkinStyle& s) { return s.window == window; });
}

bool SkinStyle::colouredTextControl(int controlId) const
{
    return controlId != 0 && std::find(textControlIds.begin(), textControlIds.end(), controlId) != textControlIds.end();
}
