#include "HugePages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void HugePages::prefer([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kSize - 1) & ~(kSize - 1);
    const std::uintptr_t end = (begin + bytes) & ~(kSize - 1);
    // Refused advice (no such support, memory not mapped this way) changes nothing.
    if (end > first && begin + bytes > begin)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
}
