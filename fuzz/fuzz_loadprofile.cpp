// Arbitrary bytes as a profile file, loaded through a file. Besides crashes, the target stops
// when a failed load changed the profile or a loaded profile doesn't survive a save and a load
// (the checks live in ProfileLoadScenario.h, which the regression test of tests/profilefile
// shares).
#include "ProfileLoadScenario.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (const std::string failure = ProfileLoadScenario::run(data, size); !failure.empty()) {
        std::fprintf(stderr, "fuzz_loadprofile: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
