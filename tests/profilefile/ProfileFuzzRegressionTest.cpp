#include "ProfileLoadScenario.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

// Every input the profile loading fuzz target ever failed on, and files that drive the loader
// into its limits (line IDs, key IDs and layers out of range, lists nested too deep), replayed
// through the fuzz target's checks.
TEST(ProfileFuzzRegression, InputsThatOnceFailedOrReachTheLimitsPassNow)
{
    const std::filesystem::path folder = std::filesystem::path(VT_SHARED_TEST_DATA) / "fuzz_loadprofile";
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(ProfileLoadScenario::run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
            << entry.path().filename();
        ++replayed;
    }
    EXPECT_GT(replayed, 0);
}

}  // namespace
