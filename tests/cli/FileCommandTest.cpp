// What every command that takes a FILE shares: its argument checks and its help.
#include "CliTestSupport.h"

namespace {

const char* const kFileCommands[] = {"new", "describe", "encode", "check", "write", "read", "firmware"};

class FileCommandTest : public CliCommandTest {};

TEST_F(FileCommandTest, ArgumentMistakesAreOneLineErrors)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    for (const std::string& command : std::vector<std::string>(std::begin(kFileCommands), std::end(kFileCommands))) {
        const std::string seeHelp = " (see vornictamsk-cli " + command + " --help)";
        const Case cases[] = {
            {{}, "Missing FILE" + seeHelp},
            {{"a.pro", "b.pro"}, "Unexpected argument \"b.pro\"" + seeHelp},
            {{"-x"}, "Unknown option \"-x\"" + seeHelp},
            {{"bad\xFFname.pro"}, "Not a usable file name: \"bad\xFFname.pro\"" + seeHelp},
            {{""}, "Not a usable file name: \"\"" + seeHelp},
        };
        for (const Case& c : cases) {
            std::vector<std::string> args{command};
            args.insert(args.end(), c.args.begin(), c.args.end());
            SCOPED_TRACE(command + " with " + std::to_string(c.args.size()) + " argument(s)");
            EXPECT_FAILS_WITH(run(args), c.message);
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << "no mistake touches a file or the keyboard";
}

TEST_F(FileCommandTest, EachCommandHasItsHelpAndIsListed)
{
    const Outcome tool = run({"--help"});
    for (const std::string& command : std::vector<std::string>(std::begin(kFileCommands), std::end(kFileCommands))) {
        const Outcome help = run({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("Usage: vornictamsk-cli " + command + " FILE\n\n", 0), 0u) << help.out;
        EXPECT_GT(help.out.size(), 60u) << command << " explains itself";
        EXPECT_NE(tool.out.find("\n  " + command + " "), std::string::npos) << tool.out;
    }
}

}  // namespace
