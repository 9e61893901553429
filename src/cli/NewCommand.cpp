#include "NewCommand.h"

#include "KeyboardProfile.h"

std::string_view NewCommand::description() const
{
    return "Saves a freshly reset profile to FILE: every key on both layers not set, every\n"
           "light black, the three collections empty. An existing FILE is replaced.";
}

int NewCommand::runOnFile(const File& file, CliContext& context) const
{
    if (!freshProfile()->saveProfileFile(file.path))
        return failToSave(file, context);
    return 0;
}
