#include "XmlDocument.h"
#include "XmlTokenizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace {

struct NodeSeen {
    int type;
    std::int32_t start;
    std::int32_t length;
    bool operator==(const NodeSeen&) const = default;
};

void PrintTo(const NodeSeen& n, std::ostream* os) { *os << "{" << n.type << ", " << n.start << ", " << n.length << "}"; }

std::vector<NodeSeen> tokenize(std::u16string_view text)
{
    std::vector<NodeSeen> nodes;
    XmlTokenizer tokenizer(text);
    for (XmlNode n = tokenizer.next(); n.type != XmlNodeType::kEndOfText; n = tokenizer.next())
        nodes.push_back({n.type, n.start, n.length});
    return nodes;
}

// Exactly white space and ! " ' / ; < = > ? \\ end a name token; every other UTF-16 unit
// belongs to the name.
TEST(XmlTokenizer, NameTokensEndOnlyAtWhiteSpaceAndDelimiters)
{
    const std::u16string_view stops = u" \t\r\n!\"'/;<=>?\\";
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const auto c = static_cast<char16_t>(unit);
        const bool stop = stops.find(c) != std::u16string_view::npos;
        // Short names and long ones, with the unit at every place of a block of eight, among
        // letters and after digits and the like, which belong to the name as well.
        for (const std::u16string_view base : {u"abcdefghijklmnopqrstuv", u"a1-b.c:d_9ef2ghi3jk4lm"}) {
            for (std::size_t at : {1, 0, 3, 5, 7, 8, 12, 15, 16, 19}) {
                std::u16string name(base.substr(0, std::max<std::size_t>(at + 2, 3)));
                name[at] = c;
                const auto expected = static_cast<std::int32_t>(stop ? at : name.size());
                ASSERT_EQ(XmlTokenizer::nameTokenEnd(name, 0), expected) << "U+" << std::hex << unit << " at " << at;
                if (at == 1) {
                    ASSERT_EQ(XmlTokenizer::isWritableName(name, true), !stop) << "U+" << std::hex << unit;
                }
            }
        }
        ASSERT_EQ(XmlTokenizer::isNameDelimiter(c), stop && !XmlTokenizer::isWhiteSpace(c)) << "U+" << std::hex << unit;
    }
}

TEST(XmlTokenizer, SplitsATextIntoEveryKindOfNode)
{
    const std::u16string text = u"<?xml version=\"1.0\"?>\r\n"           // 0..21, 21..23
                                u"<!DOCTYPE r [<!ELEMENT r \"x>\"> <!-- > --> ]>"  // 23..67
                                u"<r a='>'>"                              // 67..76
                                u"text"                                   // 76..80
                                u"<!-- c -->"                             // 80..90
                                u"<![CDATA[<x>]]>"                        // 90..105
                                u"<e/>"                                   // 105..109
                                u"</r>";                                  // 109..113
    using namespace XmlNodeType;
    const std::vector<NodeSeen> expected = {
        {kProcessingInstruction, 0, 21}, {kWhiteSpace, 21, 2}, {kDocumentType, 23, 44}, {kElement, 67, 9},
        {kText, 76, 4}, {kComment, 80, 10}, {kCdataSection, 90, 15}, {kElement, 105, 4}, {kEndTag, 109, 4},
    };
    EXPECT_EQ(tokenize(text), expected);
    EXPECT_EQ(XmlTokenizer(u"").next().type, kEndOfText);
}

TEST(XmlTokenizer, StartTagEndsOutsideQuotesAndKnowsEmptyElements)
{
    struct Case {
        std::u16string_view text;
        std::int32_t length;
        bool empty;
    };
    const Case cases[] = {
        {u"<a>", 3, false},
        {u"<a/>", 4, true},
        {u"<a  />", 6, true},
        {u"<a b=\"c\"/>", 10, true},
        {u"<a b=c />", 9, true},
        {u"<a b=c/>", 8, false},  // the slash belongs to the unquoted value
        {u"<a b='x>y'>", 11, false},
        {u"<a b=\"it's\">", 12, false},
        {u"<_a>", 4, false},
        {u"<:a>", 4, false},
        {u"<\u00e9t\u00e9>", 5, false},
    };
    for (const Case& c : cases) {
        const XmlNode node = XmlTokenizer(c.text).next();
        EXPECT_EQ(node.type, XmlNodeType::kElement) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(node.length, c.length) << std::string(c.text.begin(), c.text.end());
        EXPECT_EQ(node.emptyElement, c.empty) << std::string(c.text.begin(), c.text.end());
    }
}

