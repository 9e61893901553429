#pragma once

#include "ActionList.h"
#include "KeyboardProfile.h"

#include <vector>
#include <memory>
#include <string>

// A profile as the program has it once the main window is open: catalogue filled, reset.
inline std::unique_ptr<KeyboardProfile> startedProfile()
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    return profile;
}

// An action list built the way the editors build one: line by line, appended.
inline ActionList listOf(const std::vector<std::u16string>& lines, int sizeOfView = 9)
{
    ActionList list;
    list.SizeOfView = sizeOfView;
    for (const auto& line : lines)
        list.setOrAppend(ActionList::kAppendRow, line);
    return list;
}

inline std::u16string widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}
