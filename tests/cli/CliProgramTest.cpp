// Runs the built vornictamsk-cli as a user would, with a state folder of its own.
#include "StateFile.h"
#include "StateFileFormat.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class CliProgramTest : public testing::Test {
protected:
    // Runs the tool with its error stream on a pseudo-terminal; returns what the terminal showed.
    std::string runOnTerminal(const std::vector<std::string>& args) const
    {
        int terminal = -1;
        const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
        if (child == 0) {
            const int out = ::open((dir / "out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, STDOUT_FILENO);
            ::setenv("XDG_STATE_HOME", stateHome().c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(VT_CLI_PROGRAM)};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(VT_CLI_PROGRAM, argv.data());
            ::_exit(127);
        }
        std::string shown;
        if (child < 0) return shown;
        char buffer[4096];
        for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;) shown.append(buffer, static_cast<std::size_t>(n));
        ::close(terminal);
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << shown;
        return shown;
    }

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
    for (const char* args : {"", "nonsense", "--nonsense", "version extra", "describe", "describe /nonexistent.pro",
                             "new /nonexistent/a.pro", "firmware /nonexistent.bin"}) {
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
    EXPECT_NE(tool.out.find("\n  version    Print the keyboard's firmware version\n"), std::string::npos) << tool.out;
    EXPECT_EQ(tool.err, "");

    Outcome command = run("version --help");
    EXPECT_EQ(command.status, 0);
    EXPECT_EQ(command.out.rfind("Usage: vornictamsk-cli version\n", 0), 0u) << command.out;
}

TEST_F(CliProgramTest, NewDescribeAndEncodeOfProfileFiles)
{
    const std::string file = (dir / "new.pro").string();
    EXPECT_EQ(run("new '" + file + "'").status, 0);
    const std::string fresh = readFile(file);
    EXPECT_EQ(fresh.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<VornicTamsk>\r\n", 0), 0u);
    EXPECT_EQ(std::count(fresh.begin(), fresh.end(), '\n'), 973);

    for (const char* command : {"describe", "encode"}) {
        Outcome empty = run(std::string(command) + " '" + file + "'");
        EXPECT_EQ(empty.status, 0) << command;
        EXPECT_EQ(empty.out, "") << command;
        EXPECT_EQ(empty.err, "") << command;
    }

    const std::string handMade = VT_SHARED_TEST_DATA "/profiles/handmade";
    Outcome described = run("describe '" + handMade + ".pro'");
    EXPECT_EQ(described.status, 0);
    EXPECT_EQ(described.out, readFile(handMade + ".describe"));
    Outcome encoded = run("encode '" + handMade + ".pro'");
    EXPECT_EQ(encoded.status, 0);
    EXPECT_EQ(encoded.out, readFile(handMade + ".encode"));
}

TEST_F(CliProgramTest, CheckOfABrokenFileFails)
{
    writeFile(dir / "broken.pro", "<?xml version=\"1.0\"?>\n<VornicTamsk><KEY></VornicTamsk>\n");
    Outcome outcome = run("check '" + (dir / "broken.pro").string() + "'");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("<unended_start_tag tagname=\"KEY\""), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.err, "\"" + (dir / "broken.pro").string() + "\" is not well-formed XML\n");
}

TEST_F(CliProgramTest, WriteThenReadThroughTheSimulatedKeyboard)
{
    const std::string handMade = VT_SHARED_TEST_DATA "/profiles/handmade";
    Outcome written = run("write '" + handMade + ".pro'");
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    EXPECT_EQ(written.err, "") << "no progress bar when the output is not a terminal";
    EXPECT_TRUE(std::filesystem::exists(stateHome() / "vornictamsk" / "keyboard.state"));

    const std::string back = (dir / "back.pro").string();
    Outcome read = run("read '" + back + "'");
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.err, "");
    EXPECT_EQ(run("encode '" + back + "'").out, readFile(handMade + ".encode"));
}

TEST_F(CliProgramTest, LongOperationsDrawTheProgressBarOnATerminal)
{
    const std::string shown = runOnTerminal({"write", VT_SHARED_TEST_DATA "/profiles/handmade.pro"});
    EXPECT_NE(shown.find("\r[----------------------------------------]   0%"), std::string::npos) << shown;
    EXPECT_NE(shown.find("\r[########################################] 100%\r\n"), std::string::npos) << shown;
    EXPECT_EQ(readFile(dir / "out"), "");
}

}  // namespace
