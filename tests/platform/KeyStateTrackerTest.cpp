#include "KeyStateTracker.h"

#include <gtest/gtest.h>

namespace {

constexpr int kDown = static_cast<std::int16_t>(0x8000);

TEST(KeyStateTrackerTest, PressSetsTheDownBitAndFlipsTheToggleOncePerPress)
{
    KeyStateTracker keys;
    EXPECT_EQ(keys.state(160), 0);
    keys.press(160);
    EXPECT_EQ(keys.state(160), kDown | 1);
    EXPECT_LT(keys.state(160), 0) << "a 16-bit state widened with its sign";
    keys.press(160);  // a repeat, or the same event seen twice
    EXPECT_EQ(keys.state(160), kDown | 1);
    keys.release(160);
    EXPECT_EQ(keys.state(160), 1);
    keys.release(160);
    EXPECT_EQ(keys.state(160), 1);
    keys.press(160);
    keys.release(160);
    EXPECT_EQ(keys.state(160), 0);
    EXPECT_FALSE(keys.isDown(160));
    EXPECT_EQ(keys.state(161), 0) << "the other side is untouched";
}

TEST(KeyStateTrackerTest, ReleaseAllLiftsEveryKeyAndKeepsTheToggles)
{
    KeyStateTracker keys;
    keys.press(160);
    keys.press(20);
    keys.release(20);
    keys.press(20);
    keys.releaseAll();
    EXPECT_EQ(keys.state(160), 1);
    EXPECT_EQ(keys.state(20), 0);
    EXPECT_FALSE(keys.isDown(160));
}

TEST(KeyStateTrackerTest, CodesOutsideTheTableAreNeitherStoredNorDown)
{
    KeyStateTracker keys;
    for (int vk : {-1, 256, 100000}) {
        keys.press(vk);
        EXPECT_EQ(keys.state(vk), 0) << vk;
    }
    keys.press(255);
    EXPECT_TRUE(keys.isDown(255));
}

}  // namespace
