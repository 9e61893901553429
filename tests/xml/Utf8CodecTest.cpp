#include "Utf8Codec.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <random>
#include <string>
#include <string_view>

namespace {

using namespace std::string_view_literals;

std::u16string decode(std::string_view bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    UnitWriter<char16_t> counter(nullptr, 0);
    Utf8Codec::toUtf16(data, bytes.size(), counter);
    std::u16string text(counter.count(), u'\0');
    UnitWriter<char16_t> out(text.data(), text.size());
    Utf8Codec::toUtf16(data, bytes.size(), out);
    EXPECT_EQ(out.count(), counter.count());
    EXPECT_FALSE(out.full());
    EXPECT_EQ(Utf8Codec::toUtf16(bytes), text);
    return text;
}

std::string encode(std::u16string_view text)
{
    UnitWriter<unsigned char> counter(nullptr, 0);
    Utf8Codec::fromUtf16(text.data(), text.size(), counter);
    std::string bytes(counter.count(), '\0');
    UnitWriter<unsigned char> out(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    Utf8Codec::fromUtf16(text.data(), text.size(), out);
    EXPECT_EQ(out.count(), counter.count());
    EXPECT_EQ(Utf8Codec::toUtf8(text), bytes);
    return bytes;
}

// glibc's converter as the reference for well-formed text.
std::string iconvConvert(const char* to, const char* from, std::string_view input)
{
    iconv_t descriptor = iconv_open(to, from);
    std::string output(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* out = output.data();
    std::size_t outLeft = output.size();
    EXPECT_NE(iconv(descriptor, &in, &inLeft, &out, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(descriptor);
    output.resize(output.size() - outLeft);
    return output;
}

std::string rawBytes(std::u16string_view text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// ASCII runs of every length around the block size, mixed with characters of every UTF-8
// length, so block copies start and stop at every offset.
std::u16string randomText(std::mt19937& random, std::size_t units)
{
    static const char32_t kSamples[] = {0xE9, 0x7FF, 0x800, 0x4E2D, 0xFFFD, 0xFFFF, 0x10000,
                                        0x1F600, 0x10FFFF};
    std::u16string text;
    while (text.size() < units) {
        const std::size_t run = random() % 40;
        for (std::size_t i = 0; i < run; ++i) text += static_cast<char16_t>(0x20 + random() % 0x5F);
        const char32_t c = kSamples[random() % std::size(kSamples)];
        if (c < 0x10000) {
            text += static_cast<char16_t>(c);
        } else {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return text;
}

TEST(Utf8Codec, MatchesGlibcOnWellFormedText)
{
    std::mt19937 random(20240611);
    for (std::size_t units : {0u, 1u, 15u, 16u, 17u, 33u, 500u, 5000u}) {
        for (int round = 0; round < 20; ++round) {
            const std::u16string text = randomText(random, units);
            const std::string utf8 = iconvConvert("UTF-8", "UTF-16LE", rawBytes(text));
            ASSERT_EQ(encode(text), utf8);
            ASSERT_EQ(decode(utf8), text);
        }
    }
}

TEST(Utf8Codec, EachMaximalBadSubsequenceBecomesOneReplacement)
{
    const struct {
        const char* what;
        std::string_view bytes;
        std::u16string_view text;
    } cases[] = {
        {"stray continuation", "a\x80z"sv, u"a\uFFFDz"},
        {"cut at the end", "a\xC3"sv, u"a\uFFFD"},
        {"missing continuation", "\xC3z"sv, u"\uFFFDz"},
        {"three-byte form cut short", "\xE4\xB8z"sv, u"\uFFFDz"},
        {"four-byte form cut at the end", "\xF0\x9F\x98"sv, u"\uFFFD"},
        {"overlong two-byte", "\xC0\x80"sv, u"\uFFFD\uFFFD"},
        {"overlong three-byte", "\xE0\x80\x80"sv, u"\uFFFD\uFFFD\uFFFD"},
        {"overlong four-byte", "\xF0\x8F\xBF\xBF"sv, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80"sv, u"\uFFFD\uFFFD\uFFFD"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80"sv, u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"never-valid bytes", "\xF5\xFF\xFE"sv, u"\uFFFD\uFFFD\uFFFD"},
        {"bad byte inside an ASCII block", "0123456789abcde\xFF" "0123456789abcdef"sv,
         u"0123456789abcde\uFFFD0123456789abcdef"},
        {"edges of the valid ranges", "\xE0\xA0\x80\xED\x9F\xBF\xF4\x8F\xBF\xBF"sv,
         u"\u0800\uD7FF\U0010FFFF"},
        {"zero bytes are characters", "a\0b"sv, std::u16string_view(u"a\0b", 3)},
    };
    for (const auto& c : cases) EXPECT_EQ(decode(c.bytes), c.text) << c.what;
}

TEST(Utf8Codec, SurrogateHalvesSplitAndJoinEveryCodePointBeyondTheBmp)
{
    struct Case {
        char32_t codePoint;
        char16_t high;
        char16_t low;
    };
    constexpr Case cases[] = {
        {0x10000, 0xD800, 0xDC00},
        {0x103FF, 0xD800, 0xDFFF},
        {0x10400, 0xD801, 0xDC00},
        {0x1F600, 0xD83D, 0xDE00},
        {0x10FFFF, 0xDBFF, 0xDFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8Codec::highSurrogateOf(c.codePoint), c.high) << std::hex << +c.codePoint;
        EXPECT_EQ(Utf8Codec::lowSurrogateOf(c.codePoint), c.low) << std::hex << +c.codePoint;
        EXPECT_EQ(Utf8Codec::joinSurrogates(c.high, c.low), c.codePoint) << std::hex << +c.codePoint;
    }
    for (char32_t c = 0x10000; c <= 0x10FFFF; ++c) {
        const char16_t high = Utf8Codec::highSurrogateOf(c);
        const char16_t low = Utf8Codec::lowSurrogateOf(c);
        ASSERT_TRUE(Utf8Codec::isHighSurrogate(high)) << std::hex << +c;
        ASSERT_TRUE(Utf8Codec::isLowSurrogate(low)) << std::hex << +c;
        ASSERT_EQ(Utf8Codec::joinSurrogates(high, low), c) << std::hex << +c;
    }
}

TEST(Utf8Codec, LoneSurrogatesBecomeReplacements)
{
    const struct {
        std::u16string_view text;
        std::string_view bytes;
    } cases[] = {
        {u"a\xD800z", "a\xEF\xBF\xBDz"sv},
        {u"a\xD800", "a\xEF\xBF\xBD"sv},
        {u"\xDC00z", "\xEF\xBF\xBDz"sv},
        {u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"sv},
        {u"\xD83D\xDE00", "\xF0\x9F\x98\x80"sv},
    };
    for (const auto& c : cases) EXPECT_EQ(encode(c.text), c.bytes);
}

TEST(Utf8Codec, LargeAsciiTextRoundTrips)
{
    std::string bytes(1 << 20, 'x');
    for (std::size_t i = 0; i < bytes.size(); i += 997) bytes[i] = static_cast<char>('A' + i % 26);
    bytes.replace(bytes.size() / 2, 3, "\xE4\xB8\xAD");
    const std::u16string text = decode(bytes);
    EXPECT_EQ(text.size(), bytes.size() - 2);
    EXPECT_EQ(text[bytes.size() / 2], u'\u4E2D');
    EXPECT_EQ(encode(text), bytes);
}

}  // namespace
