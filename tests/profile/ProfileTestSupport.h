#pragma once

#include "ActionList.h"
#include "ActionListBuilders.h"
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

inline std::u16string widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}
