#pragma once

#include "SkinButton.h"

#include <span>
#include <vector>

// Ids of the main window's records.
namespace MainWindowId {
inline constexpr int Language = 85;
inline constexpr int Help = 87;
inline constexpr int Hide = 88;
inline constexpr int Exit = 89;
inline constexpr int Save = 90;
inline constexpr int Open = 91;
inline constexpr int Clear = 92;
inline constexpr int WriteKeys = 93;
inline constexpr int Backlight = 94;
inline constexpr int ReadAll = 95;
inline constexpr int Firmware = 96;
inline constexpr int Layer = 97;
inline constexpr int LanguageLabel = 65;
inline constexpr int LevelUpLabel = 77;
inline constexpr int LevelDnLabel = 78;
// A key's button: 99 + its KeyIndex (100..186).
inline constexpr int KeyBase = 99;
}  // namespace MainWindowId

// One key of the keyboard picture: its KeyIndex, rectangle and the legend printed on it.
struct MainWindowKey {
    int keyIndex;
    SkinRect rect;
    const char16_t* legend;
};

// The main window's layout, written once: the window builds its buttonTable from records() and
// the skin generator draws the faces from the same rows.
class MainWindowLayout {
public:
    static constexpr int kRecordCount = 109;
    static constexpr int kFunctionButtonCount = 12;
    static constexpr int kKeyCount = 87;
    // Where the summary box sits (left, top, right, bottom).
    static constexpr SkinRect kSummaryBox{47, 506, 47 + 913, 506 + 144};

    // The 109 records in table order: 12 function buttons, 87 keys (row by row, left to right),
    // 10 labels.
    static const std::vector<SkinButton>& records();
    // The keys, in the order of their records.
    static std::span<const MainWindowKey> keys();
    // The record of an id; the first one when several share it. nullptr when there is none.
    static const SkinButton* record(int id);
};
