#include "XmlDocument.h"
#include "XmlEntities.h"
#include "XmlNamedReferences.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string label(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

TEST(XmlEntities, DecodesReferences)
{
    struct Case {
        std::u16string_view text;
        std::u16string_view decoded;
    };
    const Case cases[] = {
        {u"&#x41;", u"A"},
        {u"&#65;", u"A"},
        {u"&#X41;", u"A"},
        {u"&#65abc;", u"A"},  // the leading run of digits counts
        {u"&amp;&lt;&gt;&quot;&apos;", u"&<>\"'"},
        {u"&AMP;&Lt;", u"&<"},
        {u"&eacute;", u"\u00C9"},
        {u"&Eacute;", u"\u00C9"},
        {u"&delta;", u"\u0394"},
        {u"&dagger;", u"\u2021"},
        {u"&thetasym;", u"\u03D1"},
        {u"&nbsp;&euro;&hearts;", u"\u00A0\u20AC\u2665"},
        {u"&#128512;", u"\U0001F600"},
        {u"&#x1F600;", u"\U0001F600"},
        {u"&#x10FFFF;", u"\U0010FFFF"},
        {u"x&#x41;&#x42;y", u"xABy"},
        {u"&&amp;", u"&&"},
        // What is no reference stays as it is written.
        {u"&amp", u"&amp"},
        {u"a & b", u"a & b"},
        {u"&abcdefghi;", u"&abcdefghi;"},        // nine characters, but no such name
        {u"&#00000065;", u"A"},                // nine characters is still a reference
        {u"&#000000065;", u"&#000000065;"},    // ten characters is not
        {u"&nosuch;", u"&nosuch;"},
        {u"&;", u"&;"},
        {u"&#;&#x;&#0;", u"&#;&#x;&#0;"},
        {u"&#-65;", u"&#-65;"},
        {u"&#x110000;", u"&#x110000;"},  // beyond Unicode
        {u"&#99999999;", u"&#99999999;"},
        {u"&#xFFFFFFF;", u"&#xFFFFFFF;"},
        {u"&\u00e9;", u"&\u00e9;"},
        {u"&lt&gt;", u"&lt>"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XmlDocument::DecodeEntities(c.text), c.decoded) << label(c.text);
}

TEST(XmlEntities, TrimsAndCollapsesLiteralWhiteSpaceOnly)
{
    struct Case {
        std::u16string_view text;
        int flags;
        std::u16string_view decoded;
    };
    const Case cases[] = {
        {u"  a \t b  ", 0, u"  a \t b  "},
        {u"  a \t b  ", 0x100, u"a \t b"},
        {u"  a \t b  ", 0x200, u"a b"},
        {u" \r\n\t", 0x100, u""},
        {u"&#32;a&#32;", 0x100, u" a "},  // a reference is content, even a space
        {u" &#32; a ", 0x200, u"  a"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(XmlDocument::DecodeEntities(c.text, c.flags), c.decoded) << label(c.text) << " " << c.flags;
}

TEST(XmlEntities, TableHoldsHtmlNamesPlusAposAndCapitalsWinTheirPairs)
{
    const auto table = XmlNamedReferences::table();
    EXPECT_EQ(table.size(), 253u);
    std::set<std::string_view> names;
    for (const auto& e : table)
        names.insert(e.name);
    EXPECT_EQ(names.size(), table.size());

    int pairs = 0;
    std::set<std::string_view> lowerOfPair;
    for (const auto& upper : table) {
        for (const auto& lower : table) {
            if (&upper == &lower || upper.name.size() != lower.name.size())
                continue;
            bool sameFolded = true;
            bool upperHasCapital = false;
            for (std::size_t i = 0; i < upper.name.size(); ++i) {
                const char a = upper.name[i];
                const char b = lower.name[i];
                upperHasCapital = upperHasCapital || (a >= 'A' && a <= 'Z' && b >= 'a' && b <= 'z');
                sameFolded = sameFolded && (a | 0x20) == (b | 0x20);
            }
            if (!sameFolded || !upperHasCapital)
                continue;
            ++pairs;
            lowerOfPair.insert(lower.name);
            const std::u16string lowerName(lower.name.begin(), lower.name.end());
            const std::u16string upperName(upper.name.begin(), upper.name.end());
            EXPECT_EQ(XmlNamedReferences::codePointOf(lowerName), upper.codePoint) << lower.name;
            EXPECT_EQ(XmlNamedReferences::codePointOf(upperName), upper.codePoint) << upper.name;
        }
    }
    EXPECT_EQ(pairs, 64);
    // Every other name decodes to its own character.
    for (const auto& e : table) {
        if (lowerOfPair.count(e.name) != 0)
            continue;
        const std::u16string name(e.name.begin(), e.name.end());
        EXPECT_EQ(XmlNamedReferences::codePointOf(name), e.codePoint) << e.name;
    }
}

TEST(XmlEntities, EncodesForTextAndForAttributes)
{
    struct Case {
        std::u16string_view text;
        int flags;
        std::u16string_view encoded;
    };
    const Case cases[] = {
        {u"a<b>&\"'", 0, u"a&lt;b&gt;&amp;\"'"},
        {u"a<b>&\"'", 0x100, u"a&lt;b&gt;&amp;&quot;&apos;"},
        {u"<50 ms>", 0x100, u"&lt;50 ms&gt;"},
        {u"&amp; &#65; &x-y.z; &\u00e9; & &1; &a b;", 0x08, u"&amp; &#65; &x-y.z; &\u00e9; &amp; &amp;1; &amp;a b;"},
        {u"&amp;", 0, u"&amp;amp;"},
        {u"", 0, u""},
        {u"\U0001F600\u4E2D", 0x100, u"\U0001F600\u4E2D"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(XmlDocument::EncodeEntities(c.text, c.flags), c.encoded) << label(c.text);
        // Measuring and writing in place give the same as making the string.
        EXPECT_EQ(XmlDocument::EncodedLength(c.text, c.flags), c.encoded.size()) << label(c.text);
        std::u16string written(c.encoded.size() + 1, u'#');
        const char16_t* end = XmlEntities::encodeInto(written.data(), c.text, c.flags);
        EXPECT_EQ(end - written.data(), static_cast<std::ptrdiff_t>(c.encoded.size())) << label(c.text);
        EXPECT_EQ(written, std::u16string(c.encoded) + u'#') << label(c.text);
    }
}

TEST(XmlEntities, AttributeEncodingRoundTrips)
{
    const std::u16string_view values[] = {
        u"<50 ms>", u"say \"hi\", it's", u"&amp; stays &amp;", u"A & B", u"\u4E2D\u6587 \U0001F600",
        u"  spaced  ", u"&#65;", u"",
    };
    std::u16string long_;
    for (int i = 0; i < 500; ++i)
        long_ += u"<&>\"'";
    for (const std::u16string_view v : values)
        EXPECT_EQ(XmlDocument::DecodeEntities(XmlDocument::EncodeEntities(v, 0x100)), v) << label(v);
    EXPECT_EQ(XmlDocument::DecodeEntities(XmlDocument::EncodeEntities(long_, 0x100)), long_);
}

}  // namespace
