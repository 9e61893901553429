#pragma once

#include "ActionList.h"
#include "NumberText.h"

#include <string>
#include <vector>

// The edits of a macro's action list on the macro page: switching between recorded delays and
// auto delay, inserting mouse actions and deleting lines from the context menu, the line
// limits, and the numbers of the delay lines. With recorded delays the lines alternate event,
// delay, event; every edit here keeps that order.
class MacroEditor {
public:
    // What the edits of the page keep.
    static constexpr NumberText::Bounds kCycles{1, 255};
    static constexpr NumberText::Bounds kDelay{0, 60000};
    static constexpr NumberText::Bounds kEmulationDelay{std::nullopt, 6000};
    static constexpr NumberText::Bounds kDelayLine{0, 65535};
    // The delay line inserted beside a new mouse action.
    static constexpr char16_t kZeroDelay[] = u"<0 ms>";

    // Auto delay: the events (lines 0, 2, 4, ...) without the delay lines between them.
    static ActionList withoutDelayLines(const ActionList& actions);
    // Recorded delays: a "<Delay ms>" line between every two lines.
    static ActionList withDelayLines(const ActionList& actions);

    // Inserts the lines before row r with, unless the macro uses auto delay, a "<0 ms>" line
    // each, so that events and delays keep alternating. Returns the number of lines added.
    static int insertBefore(ActionList& actions, int row, const std::vector<std::u16string>& lines);
    // Deletes the line of row r and, with recorded delays, the delay or event paired with it:
    // the line that then stands at row r (the last line when r is now past the end).
    // Returns the number of lines removed.
    static int remove(ActionList& actions, int row);
    // Removes lines from the end beyond the limit of the delay mode; returns how many.
    static int trimToLimit(ActionList& actions);

    // A delay line the in-place edit may edit: "<" first, its first ">" last.
    static bool isEditableDelay(const std::u16string& line);
    // The number part of a delay line as the edit shows it: "<120 ms>" gives "120".
    static std::u16string delayText(const std::u16string& line);
    // The delay line of an edited number, clamped to 0..65535.
    static std::u16string delayLineOf(const std::u16string& typed);

    // A list without lines, with the view size and play settings of the actions.
    static ActionList emptyLike(const ActionList& actions);
};
