#include "TextConverter.h"

#include "EncodingTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

// The unit TextConverter reads and writes for an encoding name.
std::size_t unitSizeOf(std::u16string_view encoding)
{
    switch (EncodingTable::codePageOf(encoding)) {
    case EncodingTable::kUtf32: return 4;
    case EncodingTable::kUtf16: return 2;
    default: return 1;
    }
}

// Encoding names for failure messages.
std::string narrow(std::u16string_view name)
{
    return std::string(name.begin(), name.end());
}

// One conversion of raw source memory; units are counted in the source encoding's unit.
struct Conversion {
    std::u16string from;
    std::string source;
    std::u16string to;
};

// Text as the raw memory a converter reads.
std::string raw(std::u16string_view text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

std::string raw(std::u32string_view text)
{
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 4);
}

struct Outcome {
    std::string bytes;  // the target units as raw memory
    bool lossy = false;
};

// Counts, then converts into exactly the counted room; both must agree.
Outcome run(const Conversion& c)
{
    const std::size_t sourceUnits = c.source.size() / unitSizeOf(c.from);
    const std::size_t unit = unitSizeOf(c.to);
    TextConverter counter(c.from, c.source.data(), sourceUnits);
    const std::size_t counted = counter.convert(nullptr, 0, c.to);
    std::vector<char32_t> buffer(counted + 1);  // char32_t keeps any unit aligned
    TextConverter converter(c.from, c.source.data(), sourceUnits);
    const std::size_t written = converter.convert(buffer.data(), counted, c.to);
    EXPECT_EQ(written, counted);
    EXPECT_EQ(converter.targetCount, written);
    EXPECT_EQ(converter.targetEncoding, c.to);
    EXPECT_EQ(converter.lossy, counter.lossy);
    EXPECT_FALSE(converter.truncated);
    return {std::string(reinterpret_cast<const char*>(buffer.data()), written * unit),
            converter.lossy};
}

std::string toBytes(std::u16string_view text, std::u16string_view encoding, bool* lossy = nullptr)
{
    const Outcome outcome = run({u"UTF-16", raw(text), std::u16string(encoding)});
    if (lossy) *lossy = outcome.lossy;
    return outcome.bytes;
}

std::u16string toUtf16(std::string_view bytes, std::u16string_view encoding)
{
    const Outcome outcome = run({std::u16string(encoding), std::string(bytes), u"UTF-16"});
    EXPECT_FALSE(outcome.lossy);
    std::u16string text(outcome.bytes.size() / 2, u'\0');
    std::memcpy(text.data(), outcome.bytes.data(), outcome.bytes.size());
    return text;
}

TEST(TextConverter, RoundTrips)
{
    const struct {
        std::u16string_view encoding;
        std::u16string_view text;
        std::string_view bytes;
    } cases[] = {
        {u"utf-8", u"caf\u00E9 \u4E2D \U0001F600", "caf\xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80"sv},
        {u"iso-8859-1", u"caf\u00E9 \u00FF", "caf\xE9 \xFF"sv},
        {u"windows-1252", u"\u00E9\u20AC\u201C", "\xE9\x80\x93"sv},
        {u"gbk", u"\u4E2D\u6587 ok", "\xD6\xD0\xCE\xC4 ok"sv},
        {u"GB2312", u"\u4E2D\u6587", "\xD6\xD0\xCE\xC4"sv},
        {u"gb18030", u"\u4E2D\u6587\U0001F600", "\xD6\xD0\xCE\xC4\x94\x39\xFC\x36"sv},
        {u"big5", u"\u4E2D\u6587", "\xA4\xA4\xA4\xE5"sv},
        {u"shift_jis", u"\u65E5\u672C\u8A9E", "\x93\xFA\x96\x7B\x8C\xEA"sv},
        {u"iso-2022-jp", u"\u65E5\u672C\u8A9E", "\x1B$BF|K\\8l\x1B(B"sv},
        {u"ks_c_5601-1987", u"\uD55C\uAD6D\uC5B4", "\xC7\xD1\xB1\xB9\xBE\xEE"sv},
        {u"koi8-r", u"\u041F\u0440\u0438", "\xF0\xD2\xC9"sv},
        // glibc holds back the last Hebrew letter for a possible point; it must still arrive.
        {u"windows-1255", u"\u05D0\u05D1", "\xE0\xE1"sv},
        {u"utf-7", u"A\u2262\u0391.", "A+ImIDkQ."sv},
        {u"utf-16be", u"A\u00E9\U0001F600", "\0A\0\xE9\xD8\x3D\xDE\x00"sv},
        {u"us-ascii", u"plain", "plain"sv},
    };
    for (const auto& c : cases) {
        bool lossy = true;
        EXPECT_EQ(toBytes(c.text, c.encoding, &lossy), c.bytes) << narrow(c.encoding);
        EXPECT_FALSE(lossy) << narrow(c.encoding);
        EXPECT_EQ(toUtf16(c.bytes, c.encoding), c.text) << narrow(c.encoding);
    }
}

