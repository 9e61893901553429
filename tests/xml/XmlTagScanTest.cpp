#include "XmlTagScan.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string ascii(std::u16string_view s) { return std::string(s.begin(), s.end()); }

TEST(XmlTagScan, FindsTheEndOfAStartTag)
{
    struct Case {
        std::u16string_view tag;  // after "<name"
        std::int32_t close;
        bool empty;
    };
    const Case cases[] = {
        {u" a=\"1\" b=\"2\"/>", 13, true},
        {u" a=\"x>y\" b=\"2\">", 14, false},
        {u" a='x>y'>", 8, false},
        {u" a=b/>", 5, false},
        {u" a=b />", 6, true},
        {u" a = \"1\">", 8, false},
        {u" a=\"1\"", -1, false},
        {u" a=\"1>", -1, false},
        {u" \"stray>\" b>", 11, false},
    };
    for (const Case& c : cases) {
        // Scanned from just after the name, as the tokenizer scans.
        const std::u16string text = u"<n" + std::u16string(c.tag) + u"                ";
        const XmlTagEnd end = XmlTagScan::careful(text.data(), 2, static_cast<std::int32_t>(c.tag.size()) + 2);
        EXPECT_EQ(end.close, c.close < 0 ? -1 : c.close + 2) << ascii(c.tag);
        EXPECT_EQ(end.empty, c.empty) << ascii(c.tag);
    }
}

// The fast scans may decline any tag, but whatever they answer must be the careful answer.
TEST(XmlTagScan, FastScansAgreeWithTheCarefulOne)
{
    using Scan = bool (*)(const char16_t*, std::int32_t, std::int32_t, XmlTagEnd&);
    std::vector<std::pair<const char*, Scan>> scans = {{"SSE2", XmlTagScan::quotedSse2}};
    if (XmlTagScan::haveAvx2())
        scans.emplace_back("AVX2", XmlTagScan::quotedAvx2);
    const char16_t alphabet[] = {u'a', u'b', u' ', u'=', u'"', u'"', u'\'', u'>', u'/', u'\r', u'x'};
    for (const auto& [name, scan] : scans) {
        std::mt19937 random(20240611);
        int answered = 0;
        for (int round = 0; round < 200'000; ++round) {
            std::u16string text = u"<n" + std::u16string(random() % 60, u'a');
            for (std::size_t i = 2; i < text.size(); ++i)
                text[i] = alphabet[random() % std::size(alphabet)];
            const auto n = static_cast<std::int32_t>(text.size());
            XmlTagEnd fast;
            if (!scan(text.data(), 2, n, fast))
                continue;
            ++answered;
            const XmlTagEnd careful = XmlTagScan::careful(text.data(), 2, n);
            ASSERT_EQ(fast.close, careful.close) << name << " " << ascii(text);
            ASSERT_EQ(fast.empty, careful.empty) << name << " " << ascii(text);
        }
        EXPECT_GT(answered, 10'000) << name;  // the comparison must have had something to compare
    }
}

}  // namespace
