// Runs the built vornictamsk-cli as a user would, with a state folder of its own.
#include "StateFile.h"
#include "StateFileFormat.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class CliProgramTest : public testing::Test {
protected:
    Outcome run(const std::string& args) const
    {
        const std::string command = "XDG_STATE_HOME='" + stateHome().string() + "' '" VT_CLI_PROGRAM "' " + args
            + " >'" + (dir / "out").string() + "' 2>'" + (dir / "err").string() + "' </dev/null";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
    }

    std::filesystem::path stateHome() const { return dir / "state"; }

    TempDir dir;
};

TEST_F(CliProgramTest, VersionFollowsTheStateFileUnderXdgStateHome)
{
    Outcome fresh = run("version");
    EXPECT_EQ(fresh.status, 0);
    EXPECT_EQ(fresh.out, "VT87 V1.0.4\n");
    EXPECT_EQ(fresh.err, "");
    EXPECT_FALSE(std::filesystem::exists(stateHome())) << "reading the version must not create state";

    KeyboardState state;
    state.version = "VT87 V9.9.9-test";
    ASSERT_TRUE(StateFile(stateHome() / "vornictamsk" / "keyboard.state").save(state));
    Outcome updated = run("version");
    EXPECT_EQ(updated.status, 0);
    EXPECT_EQ(updated.out, "VT87 V9.9.9-test\n");
}

TEST_F(CliProgramTest, ErrorsAreOneLineWithStatusOne)
{
    for (const char* args : {"", "nonsense", "--nonsense", "version extra"}) {
        Outcome outcome = run(args);
        EXPECT_EQ(outcome.status, 1) << args;
        EXPECT_EQ(outcome.out, "") << args;
        ASSERT_FALSE(outcome.err.empty()) << args;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << args << ": " << outcome.err;
    }
}

TEST_F(CliProgramTest, HelpListsTheCommands)
{
    Outcome tool = run("--help");
    EXPECT_EQ(tool.status, 0);
    EXPECT_NE(tool.out.find("\n  version   Print the keyboard's firmware version\n"), std::string::npos) << tool.out;
    EXPECT_EQ(tool.err, "");

    Outcome command = run("version --help");
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out.rfind("Usage: vornictamsk-cli version\n", 0), 0u) << command.out;
}

}  // namespace
