#include "IsUtf8.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

struct Case {
    const char* what;
    std::string_view bytes;
    bool utf8;
    int sequences;
    bool failedAtEnd;
};

const Case kCases[] = {
    {"empty", ""sv, true, 0, false},
    {"plain ASCII", "<?xml version=\"1.0\"?>"sv, true, 0, false},
    {"two-byte form", "caf\xC3\xA9"sv, true, 1, false},
    {"three-byte forms", "\xE4\xB8\xAD\xE6\x96\x87"sv, true, 2, false},
    {"four-byte form", "\xF0\x9F\x98\x80!"sv, true, 1, false},
    {"overlong form is not rejected", "\xC0\x80"sv, true, 1, false},
    {"surrogate is not rejected", "\xED\xA0\x80"sv, true, 1, false},
    {"lead judged by bit 5 only", "\x80\x80"sv, true, 1, false},
    {"lead 0xB7 takes three more", "\xB7\x80\x80\x80"sv, true, 1, false},
    {"zero byte ends the scan", "ab\0\xFF"sv, true, 0, false},
    {"bits 5, 4 and 3 set", "\xF8\x80\x80\x80"sv, false, 1, false},
    {"lead 0xBF is invalid", "a\xBF"sv, false, 1, false},
    {"invalid lead as last byte", "ab\xFF"sv, false, 1, false},
    {"0xE9 before an ASCII letter", "\xE9t\xE9"sv, false, 1, false},
    {"following byte without top bit", "\xC3\xA9\xE4\xB8x"sv, false, 2, false},
    {"zero as a following byte", "\xC3\0"sv, false, 1, false},
    {"ends inside a two-byte form", "ab\xC3"sv, false, 1, true},
    {"ends inside a four-byte form", "\xC3\xA9\xF0\x9F\x98"sv, false, 2, true},
};

TEST(IsUtf8, Cases)
{
    for (const Case& c : kCases) {
        int sequences = -1;
        bool atEnd = !c.failedAtEnd;
        const auto* bytes = reinterpret_cast<const unsigned char*>(c.bytes.data());
        EXPECT_EQ(IsUtf8(bytes, c.bytes.size(), &sequences, &atEnd), c.utf8) << c.what;
        EXPECT_EQ(sequences, c.sequences) << c.what;
        EXPECT_EQ(atEnd, c.failedAtEnd) << c.what;
        EXPECT_EQ(IsUtf8(bytes, c.bytes.size()), c.utf8) << c.what << " (no outputs)";
    }
}

TEST(IsUtf8, LengthLimitsTheScan)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>("\xC3\xA9\xFF");
    bool atEnd = false;
    EXPECT_FALSE(IsUtf8(bytes, 1, nullptr, &atEnd));
    EXPECT_TRUE(atEnd);
    EXPECT_TRUE(IsUtf8(bytes, 2, nullptr, &atEnd));
    EXPECT_FALSE(atEnd);
    EXPECT_TRUE(IsUtf8(nullptr, 0));
}

}  // namespace
