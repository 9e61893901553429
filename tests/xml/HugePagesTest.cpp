#include "HugePages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace {

// The advice may be taken or not; either way the memory keeps working as memory, and odd
// ranges (empty, smaller than a huge page, reaching the top of the address space) are harmless.
TEST(HugePages, AdviceLeavesMemoryAsItWas)
{
    const std::size_t bytes = 3 * HugePages::kSize + 12345;
    const auto buffer = std::make_unique<unsigned char[]>(bytes);
    for (std::size_t i = 0; i < bytes; i += 4096)
        buffer[i] = static_cast<unsigned char>(i >> 12);
    HugePages::prefer(buffer.get(), bytes);
    HugePages::prefer(buffer.get() + 1, 100);
    HugePages::prefer(nullptr, 0);
    HugePages::prefer(reinterpret_cast<const void*>(UINTPTR_MAX - 10), 1000);
    for (std::size_t i = 0; i < bytes; i += 4096)
        ASSERT_EQ(buffer[i], static_cast<unsigned char>(i >> 12)) << i;
    for (std::size_t i = 0; i < bytes; ++i)
        buffer[i] = static_cast<unsigned char>(i * 7);
    for (std::size_t i = 0; i < bytes; ++i)
        ASSERT_EQ(buffer[i], static_cast<unsigned char>(i * 7)) << i;
}

}  // namespace
