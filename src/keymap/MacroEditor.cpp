#include "MacroEditor.h"

#include "ActionLines.h"
#include "KeyRecorders.h"

namespace {

using ActionLines::kDelayFrameLength;

bool isDelayLine(const std::u16string& line) { return !line.empty() && line.front() == u'<'; }


}  // namespace

ActionList MacroEditor::emptyLike(const ActionList& actions)
{
    ActionList list;
    list.SizeOfView = actions.SizeOfView;
    list.Cycles = actions.Cycles;
    list.Delay = actions.Delay;
    list.IsAutoInterval = actions.IsAutoInterval;
    list.PlayMode = actions.PlayMode;
    return list;
}

ActionList MacroEditor::withoutDelayLines(const ActionList& actions)
{
    ActionList events = emptyLike(actions);
    for (std::size_t i = 0; i < actions.lines.size(); i += 2) events.append(actions.lines[i]);
    return events;
}

ActionList MacroEditor::withDelayLines(const ActionList& actions)
{
    ActionList timed = emptyLike(actions);
    for (std::size_t i = 0; i < actions.lines.size(); ++i) {
        if (i > 0) timed.append(KeyRecorders::delayLine(actions.Delay));
        timed.append(actions.lines[i]);
    }
    return timed;
}

int MacroEditor::insertBefore(ActionList& actions, int row, const std::vector<std::u16string>& lines)
{
    // Before a delay line the pair reads delay, event; before an event it reads event, delay.
    const bool beforeDelay = isDelayLine(actions.textAt(row));
    const bool withDelays = !actions.IsAutoInterval;
    int added = 0;
    for (const std::u16string& line : lines) {
        if (beforeDelay) {
            actions.insertAt(row, line);
            if (withDelays) actions.insertAt(row, kZeroDelay);
        } else {
            if (withDelays) actions.insertAt(row, kZeroDelay);
            actions.insertAt(row, line);
        }
        added += withDelays ? 2 : 1;
    }
    return added;
}

int MacroEditor::remove(ActionList& actions, int row)
{
    int removed = 0;
    for (int pass = actions.IsAutoInterval ? 1 : 2; pass > 0 && actions.lineCount() > 0; --pass) {
        actions.removeAt(row);
        ++removed;
    }
    return removed;
}

int MacroEditor::trimToLimit(ActionList& actions)
{
    int removed = 0;
    while (actions.lineCount() > KeyRecorders::macroLineLimit(actions)) {
        actions.removeAt(ActionList::kAppendRow);
        ++removed;
    }
    return removed;
}

bool MacroEditor::isEditableDelay(const std::u16string& line)
{
    return isDelayLine(line) && line.find(u'>') == line.size() - 1;
}

std::u16string MacroEditor::delayText(const std::u16string& line)
{
    if (line.size() < kDelayFrameLength) return {};
    return line.substr(1, line.size() - kDelayFrameLength);
}

std::u16string MacroEditor::delayLineOf(const std::u16string& typed)
{
    return KeyRecorders::delayLine(NumberText::bound(NumberText::read(typed), kDelayLine).value);
}
