#include "WriteCommand.h"

#include "DeviceTransfer.h"
#include "KeyboardProfile.h"
#include "KeyboardState.h"

namespace {

// The first key whose light the keyboard would refuse, or 0. A profile file may carry any
// number; the keyboard refuses the whole light array for one bad value.
int keyWithBadLight(const KeyboardProfile& profile)
{
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        const KeyLight& light = profile.keyLights[static_cast<std::size_t>(key)];
        if (!KeyboardState::validLight(light.Red) || !KeyboardState::validLight(light.Green) ||
            !KeyboardState::validLight(light.Blue))
            return key;
    }
    return 0;
}

}  // namespace

std::string_view WriteCommand::description() const
{
    return "Loads the profile file FILE and writes the assignments of both layers, then the\n"
           "backlight, into the keyboard. Keys that are not set in FILE are cleared in the\n"
           "keyboard.";
}

int WriteCommand::runOnFile(const File& file, CliContext& context) const
{
    const auto profile = loadProfile(file, context);
    if (!profile)
        return 1;
    if (const int key = keyWithBadLight(*profile))
        return context.fail("The light of key " + std::to_string(key) + " in \"" + file.name + "\" is outside 0 to 255");
    if (!context.device.__createDev())
        return context.fail("Keyboard is not connected");

    DeviceTransfer<CZelkHWI> transfer(*profile, context.device);
    if (!transfer.writeKeys(context.progressWindow))
        return context.fail("Failed on writing the keys into the keyboard");
    if (!transfer.writeLights())
        return context.fail("Failed on writing the lights into the keyboard");
    return 0;
}
