#pragma once

#include "KeyboardProfile.h"

#include <array>

// What a profile file holds: the three collections, the lights and the 176 assignments. A
// load fills one of these first and hands it to the profile only when the file was a profile,
// so a file that can't be read leaves the profile as it was.
struct ProfileContent {
    ActionList predefinedCombo;
    ActionList predefinedMacro;
    ActionList predefinedEmulation;
    std::array<KeyLight, KeyboardProfile::kKeyTableSize> keyLights{};
    std::array<KeyAssignment, KeyboardProfile::kEntryCount> assignments;

    // Entries a file does not mention keep these: black lights, kind 0 and the key's own
    // index as code (as after a reset), new action lists.
    ProfileContent();

    // Replaces the profile's collections, lights and assignments with this content.
    void moveInto(KeyboardProfile& profile);
};
