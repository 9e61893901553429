#include "ProfileContent.h"

#include <utility>

ProfileContent::ProfileContent()
{
    for (int key = 0; key < KeyboardProfile::kKeyTableSize; ++key)
        for (int layer = 0; layer < 2; ++layer)
            assignments[static_cast<std::size_t>(KeyboardProfile::entryOf(key, layer))].code = key;
}

void ProfileContent::moveInto(KeyboardProfile& profile)
{
    profile.predefinedCombo = std::move(predefinedCombo);
    profile.predefinedMacro = std::move(predefinedMacro);
    profile.predefinedEmulation = std::move(predefinedEmulation);
    profile.keyLights = keyLights;
    profile.assignments = std::move(assignments);
}