// Every syntax error of the tokenizer: the report entry it gives and where the bad markup ends,
// seen through a document so the entries travel to the report as they do in use.
TEST(XmlTokenizer, ReportsEverySyntaxErrorAndSkipsTheBadMarkup)
{
    struct Case {
        std::u16string_view text;
        std::u16string_view report;
        NodeSeen badNode;
    };
    using XmlNodeType::kMalformed;
    const Case cases[] = {
        {u"<r><1/></r>", u"<first_tag_syntax offset=\"3\"/>", {kMalformed, 3, 4}},
        {u"<r>< <x/></r>", u"<first_tag_syntax offset=\"3\"/>", {kMalformed, 3, 2}},
        {u"<r><!x></r>", u"<exclamation_tag_syntax offset=\"3\"/>", {kMalformed, 3, 4}},
        {u"<r><!-x--></r>", u"<comment_tag_syntax offset=\"3\"/>", {kMalformed, 3, 7}},
        {u"<r><![x[a]]></r>", u"<cdata_section_syntax offset=\"3\"/>", {kMalformed, 3, 9}},
        {u"<!DOCTYPE r [<!X>]><r/>", u"<doctype_tag_syntax offset=\"0\"/>", {kMalformed, 0, 17}},
        {u"<!DOCTYPE r [<!-x>]><r/>", u"<comment_tag_syntax offset=\"0\"/>", {kMalformed, 0, 18}},
        {u"<r/><", u"<unterminated_tag_syntax type=\"tag\" offset=\"4\"/>", {kMalformed, 4, 1}},
        {u"<r/><!", u"<unterminated_tag_syntax type=\"tag\" offset=\"4\"/>", {kMalformed, 4, 2}},
        {u"<r/><!-", u"<unterminated_tag_syntax type=\"tag\" offset=\"4\"/>", {kMalformed, 4, 3}},
        {u"<r/><![", u"<unterminated_tag_syntax type=\"tag\" offset=\"4\"/>", {kMalformed, 4, 3}},
        {u"<r/><a b='>", u"<unterminated_tag_syntax type=\"start_tag\" offset=\"4\"/>", {kMalformed, 4, 7}},
        {u"<r/></a", u"<unterminated_tag_syntax type=\"end_tag\" offset=\"4\"/>", {kMalformed, 4, 3}},
        {u"<r/><?pi >", u"<unterminated_tag_syntax type=\"processing_instruction\" offset=\"4\"/>",
         {kMalformed, 4, 6}},
        {u"<r/><!-- c ->", u"<unterminated_tag_syntax type=\"comment\" offset=\"4\"/>", {kMalformed, 4, 9}},
        {u"<r/><![CDATA[x]>", u"<unterminated_tag_syntax type=\"cdata_section\" offset=\"4\"/>",
         {kMalformed, 4, 12}},
        {u"<r/><!DOCTYPE r [ >", u"<unterminated_tag_syntax type=\"document_type\" offset=\"4\"/>",
         {kMalformed, 4, 15}},
        {u"<r/><!DOCTYPE r [<!-- x -- ]>", u"<unterminated_tag_syntax type=\"document_type\" offset=\"4\"/>",
         {kMalformed, 4, 25}},
        {u"<r/><!DOCTYPE r [<!ELEMENT r", u"<unterminated_tag_syntax type=\"document_type\" offset=\"4\"/>",
         {kMalformed, 4, 24}},
    };
    for (const Case& c : cases) {
        const std::string label(c.text.begin(), c.text.end());
        XmlDocument document;
        EXPECT_FALSE(document.SetText(c.text)) << label;
        EXPECT_EQ(document.GetReport(), c.report) << label;
        EXPECT_EQ(document.Index()[0].flags & XmlRecordFlag::kDocumentErrors, XmlRecordFlag::kDocumentErrors)
            << label;
        std::vector<NodeSeen> bad;
        for (const NodeSeen& n : tokenize(c.text))
            if (n.type == kMalformed)
                bad.push_back(n);
        EXPECT_EQ(bad, std::vector<NodeSeen>{c.badNode}) << label;
    }
}

TEST(XmlTokenizer, MarksAnErrorInsideTheInnermostOpenElement)
{
    XmlDocument document(u"<r><a><!x></a><b/></r>");
    const XmlElementIndex& index = document.Index();
    ASSERT_TRUE(document.FindElement(u"r") && document.EnterElement() && document.FindElement(u"a"));
    EXPECT_NE(index[document.CurrentPos()].flags & XmlRecordFlag::kErrorInside, 0);
    ASSERT_TRUE(document.FindElement(u"b"));
    EXPECT_EQ(index[document.CurrentPos()].flags & XmlRecordFlag::kErrorInside, 0);
}

TEST(XmlTokenizer, FindsAttributesInATagsText)
{
    struct Case {
        std::u16string_view tag;
        std::u16string_view name;
        bool found;
        std::u16string_view value;
    };
    const Case cases[] = {
        {u"<a b=\"1\" c='2'>", u"c", true, u"2"},
        {u"<a b=\"1\" c='2'>", u"b", true, u"1"},
        {u"<a b = \"x y\" >", u"b", true, u"x y"},
        {u"<a b=plain c=2>", u"b", true, u"plain"},
        {u"<a bc=\"1\">", u"b", false, u""},
        {u"<a b/>", u"b", true, u""},         // a bare name is there, with an empty value
        {u"<a / b=\"1\">", u"b", false, u""},  // the scan stops at the slash
        {u"<a ?b=\"1\">", u"b", false, u""},
        {u"<a \"x\" b='1'>", u"b", true, u"1"},
        {u"<a =\"b\" b='2'>", u"b", true, u"2"},
        {u"<a b=\"it's\">", u"b", true, u"it's"},
        {u"<a>", u"a", false, u""},  // the tag name is no attribute
    };
    for (const Case& c : cases) {
        const std::string label(c.tag.begin(), c.tag.end());
        const XmlAttributeSpan span = XmlTokenizer::findAttribute(c.tag, c.name, false);
        EXPECT_EQ(span.found, c.found) << label;
        EXPECT_EQ(XmlTokenizer::attributeValue(c.tag, span), c.value) << label;
    }
    EXPECT_TRUE(XmlTokenizer::findAttribute(u"<a NAME='1'>", u"name", true).found);
    EXPECT_FALSE(XmlTokenizer::findAttribute(u"<a NAME='1'>", u"name", false).found);
}

}  // namespace
