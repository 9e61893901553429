#include "CommandDispatcher.h"

#include "CZelkHWI.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A command that shows what reached it.
class EchoCommand : public CliCommand {
public:
    std::string_view name() const override { return "echo"; }
    std::string_view summary() const override { return "Print the arguments"; }
    std::string_view arguments() const override { return "<word>..."; }
    std::string_view description() const override { return "Prints each argument on a line."; }
    int run(const std::vector<std::string>& args, CliContext& context) const override
    {
        if (args.empty()) return context.fail("Nothing to print");
        for (const std::string& arg : args) context.out << arg << '\n';
        return 0;
    }
};

class LongNamedCommand : public EchoCommand {
public:
    std::string_view name() const override { return "much-longer"; }
    std::string_view summary() const override { return "Also print the arguments"; }
};

const std::string kToolHelp =
    "Usage: vornictamsk-cli <command> [arguments]\n"
    "       vornictamsk-cli <command> --help\n\n"
    "Configures the VornicTamsk keyboard. The simulated keyboard keeps its memory in\n"
    "$XDG_STATE_HOME/vornictamsk/keyboard.state; XDG_STATE_HOME defaults to ~/.local/state.\n\n"
    "Commands:\n"
    "  echo          Print the arguments\n"
    "  much-longer   Also print the arguments\n";

const std::string kEchoHelp = "Usage: vornictamsk-cli echo <word>...\n\nPrints each argument on a line.\n";

struct DispatchCase {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const DispatchCase& c, std::ostream* out) { *out << c.name; }

class CommandDispatcherTest : public testing::TestWithParam<DispatchCase> {};

TEST_P(CommandDispatcherTest, RoutesArgumentsAndReportsStatus)
{
    CommandDispatcher dispatcher;
    dispatcher.add(std::make_unique<EchoCommand>());
    dispatcher.add(std::make_unique<LongNamedCommand>());
    CZelkHWI device;
    std::ostringstream out;
    std::ostringstream err;
    CliContext context{out, err, device, 1};

    EXPECT_EQ(dispatcher.dispatch(GetParam().args, context), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(err.str(), GetParam().err);
}

const std::string kSeeHelp = " (see vornictamsk-cli --help)\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandDispatcherTest,
    testing::Values(
        DispatchCase{"RunsTheCommand", {"echo", "a", "b c"}, 0, "a\nb c\n", ""},
        DispatchCase{"CommandFailure", {"echo"}, 1, "", "Nothing to print\n"},
        DispatchCase{"ToolHelp", {"--help"}, 0, kToolHelp, ""},
        DispatchCase{"ToolHelpShort", {"-h"}, 0, kToolHelp, ""},
        DispatchCase{"HelpWord", {"help"}, 0, kToolHelp, ""},
        DispatchCase{"HelpForCommand", {"help", "echo"}, 0, kEchoHelp, ""},
        DispatchCase{"CommandHelp", {"echo", "--help"}, 0, kEchoHelp, ""},
        DispatchCase{"CommandHelpAmongArguments", {"echo", "a", "-h"}, 0, kEchoHelp, ""},
        DispatchCase{"NoArguments", {}, 1, "", "No command given" + kSeeHelp},
        DispatchCase{"UnknownCommand", {"ehco", "a"}, 1, "", "Unknown command \"ehco\"" + kSeeHelp},
        DispatchCase{"HelpForUnknownCommand", {"help", "nope"}, 1, "", "Unknown command \"nope\"" + kSeeHelp},
        DispatchCase{"UnknownOption", {"--verbose", "echo"}, 1, "", "Unknown option \"--verbose\"" + kSeeHelp},
        DispatchCase{"EmptyCommandName", {""}, 1, "", "Unknown command \"\"" + kSeeHelp}),
    [](const auto& tested) { return std::string(tested.param.name); });

}  // namespace
