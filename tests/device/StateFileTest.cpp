#include "StateFile.h"

#include "StateFileFormat.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

// Sets or unsets an environment variable for one scope and puts the old value back after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct DefaultPathCase {
    const char* name;
    std::optional<std::string> stateHome;
    std::string expected;
};

void PrintTo(const DefaultPathCase& c, std::ostream* out) { *out << c.name; }

class StateFileDefaultPath : public testing::TestWithParam<DefaultPathCase> {};

TEST_P(StateFileDefaultPath, FollowsXdgStateHome)
{
    ScopedEnv home("HOME", "/home/tester");
    ScopedEnv stateHome("XDG_STATE_HOME", GetParam().stateHome);
    EXPECT_EQ(StateFile::defaultPath(), std::filesystem::path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StateFileDefaultPath,
    testing::Values(
        DefaultPathCase{"Absolute", "/var/state", "/var/state/vornictamsk/keyboard.state"},
        DefaultPathCase{"Unset", std::nullopt, "/home/tester/.local/state/vornictamsk/keyboard.state"},
        DefaultPathCase{"Empty", "", "/home/tester/.local/state/vornictamsk/keyboard.state"},
        DefaultPathCase{"Relative", "relative/state", "/home/tester/.local/state/vornictamsk/keyboard.state"}),
    [](const auto& tested) { return std::string(tested.param.name); });

KeyboardState sampleState()
{
    KeyboardState state;
    state.version = "VT87 V2.0.0";
    state.lights.fill(17);
    state.keys[0][10] = {0, 1, 70};
    state.keys[1][20] = {1, 30, 2, 43, 60};
    return state;
}

TEST(StateFile, SaveCreatesTheFolderAndLoadReadsItBack)
{
    TempDir dir;
    StateFile file(dir / "deeper/still/keyboard.state");
    ASSERT_TRUE(file.save(sampleState()));
    EXPECT_EQ(file.load(), sampleState());
}

TEST(StateFile, SaveReplacesTheFileAndLeavesNoTemporaryBehind)
{
    TempDir dir;
    StateFile file(dir / "keyboard.state");
    ASSERT_TRUE(file.save(KeyboardState{}));
    ASSERT_TRUE(file.save(sampleState()));
    EXPECT_EQ(file.load(), sampleState());
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(StateFile, UnreadableContentLoadsAsAnEmptyKeyboard)
{
    TempDir dir;
    const std::string valid = StateFileFormat::format(sampleState());
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"missing", std::nullopt},
        {"empty", ""},
        {"truncated", valid.substr(0, valid.size() / 2)},
        {"garbage", "\x7f" "ELF binary data\n"},
    };
    for (const auto& [name, content] : cases) {
        std::filesystem::path path = dir / name;
        if (content) writeFile(path, *content);
        EXPECT_EQ(StateFile(path).load(), KeyboardState{}) << name;
    }
    EXPECT_EQ(StateFile(dir.path()).load(), KeyboardState{}) << "a folder";
}

TEST(StateFile, FailedSaveReportsFalseAndLeavesNothingBehind)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "occupied");
    EXPECT_FALSE(StateFile(dir / "occupied").save(sampleState()));

    writeFile(dir / "plain-file", "x");
    EXPECT_FALSE(StateFile(dir / "plain-file/keyboard.state").save(sampleState()));

    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);
    EXPECT_EQ(readFile(dir / "plain-file"), "x");
}

}  // namespace