TEST(TextConverter, UnrepresentableCharactersBecomeQuestionMarks)
{
    const struct {
        const char* what;
        std::u16string_view encoding;
        std::u16string_view text;
        std::string_view bytes;
        bool lossy;
    } cases[] = {
        {"euro in Latin-1", u"iso-8859-1", u"a\u20ACb", "a?b"sv, true},
        {"pair in Latin-1 is one character", u"iso-8859-1", u"a\U0001F600b", "a?b"sv, true},
        {"accent in ASCII", u"us-ascii", u"caf\u00E9", "caf?"sv, true},
        {"Chinese in windows-1252", u"windows-1252", u"x\u4E2Dy\u4E2D", "x?y?"sv, true},
        {"lone surrogate inside", u"windows-1252", u"x\xD800y", "x?y"sv, true},
        {"lone surrogate at the end", u"windows-1252", u"x\xD800", "x?"sv, true},
        {"ISO-2022-JP can't tell", u"iso-2022-jp", u"\u00E9\u65E5", "?\x1B$BF|\x1B(B"sv, false},
        {"GB18030 can't tell", u"gb18030", u"a\xDC00", "a?"sv, false},
        {"UTF-8 replaces lone surrogates", u"utf-8", u"a\xD800", "a\xEF\xBF\xBD"sv, false},
        {"no converter: system default", u"x-iscii-de", u"\u00E9\u4E2D", "\xE9?"sv, true},
    };
    for (const auto& c : cases) {
        bool lossy = !c.lossy;
        EXPECT_EQ(toBytes(c.text, c.encoding, &lossy), c.bytes) << c.what;
        EXPECT_EQ(lossy, c.lossy) << c.what;
    }
}

TEST(TextConverter, BadBytesBecomeReplacementsAndConversionGoesOn)
{
    const struct {
        const char* what;
        std::u16string_view encoding;
        std::string_view bytes;
        std::u16string_view text;
    } cases[] = {
        {"GBK bad trail byte", u"gbk", "a\x81 b"sv, u"a\uFFFD b"},
        {"GBK cut at the end", u"gbk", "\xD6\xD0\x81"sv, u"\u4E2D\uFFFD"},
        {"windows-1252 undefined byte", u"windows-1252", "\x81x\x8D"sv, u"\uFFFDx\uFFFD"},
        {"Shift_JIS undefined byte", u"shift_jis", "\xFF\x93\xFA"sv, u"\uFFFD\u65E5"},
        {"UTF-8 bad sequence", u"utf-8", "\xC3z\xFF"sv, u"\uFFFDz\uFFFD"},
        {"UTF-16BE lone surrogate skips a whole unit", u"utf-16be", "\xD8\x00\0A\0B"sv,
         u"\uFFFDAB"},
        {"UTF-16BE odd length", u"utf-16be", "\0A\0"sv, u"A\uFFFD"},
    };
    for (const auto& c : cases) EXPECT_EQ(toUtf16(c.bytes, c.encoding), c.text) << c.what;
}

