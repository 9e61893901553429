#pragma once

#include "SkinButton.h"

#include <vector>

// Command ids of the key mapping window's records that the window or its face name by number.
// A record whose id is 100 or more belongs to page id / 100; ids below 100 show on every page.
namespace KeyMapId {
// Every page.
inline constexpr int Clear = 87;
inline constexpr int Ok = 88;
inline constexpr int Cancel = 89;
inline constexpr int FirstTab = 90;  // tabs of pages 1 to 7: 90 to 96
inline constexpr int LastTab = 96;
inline constexpr int Close = 97;
// The two records a click goes on to act on after it closed an open edit or stopped a capture.
inline constexpr bool endsWindow(int id) { return id == Ok || id == Cancel; }

// Page 1: single key and combinations.
inline constexpr int UniquesChoice = 101;
inline constexpr int ComboChoice = 102;
inline constexpr int PressKeyPlate = 103;
inline constexpr int CaptureSingle = 104;
inline constexpr int NewCombo = 105;
inline constexpr int DeleteCombo = 106;
inline constexpr int RecordCombo = 107;
inline constexpr int FirstComboRow = 121;
inline constexpr int FirstComboTextRow = 141;
inline constexpr int UniquesLabel = 151;
inline constexpr int ComboLabel = 152;
inline constexpr int CaptureRecordLabel = 154;
inline constexpr int CaptureStopLabel = 155;
inline constexpr int CapturedKey = 158;
inline constexpr int ComboRecordLabel = 159;
inline constexpr int ComboStopLabel = 160;

// Page 2: macros.
inline constexpr int TimesPlay = 201;
inline constexpr int AutoDelay = 203;
inline constexpr int NewMacro = 205;
inline constexpr int DeleteMacro = 206;
inline constexpr int RecordMacro = 207;
inline constexpr int PlayWhileHeld = 208;
inline constexpr int PlayToggle = 209;
inline constexpr int RecordedDelays = 210;
inline constexpr int FirstMacroRow = 221;
inline constexpr int FirstMacroActionRow = 241;
inline constexpr int MacroRecordLabel = 267;
inline constexpr int MacroStopLabel = 268;

// Page 3: emulations.
inline constexpr int DelayPlate = 301;
inline constexpr int RecordEmulation = 302;
inline constexpr int NewEmulation = 305;
inline constexpr int DeleteEmulation = 306;
inline constexpr int FirstEmulationRow = 321;
inline constexpr int FirstEmulationActionRow = 341;
inline constexpr int EmulationRecordLabel = 352;
inline constexpr int EmulationStopLabel = 353;

// Pages 4 to 7: the choice buttons of each page lie in one id range (KeyMapPages).
inline constexpr int MuteChoice = 408;
inline constexpr int LevelDownChoice = 613;
}  // namespace KeyMapId

// The key mapping window's 202 records in table order: the drawing order, the click-scan order
// and the layout its seven faces are drawn from. Empty slots keep id -1.
class KeyMapTable {
public:
    static constexpr int kSize = 202;

    static const std::vector<SkinButton>& records();
};
