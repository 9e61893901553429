#pragma once

#include "CZelkHWI.h"
#include "CliTool.h"
#include "SimulatedKeyboard.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// The tool run through its entry function against a simulated keyboard of the test's own,
// instant and kept in the test's folder.
class CliCommandTest : public testing::Test {
protected:
    struct Outcome {
        int status;
        std::string out;
        std::string err;
    };

    CliCommandTest()
    {
        device.simulator().setStatePath(dir / "keyboard.state");
        device.simulator().setInstant();
    }

    Outcome run(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = runCli(args, out, err, device);
        return {status, out.str(), err.str()};
    }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    static std::string dataFile(const std::string& name) { return std::string(VT_SHARED_TEST_DATA "/profiles/") + name; }

    TempDir dir;
    CZelkHWI device;
};

// A failure as every command reports one: nothing on the output, one line on the error stream.
#define EXPECT_FAILS_WITH(outcome, message)   \
    do {                                      \
        const auto& o_ = (outcome);           \
        EXPECT_EQ(o_.status, 1);              \
        EXPECT_EQ(o_.out, "");                \
        EXPECT_EQ(o_.err, std::string(message) + "\n"); \
    } while (false)
