#include "ActionListReader.h"

#include "ActionList.h"
#include "NumberAttribute.h"
#include "ProfileFileNames.h"
#include "XmlDocument.h"

namespace names = ProfileFileNames;

void ActionListReader::read(ActionList& list) { read(list, 1); }

void ActionListReader::read(ActionList& list, int depth)
{
    list.clear();
    if (!document_.FindElement(names::kList))
        return;
    // A missing attribute reads as 0, not as the field's default.
    const auto number = [this](std::u16string_view name) { return NumberAttribute::parse(document_.GetAttribute(name)); };
    list.SizeOfView = number(names::kSizeOfView);
    list.ViewStartAt = number(names::kViewStartAt);
    list.CursorPos = number(names::kCursorPos);
    list.Cycles = number(names::kCycles);
    list.IsAutoInterval = number(names::kIsAutoInterval) != 0;
    list.Delay = number(names::kDelay);
    list.PlayMode = number(names::kPlayMode);

    document_.EnterElement();
    while (document_.FindElement(names::kLine))
        readLine(list, depth);
    document_.LeaveElement();
}

void ActionListReader::readLine(ActionList& list, int depth)
{
    const int id = NumberAttribute::parse(document_.GetAttribute(names::kId));
    if (id < 0 || id > kMaxLineIndex)
        return;
    const auto index = static_cast<std::size_t>(id);
    if (index >= list.lines.size()) {
        const std::size_t added = index + 1 - list.lines.size();
        if (added > linesLeft_)
            return;
        linesLeft_ -= added;
        list.lines.resize(index + 1);
        list.children.resize(index + 1);  // new children have the construction defaults
    }
    list.lines[index] = document_.GetAttribute(names::kLineText);
    if (depth >= kMaxDepth)
        return;  // deeper nesting is ignored; the line keeps a new child

    document_.EnterElement();
    ActionList child;
    read(child, depth + 1);
    list.children[index] = std::move(child);
    document_.LeaveElement();
}
