#include "KeyNameIndex.h"

#include "ProfileTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(KeyNameIndexLines, LineToDeviceInteger)
{
    const auto profile = startedProfile();
    const KeyNameIndex index(*profile);
    const std::pair<const char16_t*, int> cases[] = {
        // Names, with and without the press/release suffix.
        {u"A", 43}, {u"A Down", 43}, {u"A UP", 43}, {u"B", 60}, {u"C", 58},
        {u"Left CONTROL", 67}, {u"Left CONTROL Down", 67}, {u"(Enter)", 107},
        {u"Mouse Key Left", 130}, {u"Power", 77}, {u"Wake Up", 75}, {u"Left Double Click", 199},
        {u"\\", 41}, {u"Play/Pause", 111},
        // Names without a KeyCode, unknown names, wrong case or spacing.
        {u"Left CTRL", 0}, {u"Sleep", 0}, {u"Sleep UP", 0}, {u"-- --", 0}, {u"a", 0},
        {u"A Up", 0}, {u"A DOWN", 0}, {u"A  UP", 0}, {u" A", 0}, {u"", 0}, {u"UP", 0},
        // Delays: the number between "<" and " ms>", read like a C decimal.
        {u"<50 ms>", 50}, {u"<0 ms>", 0}, {u"<65535 ms>", 65535}, {u"< 7 ms>", 7},
        {u"<-12 ms>", -12}, {u"<+3 ms>", 3}, {u"<12abc ms>", 12}, {u"<abc ms>", 0},
        {u"<ms>", 0}, {u"ms>", 0}, {u"A ms>", 0}, {u"xx9 ms>", 0}, {u"x9 ms>", 9},
        {u"<99999999999 ms>", INT_MAX}, {u"<-99999999999 ms>", INT_MIN},
        // Anything containing "ms>" is a delay, even a name-like line.
        {u"A ms> Down", 0},
    };
    for (const auto& [line, expected] : cases) {
        EXPECT_EQ(index.deviceCodeOfItem(line), expected) << std::string(line, line + std::char_traits<char16_t>::length(line));
        EXPECT_EQ(profile->deviceCodeOfItem(line), expected);
    }
}

TEST(KeyNameIndexLines, LowestHostCodeAmongMatchingNamesWins)
{
    // A walk through the names in HostCode order stops at the first entry the line matches,
    // whether the line is that name itself or that name with a suffix.
    KeyboardProfile profile;
    profile.keyNames = {{3, u"Z UP"}, {5, u"Z"}, {7, u"Z UP"}, {9, u"Y Down"}, {11, u"Y"}};
    profile.deviceCodeOfHost[3] = 103;
    profile.deviceCodeOfHost[5] = 105;
    profile.deviceCodeOfHost[7] = 107;
    profile.deviceCodeOfHost[9] = 109;
    profile.deviceCodeOfHost[11] = 111;
    const KeyNameIndex index(profile);
    EXPECT_EQ(index.deviceCodeOfItem(u"Z UP"), 103);
    EXPECT_EQ(index.deviceCodeOfItem(u"Z"), 105);
    EXPECT_EQ(index.deviceCodeOfItem(u"Z Down"), 105);
    EXPECT_EQ(index.deviceCodeOfItem(u"Y Down"), 109);
    EXPECT_EQ(index.deviceCodeOfItem(u"Y UP"), 111);

    profile.keyNames = {{2, u"Q"}, {4, u"Q UP"}};
    profile.deviceCodeOfHost[2] = 102;
    profile.deviceCodeOfHost[4] = 104;
    EXPECT_EQ(KeyNameIndex(profile).deviceCodeOfItem(u"Q UP"), 102);
}

TEST(KeyNameIndexLines, HostCodeOutsideTheCodeTableGivesZero)
{
    KeyboardProfile profile;
    profile.keyNames = {{-4, u"Minus"}, {5000, u"Huge"}};
    const KeyNameIndex index(profile);
    EXPECT_EQ(index.deviceCodeOfItem(u"Minus"), 0);
    EXPECT_EQ(index.deviceCodeOfItem(u"Huge UP"), 0);
}

}  // namespace
