#include "VersionCommand.h"

#include "CZelkHWI.h"

#include <array>

namespace {

// The keyboard reports its version in printable ASCII; anything else is shown as '?'.
std::string narrow(const char16_t* text)
{
    std::string out;
    for (; *text != u'\0'; ++text) out += (*text >= 0x20 && *text <= 0x7E) ? static_cast<char>(*text) : '?';
    return out;
}

}  // namespace

std::string_view VersionCommand::description() const
{
    return "Prints the firmware version of the connected keyboard.";
}

int VersionCommand::run(const std::vector<std::string>& args, CliContext& context) const
{
    if (!args.empty()) return context.fail("Unexpected argument \"" + args.front() + "\" (see vornictamsk-cli version --help)");
    if (!context.device.__createDev()) return context.fail("Keyboard is not connected");

    std::array<char16_t, CZelkHWI::kVersionChars> version{};
    if (!context.device.ReadKeyboardVersion(version.data()))
        return context.fail("Failed on reading keyboard version infomation");
    version.back() = u'\0';
    context.out << narrow(version.data()) << '\n';
    return 0;
}