TEST(TextConverter, UnknownNamesUseWindows1252)
{
    for (std::u16string_view name : {u"klingon"sv, u""sv, u"utf_8"sv}) {
        bool lossy = true;
        EXPECT_EQ(toBytes(u"\u00E9\u20AC", name, &lossy), "\xE9\x80") << narrow(name);
        EXPECT_FALSE(lossy);
        EXPECT_EQ(toUtf16("\xE9\x80", name), u"\u00E9\u20AC") << narrow(name);
    }
}

TEST(TextConverter, ByteEncodingToByteEncoding)
{
    const struct {
        std::u16string_view from;
        std::string_view source;
        std::u16string_view to;
        std::string_view target;
        bool lossy;
    } cases[] = {
        {u"iso-8859-1", "caf\xE9"sv, u"utf-8", "caf\xC3\xA9"sv, false},
        {u"utf-8", "\xE4\xB8\xAD\xF0\x9F\x98\x80"sv, u"gb18030", "\xD6\xD0\x94\x39\xFC\x36"sv, false},
        {u"gbk", "\xD6\xD0" "a"sv, u"iso-8859-1", "?a"sv, true},
        {u"utf-16be", "\0A\x4E\x2D"sv, u"utf-8", "A\xE4\xB8\xAD"sv, false},
        {u"utf-8", "\xFF"sv, u"iso-8859-1", "?"sv, true},
        {u"utf-8", "\xFF"sv, u"utf-8", "\xEF\xBF\xBD"sv, false},
        {u"klingon", "\xE9"sv, u"utf-8", "\xC3\xA9"sv, false},
        // Decoding grows a byte into two UTF-16 units here; nothing may be cut.
        {u"utf-8", "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"sv, u"utf-7", "+2D3eANg93gA-"sv, false},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run({std::u16string(c.from), std::string(c.source), std::u16string(c.to)});
        EXPECT_EQ(outcome.bytes, c.target) << narrow(c.from) << " -> " << narrow(c.to);
        EXPECT_EQ(outcome.lossy, c.lossy) << narrow(c.from) << " -> " << narrow(c.to);
    }
}

TEST(TextConverter, Utf32InEveryDirection)
{
    const std::u32string values = U"A\u00E9\u4E2D\U0001F600";
    const std::u16string utf16 = u"A\u00E9\u4E2D\U0001F600";
    const std::string utf8 = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";
    const std::u32string notCharacters = {0xD800, 0xDFFF, 0x110000, 0xFFFFFFFF, 0};
    const struct {
        const char* what;
        Conversion conversion;
        std::string expected;
    } cases[] = {
        {"to UTF-8", {u"UTF-32", raw(values), u"utf-8"}, utf8},
        {"to UTF-16", {u"UTF-32LE", raw(values), u"UTF-16"}, raw(utf16)},
        {"from UTF-16", {u"UTF-16", raw(utf16), u"UTF-32"}, raw(values)},
        {"from UTF-8", {u"utf-8", utf8, u"UTF-32"}, raw(values)},
        {"non-characters to UTF-8", {u"UTF-32", raw(notCharacters), u"utf-8"},
         std::string("????\0", 5)},
        {"non-characters to UTF-16", {u"UTF-32", raw(notCharacters), u"UTF-16"},
         raw(std::u16string(u"????\0", 5))},
        {"lone high surrogate at the end", {u"UTF-16", raw(u"A\xD800"), u"UTF-32"},
         raw(U"A?")},
        {"high surrogate before a zero unit",
         {u"UTF-16", raw(std::u16string(u"\xD800\0B", 3)), u"UTF-32"},
         raw(std::u32string(U"?\0B", 3))},
        {"high surrogate before a letter keeps the letter",
         {u"UTF-16", raw(u"\xD800Z"), u"UTF-32"}, raw(U"?Z")},
        {"lone low surrogate", {u"UTF-16", raw(u"\xDC00Z"), u"UTF-32"},
         raw(U"?Z")},
        {"bad UTF-8 sequences", {u"utf-8", "\xC3z\xE4\xB8\xFF"s, u"UTF-32"},
         raw(U"?z??")},
        {"to a byte encoding: nothing", {u"UTF-32", raw(values), u"iso-8859-1"}, ""},
        {"from a byte encoding: nothing", {u"iso-8859-1", "abc", u"UTF-32"}, ""},
        {"to itself: nothing", {u"UTF-32", raw(values), u"UTF-32"}, ""},
    };
    for (const auto& c : cases) {
        const Outcome outcome = run(c.conversion);
        EXPECT_EQ(outcome.bytes, c.expected) << c.what;
        EXPECT_FALSE(outcome.lossy) << c.what;
    }
}

