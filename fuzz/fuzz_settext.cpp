// Arbitrary bytes as a document's text, then walking, reading and editing it. Besides
// crashes, the target stops on an index that no longer matches its text, on escaping that
// doesn't round-trip and on a broken report (the checks live in XmlFuzzScenario.h, which
// the regression test of tests/xml shares).
#include "XmlFuzzScenario.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (const std::string failure = XmlFuzzScenario::run(data, size); !failure.empty()) {
        std::fprintf(stderr, "fuzz_settext: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
