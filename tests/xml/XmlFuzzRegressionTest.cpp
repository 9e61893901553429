#include "XmlFuzzScenario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Every input the SetText fuzz target ever failed on, replayed through the same checks.
TEST(XmlFuzzRegression, InputsThatOnceFailedPassNow)
{
    const std::filesystem::path folder = std::filesystem::path(VT_SHARED_TEST_DATA) / "fuzz_settext";
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(XmlFuzzScenario::run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
            << entry.path().filename();
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
