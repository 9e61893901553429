#pragma once

#include "ActionList.h"

#include <string>
#include <utility>
#include <vector>

// An action list built the way the editors build one: line by line, appended.
inline ActionList listOf(const std::vector<std::u16string>& lines, int sizeOfView = 9)
{
    ActionList list;
    list.SizeOfView = sizeOfView;
    for (const auto& line : lines)
        list.setOrAppend(ActionList::kAppendRow, line);
    return list;
}

// A collection whose entries are named and hold the given actions, showing its first entry.
inline ActionList collectionOf(const std::vector<std::pair<std::u16string, ActionList>>& entries, int rows = 9)
{
    ActionList collection;
    collection.SizeOfView = rows;
    for (const auto& [name, actions] : entries) {
        collection.setOrAppend(ActionList::kAppendRow, name);
        collection.storeChild(collection.CursorPos, actions);
    }
    collection.ViewStartAt = 0;
    collection.CursorPos = 0;
    return collection;
}