TEST(TextConverter, Utf16ToUtf16IsACopy)
{
    const std::u16string text = u"a\xD800\U0001F600";
    EXPECT_EQ(run({u"utf-16", raw(text), u"UTF-16"}).bytes, raw(text));
}

TEST(TextConverter, EmptyOrMissingSourceGivesNothing)
{
    for (std::u16string_view to : {u"utf-8"sv, u"UTF-16"sv, u"gbk"sv, u"UTF-32"sv}) {
        TextConverter empty(u"utf-8", "", 0);
        EXPECT_EQ(empty.convert(nullptr, 0, to), 0u);
        TextConverter missing(u"utf-8", nullptr, 10);
        EXPECT_EQ(missing.sourceUnits, 0u);
        char target[4] = {};
        EXPECT_EQ(missing.convert(target, sizeof target, to), 0u);
        EXPECT_FALSE(missing.truncated);
    }
}

// Every capacity from nothing to the full size: the result is a prefix of the full result
// ending on a whole character, and nothing past the capacity is touched.
TEST(TextConverter, NeverWritesPastTheCapacity)
{
    const std::u16string text = u"ASCII run longer than one block: \u00E9\u4E2D\U0001F600 \u65E5\u672C.";
    const std::string utf8 = "ASCII run longer than one block: \xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80!";
    const std::u32string values = U"ab\u00E9\u4E2D\U0001F600\U0001F600z";
    const Conversion cases[] = {
        {u"utf-8", utf8, u"UTF-16"},
        {u"UTF-16", raw(text), u"utf-8"},
        {u"UTF-16", raw(text), u"UTF-16"},
        {u"gbk", "ab\xD6\xD0\xCE\xC4" "cd\xD6\xD0", u"UTF-16"},
        {u"UTF-16", raw(text), u"gb18030"},
        {u"UTF-16", raw(text), u"iso-2022-jp"},
        {u"UTF-16", raw(text), u"windows-1252"},
        {u"utf-8", utf8, u"utf-16be"},
        {u"utf-8", utf8, u"utf-7"},
        {u"UTF-32", raw(values), u"utf-8"},
        {u"UTF-32", raw(values), u"UTF-16"},
        {u"UTF-16", raw(text), u"UTF-32"},
        {u"utf-8", utf8, u"UTF-32"},
    };
    constexpr unsigned char kUntouched = 0xAB;
    for (const Conversion& c : cases) {
        const std::string full = run(c).bytes;
        const std::size_t unit = unitSizeOf(c.to);
        const std::size_t fullUnits = full.size() / unit;
        const std::size_t sourceUnits = c.source.size() / unitSizeOf(c.from);
        for (std::size_t capacity = 0; capacity <= fullUnits; ++capacity) {
            std::vector<char32_t> storage(capacity + 4);
            std::memset(storage.data(), kUntouched, storage.size() * sizeof(char32_t));
            TextConverter converter(c.from, c.source.data(), sourceUnits);
            const std::size_t written = converter.convert(storage.data(), capacity, c.to);
            const auto* bytes = reinterpret_cast<const unsigned char*>(storage.data());
            const std::string where = narrow(c.from) + " -> " + narrow(c.to) + " capacity " +
                                      std::to_string(capacity);
            ASSERT_LE(written, capacity) << where;
            EXPECT_EQ(converter.truncated, capacity < fullUnits) << where;
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes), written * unit),
                      full.substr(0, written * unit))
                << where;
            for (std::size_t i = capacity * unit; i < storage.size() * sizeof(char32_t); ++i)
                ASSERT_EQ(bytes[i], kUntouched) << where << " byte " << i;
        }
    }
}

}  // namespace
