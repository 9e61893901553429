#include "ReadCommand.h"

#include "DeviceTransfer.h"
#include "KeyboardProfile.h"

std::string_view ReadCommand::description() const
{
    return "Reads the assignments of both layers and the backlight from the keyboard and saves\n"
           "them as the profile file FILE, with empty collections. An existing FILE is\n"
           "replaced only when everything was read and saved.";
}

int ReadCommand::runOnFile(const File& file, CliContext& context) const
{
    if (!context.device.__createDev())
        return context.fail("Keyboard is not connected");
    const auto profile = freshProfile();
    DeviceTransfer<CZelkHWI> transfer(*profile, context.device);
    if (!transfer.readKeys(context.progressWindow))
        return context.fail("Failed on reading the keys from the keyboard");
    if (!transfer.readLights())
        return context.fail("Failed on reading the lights from the keyboard");
    if (!profile->saveProfileFile(file.path))
        return failToSave(file, context);
    return 0;
}
