#include "WindowRegistry.h"

#include "WindowMessageReceiver.h"

#include <gtest/gtest.h>

namespace {
struct Window final : WindowMessageReceiver {
    void onWindowMessage(unsigned, std::uintptr_t, std::intptr_t) override {}
};
}  // namespace

TEST(WindowRegistry, HandlesAreNeverZeroAndNeverReused)
{
    Window a;
    Window b;
    const WindowHandle first = WindowRegistry::add(&a);
    WindowRegistry::remove(first);
    const WindowHandle second = WindowRegistry::add(&b);

    EXPECT_NE(first, 0u);
    EXPECT_NE(second, first);
    EXPECT_EQ(WindowRegistry::find(first), nullptr);  // the old number does not reach the new window
    EXPECT_EQ(WindowRegistry::find(second), &b);
    WindowRegistry::remove(second);
}

TEST(WindowRegistry, UnknownNumbersFindNothing)
{
    EXPECT_EQ(WindowRegistry::find(0), nullptr);
    EXPECT_EQ(WindowRegistry::find(~WindowHandle(0)), nullptr);
}
