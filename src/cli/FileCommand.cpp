#include "FileCommand.h"

#include "FilePath.h"
#include "KeyboardProfile.h"
#include "Utf8Codec.h"

int FileCommand::run(const std::vector<std::string>& args, CliContext& context) const
{
    if (args.empty())
        return usageError("Missing FILE", context);
    if (args.size() > 1)
        return usageError("Unexpected argument \"" + args[1] + "\"", context);
    const std::string& name = args.front();
    if (name.size() > 1 && name.front() == '-')
        return usageError("Unknown option \"" + name + "\"", context);
    const std::optional<std::u16string> path = FilePath::fromNative(name);
    if (!path || path->empty())
        return usageError("Not a usable file name: \"" + name + "\"", context);
    return runOnFile(File{name, *path}, context);
}

int FileCommand::usageError(const std::string& message, CliContext& context) const
{
    return context.fail(message + " (see vornictamsk-cli " + std::string(name()) + " --help)");
}

std::unique_ptr<KeyboardProfile> FileCommand::freshProfile()
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    return profile;
}

std::unique_ptr<KeyboardProfile> FileCommand::loadProfile(const File& file, CliContext& context)
{
    auto profile = freshProfile();
    if (profile->loadProfileFile(file.path))
        return profile;
    context.fail("Can't open the profile file \"" + file.name + "\"");
    return nullptr;
}

int FileCommand::failToSave(const File& file, CliContext& context)
{
    return context.fail("Can't save the profile file \"" + file.name + "\"");
}

std::string FileCommand::outputText(std::u16string_view text)
{
    std::u16string shown(text);
    for (char16_t& c : shown)
        if (c < 0x20 || c == 0x7F)
            c = u' ';
    return Utf8Codec::toUtf8(shown);
}
