#include "FilePath.h"

#include <gtest/gtest.h>

namespace {

TEST(FilePath, NamesTravelAsUtf8)
{
    const std::u16string name = u"/tmp/配置 & co/é.pro";
    const std::string bytes = "/tmp/\xE9\x85\x8D\xE7\xBD\xAE & co/\xC3\xA9.pro";
    EXPECT_EQ(FilePath::toNative(name), bytes);
    EXPECT_EQ(FilePath::fromNative(bytes), name);
    EXPECT_EQ(FilePath::fromNative("\xF0\x9F\x98\x80"), std::u16string(u"\U0001F600"));
}

TEST(FilePath, NamesThatCantNameAFileAreRefused)
{
    EXPECT_EQ(FilePath::toNative(u""), "");
    EXPECT_EQ(FilePath::toNative(std::u16string(u"a\0b", 3)), "");
    for (const std::string& bytes : {std::string("a\xFF"), std::string("\xC0\xAF"), std::string("\xE9\x85"),
                                     std::string("\xED\xA0\x80"), std::string("a\0b", 3)})
        EXPECT_EQ(FilePath::fromNative(bytes), std::nullopt) << bytes;
}

}  // namespace
