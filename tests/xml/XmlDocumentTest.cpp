#include "XmlDocument.h"
#include "XmlIndexCheck.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::u16string_view kDeclaration = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";

std::string ascii(std::u16string_view s)
{
    std::string out;
    for (char16_t c : s)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

struct Outlined {
    std::u16string name;
    int depth;
    bool operator==(const Outlined&) const = default;
};

void PrintTo(const Outlined& o, std::ostream* os) { *os << ascii(o.name) << "@" << o.depth; }

// Every element in document order, with its depth as the index records it.
std::vector<Outlined> outline(const XmlDocument& d)
{
    std::vector<Outlined> out;
    const XmlElementIndex& index = d.Index();
    std::vector<std::int32_t> pending;
    for (std::int32_t c = index[0].firstChild; c != 0; c = index[c].next)
        pending.insert(pending.begin(), c);
    while (!pending.empty()) {
        const std::int32_t r = pending.back();
        pending.pop_back();
        out.push_back({std::u16string(d.TagName(r)), XmlElementIndex::depthOf(index[r])});
        std::vector<std::int32_t> children;
        for (std::int32_t c = index[r].firstChild; c != 0; c = index[c].next)
            children.push_back(c);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return out;
}

#define EXPECT_INDEX_MATCHES_TEXT(document) EXPECT_EQ(XmlIndexCheck::compare(document), "")

// ---- Parsing -------------------------------------------------------------------------------

TEST(XmlDocumentParse, IndexesElementsInDocumentOrder)
{
    XmlDocument d;
    EXPECT_TRUE(d.SetText(u"<r><a>x</a><b/></r>"));
    const XmlElementIndex& index = d.Index();
    ASSERT_EQ(index.nextFree(), 4);
    struct Expected {
        std::int32_t start, length, startTag, endTag, depth, parent, firstChild, next, prev;
        bool firstChildBit;
    };
    const Expected expected[] = {
        {0, 19, 0, 0, 0, 0, 1, 0, 0, false},  // the document
        {0, 19, 3, 4, 0, 0, 2, 0, 1, true},   // r
        {3, 8, 3, 4, 1, 1, 0, 3, 3, true},    // a: its prev is the last child
        {11, 4, 4, 0, 1, 1, 0, 0, 2, false},  // b
    };
    for (std::int32_t i = 0; i < 4; ++i) {
        const XmlElementRecord& r = index[i];
        const Expected& e = expected[i];
        EXPECT_EQ(r.start, e.start) << i;
        EXPECT_EQ(r.length, e.length) << i;
        if (i != 0) {
            EXPECT_EQ(index.startTagLength(i), e.startTag) << i;
            EXPECT_EQ(index.endTagLength(i), e.endTag) << i;
            EXPECT_EQ(r.prev, e.prev) << i;
        }
        EXPECT_EQ(XmlElementIndex::depthOf(r), e.depth) << i;
        EXPECT_EQ(r.parent, e.parent) << i;
        EXPECT_EQ(r.firstChild, e.firstChild) << i;
        EXPECT_EQ(r.next, e.next) << i;
        EXPECT_EQ((r.flags & XmlRecordFlag::kFirstChild) != 0, e.firstChildBit) << i;
    }
    EXPECT_EQ(d.GetReport(), u"");
}

TEST(XmlDocumentParse, ReportsTheDocumentsShape)
{
    struct Case {
        std::u16string_view text;
        bool wellFormed;
        bool errorBit;
        std::u16string_view report;
    };
    const Case cases[] = {
        {u"", false, false, u""},
        {kDeclaration, false, false, u"<no_root_element/>"},
        {u"just text", false, false, u"<no_root_element/>"},
        {u"<a/><b/>", false, false, u"<root_has_sibling/>"},
        {u"<!-- c --><r/>\r\n<?pi?>", true, false, u""},
        {u"</x><r/>", false, true, u"<lone_end_tag tagname=\"x\" offset=\"0\"/>"},
        {u"<R></r>", false, true,
         u"<lone_end_tag tagname=\"r\" offset=\"3\"/><unended_start_tag tagname=\"R\" offset=\"0\" offset2=\"7\"/>"},
    };
    for (const Case& c : cases) {
        XmlDocument d;
        EXPECT_EQ(d.SetText(c.text), c.wellFormed) << ascii(c.text);
        EXPECT_EQ(d.CheckWellFormed(), c.wellFormed) << ascii(c.text);
        EXPECT_EQ((d.Index()[0].flags & XmlRecordFlag::kDocumentErrors) != 0, c.errorBit) << ascii(c.text);
        EXPECT_EQ(d.GetReport(), c.report) << ascii(c.text);
    }
}

TEST(XmlDocumentParse, NamesMatchIgnoringCaseWithTheFlag)
{
    XmlDocument d;
    d.SetFlags(XmlDocument::kIgnoreCase);
    EXPECT_TRUE(d.SetText(u"<R><Item A='1'/></r>"));
    EXPECT_TRUE(d.FindElement(u"r"));
    EXPECT_TRUE(d.EnterElement());
    EXPECT_TRUE(d.FindElement(u"ITEM"));
    EXPECT_EQ(d.GetAttribute(u"a"), u"1");
}

TEST(XmlDocumentParse, UnendedStartTagStaysAChildOfItsCompleteParent)
{
    XmlDocument d;
    const std::u16string text = u"<r><p><u></p></r>";
    EXPECT_FALSE(d.SetText(text));
    EXPECT_EQ(d.GetReport(), u"<unended_start_tag tagname=\"u\" offset=\"6\" offset2=\"10\"/>");
    EXPECT_EQ(text[10], u'/');
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement() && d.FindElement(u"p"));
    const std::int32_t p = d.CurrentPos();
    const XmlElementIndex& index = d.Index();
    EXPECT_EQ(index[p].length, 10);
    EXPECT_EQ(index.endTagLength(p), 4);
    EXPECT_EQ(index[p].flags & XmlRecordFlag::kNoEndTag, 0);
    ASSERT_TRUE(d.EnterElement() && d.FindElement(u"u"));
    const std::int32_t u = d.CurrentPos();
    EXPECT_EQ(index[u].parent, p);
    EXPECT_EQ(index[u].length, 3);
    EXPECT_EQ(index.startTagLength(u), 3);
    EXPECT_EQ(index.endTagLength(u), 0);
    EXPECT_NE(index[u].flags & XmlRecordFlag::kNoEndTag, 0);
}

TEST(XmlDocumentParse, ChildrenOfAnUnendedElementMoveUpInOrder)
{
    XmlDocument d(u"<r><u><a/><b><c/></b></r>");
    EXPECT_EQ(d.GetReport(), u"<unended_start_tag tagname=\"u\" offset=\"3\" offset2=\"22\"/>");
    const std::vector<Outlined> expected = {{u"r", 0}, {u"u", 1}, {u"a", 1}, {u"b", 1}, {u"c", 2}};
    EXPECT_EQ(outline(d), expected);

    // Left open at the end of the text: reported innermost first, all moved to the top level.
    XmlDocument open(u"<a><b><c>");
    EXPECT_EQ(open.GetReport(), u"<unended_start_tag tagname=\"c\" offset=\"6\" offset2=\"9\"/>"
                                u"<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"9\"/>"
                                u"<unended_start_tag tagname=\"a\" offset=\"0\" offset2=\"9\"/>"
                                u"<root_has_sibling/>");
    const std::vector<Outlined> flat = {{u"a", 0}, {u"b", 0}, {u"c", 0}};
    EXPECT_EQ(outline(open), flat);
}

TEST(XmlDocumentParse, ErrorMarkMovesUpWithTheChildrenOfAnUnendedElement)
{
    XmlDocument d(u"<r><u><!x></r>");
    ASSERT_TRUE(d.FindElement(u"r"));
    const std::int32_t r = d.CurrentPos();
    ASSERT_TRUE(d.EnterElement() && d.FindElement(u"u"));
    EXPECT_NE(d.Index()[r].flags & XmlRecordFlag::kErrorInside, 0);
    EXPECT_EQ(d.Index()[d.CurrentPos()].flags & XmlRecordFlag::kErrorInside, 0);
}

TEST(XmlDocumentParse, SurvivesExtremeNesting)
{
    // Far deeper than the depth field holds; nothing may recurse or overflow.
    const int levels = 70'000;
    std::u16string text;
    for (int i = 0; i < levels; ++i)
        text += u"<a>";
    for (int i = 0; i < levels; ++i)
        text += u"</a>";
    XmlDocument d;
    EXPECT_TRUE(d.SetText(text));
    EXPECT_EQ(XmlElementIndex::depthOf(d.Index()[levels]), XmlElementIndex::kMaxDepth);
    EXPECT_INDEX_MATCHES_TEXT(d);

    // Left open, every level moves up to the top level.
    XmlDocument open(text.substr(0, 3 * levels));
    EXPECT_EQ(outline(open).size(), static_cast<std::size_t>(levels));
    EXPECT_EQ(XmlElementIndex::depthOf(open.Index()[levels]), 0);
    EXPECT_LE(open.GetReport().size(), 1100u);
}

TEST(XmlDocumentParse, MatchesEndTagsInDeepStacksAsInShallowOnes)
{
    // Deep stacks keep counts of their names; the result must not change by it.
    const int levels = 20'000;
    std::u16string text;
    for (int i = 0; i < levels; ++i)
        text += i % 2 ? u"<A>" : u"<b>";
    for (int i = 0; i < levels; ++i)
        text += u"</zz>";  // matches nothing: each is a lone end tag
    for (int i = levels; i-- > 0;)
        text += i % 2 ? u"</a>" : u"</B>";
    XmlDocument exact(text);
    EXPECT_FALSE(exact.CheckWellFormed());
    const std::u16string firstLone = u"<lone_end_tag tagname=\"zz\" offset=\"" + std::u16string(u"60000") + u"\"/>";
    EXPECT_EQ(exact.GetReport().substr(0, firstLone.size()), firstLone);

    XmlDocument folded;
    folded.SetFlags(XmlDocument::kIgnoreCase);
    folded.SetText(text);
    EXPECT_EQ(folded.GetReport().find(u"unended_start_tag"), std::u16string::npos);
    EXPECT_EQ(XmlElementIndex::depthOf(folded.Index()[levels]), levels - 1);
    EXPECT_INDEX_MATCHES_TEXT(folded);
    // Case matters without the flag: every "</a>" and "</B>" is lone, every element unended.
    EXPECT_EQ(outline(exact).size(), static_cast<std::size_t>(levels));
    EXPECT_EQ(XmlElementIndex::depthOf(exact.Index()[levels]), 0);
}

TEST(XmlDocumentParse, KeepsTagLengthsTooLongForTheRecord)
{
    // An end tag longer than the record's 10-bit field: adding before it must still land
    // right before the end tag.
    const std::u16string text = u"<r><a/></r" + std::u16string(1500, u' ') + u">";
    XmlDocument d(text);
    ASSERT_TRUE(d.FindElement(u"r"));
    EXPECT_EQ(d.Index().endTagLength(d.CurrentPos()), 1504);
    ASSERT_TRUE(d.EnterElement());
    ASSERT_TRUE(d.AddElement(u"n"));
    EXPECT_EQ(d.GetText(), u"<r><a/><n/>\r\n</r" + std::u16string(1500, u' ') + u">");
    EXPECT_INDEX_MATCHES_TEXT(d);

    // A start tag grown beyond the 22-bit field by an attribute.
    XmlDocument big(u"<r><a/></r>");
    ASSERT_TRUE(big.FindElement(u"r"));
    const std::u16string value(5'000'000, u'v');
    ASSERT_TRUE(big.SetAttribute(u"v", value));
    EXPECT_EQ(big.Index().startTagLength(big.CurrentPos()), 5'000'000 + 8);
    EXPECT_EQ(big.GetAttribute(u"v").size(), value.size());
    ASSERT_TRUE(big.EnterElement());
    ASSERT_TRUE(big.AddElement(u"n"));
    EXPECT_INDEX_MATCHES_TEXT(big);
}

// ---- Navigation ----------------------------------------------------------------------------

TEST(XmlDocumentNavigation, FindElementOnlyMovesForward)
{
    XmlDocument d(u"<r><a i='1'/><b/><a i='2'/><ab/></r>");
    EXPECT_FALSE(d.EnterElement());  // no current element yet
    EXPECT_FALSE(d.LeaveElement());  // already at the document level
    ASSERT_TRUE(d.FindElement(u"r"));
    ASSERT_TRUE(d.EnterElement());
    ASSERT_TRUE(d.FindElement(u"b"));
    ASSERT_TRUE(d.FindElement(u"a"));
    EXPECT_EQ(d.GetAttribute(u"i"), u"2");
    const std::int32_t second = d.CurrentPos();
    EXPECT_FALSE(d.FindElement(u"b"));  // passed already
    EXPECT_FALSE(d.FindElement(u"a"));  // "ab" is another name
    EXPECT_EQ(d.CurrentPos(), second);  // a failed search leaves the position

    // Leaving and entering again resumes at the same child.
    ASSERT_TRUE(d.LeaveElement());
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"r");
    ASSERT_TRUE(d.EnterElement());
    EXPECT_EQ(d.CurrentPos(), second);
    EXPECT_FALSE(d.FindElement(u"b"));

    d.ResetPosition();
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement());
    EXPECT_TRUE(d.FindElement(u"b"));
    EXPECT_TRUE(d.FindElement(u""));  // any name
    EXPECT_TRUE(d.FindElement(u""));
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"ab");
}

// ---- Adding elements -----------------------------------------------------------------------

TEST(XmlDocumentAdd, DeclarationAloneThenTheRootAfterIt)
{
    XmlDocument d;
    EXPECT_FALSE(d.SetText(kDeclaration));
    EXPECT_EQ(d.Index().nextFree(), 1);
    EXPECT_EQ(d.GetReport(), u"<no_root_element/>");
    ASSERT_TRUE(d.AddElement(u"VornicTamsk"));
    EXPECT_EQ(d.GetText(), std::u16string(kDeclaration) + u"<VornicTamsk/>\r\n");
    EXPECT_TRUE(d.CheckWellFormed() || d.GetReport() == u"<no_root_element/>");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

TEST(XmlDocumentAdd, EnteringEachTimeGivesFiveUnindentedLines)
{
    XmlDocument d(kDeclaration);
    ASSERT_TRUE(d.AddElement(u"root") && d.EnterElement());
    ASSERT_TRUE(d.AddElement(u"child") && d.EnterElement());
    ASSERT_TRUE(d.AddElement(u"grandchild"));
    EXPECT_EQ(d.GetText(), std::u16string(kDeclaration) +
                               u"<root>\r\n<child>\r\n<grandchild/>\r\n</child>\r\n</root>\r\n");
    EXPECT_INDEX_MATCHES_TEXT(d);
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"grandchild");
    EXPECT_TRUE(d.LeaveElement() && d.LeaveElement());
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"root");
}

TEST(XmlDocumentAdd, ChildrenOfAnEmptyRootGoBeforeItsEndTag)
{
    XmlDocument d(u"<r/>\r\n");
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement());
    ASSERT_TRUE(d.AddElement(u"c1"));
    EXPECT_EQ(d.GetText(), u"<r>\r\n<c1/>\r\n</r>\r\n");
    EXPECT_INDEX_MATCHES_TEXT(d);
    ASSERT_TRUE(d.AddElement(u"c2"));
    EXPECT_EQ(d.GetText(), u"<r>\r\n<c1/>\r\n<c2/>\r\n</r>\r\n");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

TEST(XmlDocumentAdd, OpensUpParentsWithoutContent)
{
    struct Case {
        std::u16string_view text;
        std::u16string_view parent;
        int flags;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {u"<r></r>", u"r", 0, u"<r>\r\n<c/>\r\n</r>"},
        {u"<r/>", u"r", 0x02, u"<r><c/></r>"},
        {u"<r a='1' />", u"r", 0, u"<r a='1' >\r\n<c/>\r\n</r>"},
        {u"<w><r></w>", u"r", 0, u"<w><r>\r\n<c/>\r\n</r></w>"},  // a start tag without end tag
        {u"<w><r a=b/></w>", u"r", 0, u"<w><r a=b/>\r\n<c/>\r\n</r></w>"},  // the same, "b/" is its value
        {u"<r //>", u"r", 0, u"<r / >\r\n<c/>\r\n</r>"},  // found by fuzzing: still "/>" without the space
    };
    for (const Case& c : cases) {
        XmlDocument d(c.text);
        d.FindElement(u"");
        if (d.TagName(d.CurrentPos()) != c.parent) {
            ASSERT_TRUE(d.EnterElement() && d.FindElement(c.parent)) << ascii(c.text);
        }
        ASSERT_TRUE(d.AddChildElement(u"c", {}, c.flags)) << ascii(c.text);
        EXPECT_EQ(d.GetText(), c.expected) << ascii(c.text);
        EXPECT_EQ(d.Index()[d.CurrentPos()].flags & XmlRecordFlag::kNoEndTag, 0) << ascii(c.text);
        EXPECT_INDEX_MATCHES_TEXT(d) << ascii(c.text);
    }
}

TEST(XmlDocumentAdd, FlagsShapeTheNewElement)
{
    struct Case {
        std::u16string_view value;
        int flags;
        std::u16string_view expected;  // the whole text after adding "n" after "a"
    };
    const Case cases[] = {
        {u"", 0, u"<r>\r\n<a/>\r\n<n/>\r\n</r>\r\n"},
        {u"x<y & \"z\"", 0, u"<r>\r\n<a/>\r\n<n>x&lt;y &amp; \"z\"</n>\r\n</r>\r\n"},
        {u"\"'", 0x100, u"<r>\r\n<a/>\r\n<n>&quot;&apos;</n>\r\n</r>\r\n"},
        {u"&amp; & &#65;", 0x08, u"<r>\r\n<a/>\r\n<n>&amp; &amp; &#65;</n>\r\n</r>\r\n"},
        {u"a]]>b<", 0x01, u"<r>\r\n<a/>\r\n<n><![CDATA[a]]]]><![CDATA[>b<]]></n>\r\n</r>\r\n"},
        {u"", 0x02, u"<r>\r\n<a/><n/>\r\n</r>\r\n"},
        {u"", 0x04, u"<r>\r\n<a/>\r\n<n />\r\n</r>\r\n"},
        {u"", 0x2000, u"<r>\r\n<n/>\r\n<a/>\r\n</r>\r\n"},
        {u"", 0x10, u"<r>\r\n<a/>\r\n<n>\r\n</r>\r\n"},
    };
    for (const Case& c : cases) {
        XmlDocument d(u"<r>\r\n<a/>\r\n</r>\r\n");
        ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement() && d.FindElement(u"a"));
        ASSERT_TRUE(d.AddElement(u"n", c.value, c.flags)) << c.flags;
        EXPECT_EQ(d.GetText(), c.expected) << c.flags;
        EXPECT_EQ(d.TagName(d.CurrentPos()), u"n") << c.flags;
        if (c.flags != 0x10) {  // a lone start tag reads back differently by design
            EXPECT_INDEX_MATCHES_TEXT(d) << c.flags;
        }
    }
}

TEST(XmlDocumentAdd, InsertsFirstWithBeforeAndNoReference)
{
    XmlDocument d(u"<r>\r\n<a/>\r\n</r>");
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement());
    ASSERT_TRUE(d.AddElement(u"n", {}, 0x2000));
    EXPECT_EQ(d.GetText(), u"<r>\r\n<n/>\r\n<a/>\r\n</r>");
    EXPECT_INDEX_MATCHES_TEXT(d);
    d.ResetPosition();
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement() && d.FindElement(u""));
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"n");
}

TEST(XmlDocumentAdd, AddChildElementKeepsThePositionOnTheParent)
{
    XmlDocument d(u"<r/>");
    EXPECT_FALSE(d.AddChildElement(u"c"));  // no current element
    ASSERT_TRUE(d.FindElement(u"r"));
    const std::int32_t r = d.CurrentPos();
    ASSERT_TRUE(d.AddChildElement(u"c1"));
    ASSERT_TRUE(d.AddChildElement(u"c2"));
    EXPECT_EQ(d.CurrentPos(), r);
    EXPECT_EQ(d.TagName(d.ChildPos()), u"c2");
    EXPECT_EQ(d.GetText(), u"<r>\r\n<c1/>\r\n<c2/>\r\n</r>");
    ASSERT_TRUE(d.EnterElement());
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"c2");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

TEST(XmlDocumentAdd, RefusesWhatWouldBreakTheMarkup)
{
    const std::u16string text = u"<r a='1'/>";
    XmlDocument d(text);
    ASSERT_TRUE(d.FindElement(u"r"));
    const std::u16string_view badNames[] = {u"", u"a b", u"a>", u"a/", u"1a", u"/a", u"a=b", u"a\"", u"?x", u"a\r\n"};
    for (const std::u16string_view name : badNames) {
        EXPECT_FALSE(d.AddElement(name)) << ascii(name);
        EXPECT_FALSE(d.AddChildElement(name)) << ascii(name);
        if (!name.empty() && name != u"1a") {  // a digit may start an attribute name
            EXPECT_FALSE(d.SetAttribute(name, u"v")) << ascii(name);
        }
    }
    EXPECT_FALSE(d.SetAttribute(u"", u"v"));
    EXPECT_FALSE(d.AddElement(u"n", u"value", 0x10));  // a start tag alone holds no value
    EXPECT_FALSE(d.AddElement(u"n", {}, 0x1000));      // replacing content is not offered
    EXPECT_EQ(d.GetText(), text);
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"r");

    XmlDocument streaming(text);
    streaming.SetFlags(XmlDocument::kReadStream);
    EXPECT_FALSE(streaming.SetText(u"<x/>"));
    streaming.FindElement(u"r");
    EXPECT_FALSE(streaming.AddElement(u"n"));
    EXPECT_FALSE(streaming.SetAttribute(u"a", u"2"));
    EXPECT_EQ(streaming.GetText(), text);
}

TEST(XmlDocumentAdd, NewElementsAtTheEndGoBeforeMarkupLeftOpen)
{
    // Appended after an unterminated comment, the element would vanish into it on the next read.
    XmlDocument d(u"<r/>\r\n<!-- open");
    ASSERT_TRUE(d.AddElement(u"n"));
    EXPECT_EQ(d.GetText(), u"<r/>\r\n<n/>\r\n<!-- open");
    ASSERT_TRUE(d.AddElement(u"m"));
    EXPECT_EQ(d.GetText(), u"<r/>\r\n<n/>\r\n<m/>\r\n<!-- open");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

// ---- Attributes ----------------------------------------------------------------------------

TEST(XmlDocumentAttributes, DelayTextRoundTripsEscaped)
{
    XmlDocument d(u"<x/>");
    ASSERT_TRUE(d.FindElement(u"x"));
    ASSERT_TRUE(d.SetAttribute(u"t1", u"<50 ms>"));
    EXPECT_EQ(d.GetText(), u"<x t1=\"&lt;50 ms&gt;\"/>");
    EXPECT_EQ(d.GetAttribute(u"t1"), u"<50 ms>");

    const std::u16string quotes = u"say \"hi\", it's";
    ASSERT_TRUE(d.SetAttribute(u"q", quotes));
    EXPECT_EQ(d.GetAttribute(u"q"), quotes);
    EXPECT_EQ(d.GetAttribute(u"missing"), u"");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

TEST(XmlDocumentAttributes, ReplacingKeepsThePlaceInTheTag)
{
    XmlDocument d(u"<e/>");
    ASSERT_TRUE(d.FindElement(u"e"));
    ASSERT_TRUE(d.SetAttribute(u"a", 1));
    ASSERT_TRUE(d.SetAttribute(u"b", -2));
    ASSERT_TRUE(d.SetAttribute(u"a", u"longer value"));
    EXPECT_EQ(d.GetText(), u"<e a=\"longer value\" b=\"-2\"/>");
    ASSERT_TRUE(d.SetAttribute(u"a", INT_MIN));
    EXPECT_EQ(d.GetText(), u"<e a=\"-2147483648\" b=\"-2\"/>");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

TEST(XmlDocumentAttributes, WritesIntoTagsAsTheyWereWritten)
{
    struct Case {
        std::u16string_view text;
        std::u16string_view name;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {u"<e/>", u"n", u"<e n=\"1\"/>"},
        {u"<e />", u"n", u"<e n=\"1\" />"},
        {u"<e></e>", u"n", u"<e n=\"1\"></e>"},
        {u"<e a='x' ></e>", u"n", u"<e a='x' n=\"1\" ></e>"},
        {u"<e a='x'/>", u"a", u"<e a=\"1\"/>"},
        {u"<e a=x></e>", u"a", u"<e a=\"1\"></e>"},
        {u"<e a></e>", u"a", u"<e a=\"1\"></e>"},           // a bare name gets its value
        {u"<e a=></e>", u"n", u"<e a=\"\" n=\"1\"></e>"},   // "=" without value keeps its own
        {u"<e a=x/></e>", u"n", u"<e a=x/ n=\"1\"></e>"},  // the slash belongs to the value
    };
    for (const Case& c : cases) {
        XmlDocument d(c.text);
        ASSERT_TRUE(d.FindElement(u"e")) << ascii(c.text);
        ASSERT_TRUE(d.SetAttribute(c.name, 1)) << ascii(c.text);
        EXPECT_EQ(d.GetText(), c.expected) << ascii(c.text);
        EXPECT_EQ(d.GetAttribute(c.name), u"1") << ascii(c.text);
        EXPECT_INDEX_MATCHES_TEXT(d) << ascii(c.text);
    }
}

// A run of settings on one element, as a writer makes them, must write exactly what the same
// settings write when the document is parsed afresh before each one.
TEST(XmlDocumentAttributes, SettingsInARowMatchSettingsAfterAFreshParse)
{
    const std::u16string_view tags[] = {
        u"<e/>", u"<e a=\"1\"/>", u"<e a/>", u"<e a=x>", u"<e a=></e>", u"<e 'q' a='x'>",
        u"<e ; a=\"1\">", u"<e a=\"1\"  >", u"<e\r\na=\"1\"\r\n/>", u"<e a=x/></e>",
    };
    const std::pair<std::u16string_view, std::u16string_view> settings[] = {
        {u"n1", u"v&\"1'"}, {u"n2", u""}, {u"a", u"new"}, {u"n3", u"<50 ms>"}, {u"n1", u"again"}, {u"n4", u"4"},
    };
    for (std::u16string_view tag : tags) {
        XmlDocument inARow(tag);
        ASSERT_TRUE(inARow.FindElement(u"e"));
        std::u16string fresh(tag);
        for (const auto& [name, value] : settings) {
            XmlDocument reparsed(fresh);
            ASSERT_TRUE(reparsed.FindElement(u"e"));
            ASSERT_EQ(reparsed.SetAttribute(name, value), inARow.SetAttribute(name, value)) << ascii(tag);
            fresh = reparsed.GetText();
            ASSERT_EQ(ascii(inARow.GetText()), ascii(fresh)) << ascii(tag) << " after " << ascii(name);
            EXPECT_EQ(inARow.GetAttribute(name), value) << ascii(tag) << " " << ascii(name);
            EXPECT_INDEX_MATCHES_TEXT(inARow) << ascii(tag);
        }
    }
}

TEST(XmlDocumentAttributes, ReadingFollowsTheDocumentFlags)
{
    XmlDocument d(u"<e a='  x  y  ' B='1'/>");
    ASSERT_TRUE(d.FindElement(u"e"));
    EXPECT_EQ(d.GetAttribute(u"a"), u"  x  y  ");
    EXPECT_EQ(d.GetAttribute(u"b"), u"");
    d.SetFlags(XmlDocument::kTrimValues);
    EXPECT_EQ(d.GetAttribute(u"a"), u"x  y");
    d.SetFlags(XmlDocument::kCollapseValues | XmlDocument::kIgnoreCase);
    EXPECT_EQ(d.GetAttribute(u"a"), u"x y");
    EXPECT_EQ(d.GetAttribute(u"b"), u"1");
    d.ResetPosition();
    EXPECT_EQ(d.GetAttribute(u"a"), u"");
    EXPECT_FALSE(d.SetAttribute(u"a", u"v"));
}

// Names alike in length and first letter, repeated names and names differing in case: the
// first attribute of exactly that name counts, or ignoring case with the flag.
TEST(XmlDocumentAttributes, FindsTheFirstAttributeOfTheName)
{
    struct Case {
        int flags;
        std::u16string_view name;
        std::u16string_view value;
    };
    const Case cases[] = {
        {0, u"ab", u"1"}, {0, u"ac", u"2"}, {0, u"AB", u"3"}, {0, u"Ab", u""}, {0, u"a", u""}, {0, u"abc", u"5"},
        {XmlDocument::kIgnoreCase, u"AB", u"1"}, {XmlDocument::kIgnoreCase, u"aC", u"2"},
        {XmlDocument::kIgnoreCase, u"ABC", u"5"},
    };
    for (const Case& c : cases) {
        XmlDocument d(u"<e ab='1' ac='2' AB='3' ab='4' abc='5'/>");
        d.SetFlags(c.flags);
        ASSERT_TRUE(d.FindElement(u"e"));
        EXPECT_EQ(d.GetAttribute(c.name), c.value) << ascii(c.name) << " " << c.flags;
        ASSERT_TRUE(d.SetAttribute(c.name, u"new"));
        EXPECT_EQ(d.GetAttribute(c.name), u"new") << ascii(c.name) << " " << c.flags;
        EXPECT_INDEX_MATCHES_TEXT(d);
    }
    XmlDocument d(u"<e ab='1' ac='2' AB='3' ab='4'/>");
    ASSERT_TRUE(d.FindElement(u"e"));
    ASSERT_TRUE(d.SetAttribute(u"ab", u"x"));
    EXPECT_EQ(d.GetText(), u"<e ab=\"x\" ac='2' AB='3' ab='4'/>");
}

TEST(XmlDocumentAttributes, SettingOnAParentShiftsItsWholeSubtree)
{
    XmlDocument d(u"<r><a><b/></a><c/></r><!-- tail -->");
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement() && d.FindElement(u"a"));
    ASSERT_TRUE(d.SetAttribute(u"x", u"12345"));
    EXPECT_INDEX_MATCHES_TEXT(d);
    ASSERT_TRUE(d.SetAttribute(u"x", u""));
    EXPECT_INDEX_MATCHES_TEXT(d);
    d.ResetPosition();
    ASSERT_TRUE(d.FindElement(u"r"));
    ASSERT_TRUE(d.SetAttribute(u"y", u"\u4E2D"));
    EXPECT_EQ(d.GetText(), u"<r y=\"\u4E2D\"><a x=\"\"><b/></a><c/></r><!-- tail -->");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

// A name or value may be a piece of the document's own text, which moves when it grows.
TEST(XmlDocumentEdits, TakeNamesAndValuesFromTheDocumentsOwnText)
{
    std::u16string text = u"<e a=\"1\"/>";
    text.append(2000, u'x');
    XmlDocument d(text);
    ASSERT_TRUE(d.FindElement(u"e"));
    const std::u16string_view own = d.GetText();
    ASSERT_TRUE(d.SetAttribute(own.substr(1, 1), own));  // "e" = the whole text
    EXPECT_EQ(d.GetAttribute(u"e"), text);
    const std::u16string_view after = d.GetText();
    ASSERT_TRUE(d.SetAttribute(after.substr(3, 1), after.substr(0, 9)));  // "a" = "<e a=\"1\" "
    EXPECT_EQ(d.GetAttribute(u"a"), u"<e a=\"1\" ");
    EXPECT_EQ(d.GetAttribute(u"e"), text);

    const std::u16string before = d.GetText();
    const std::u16string_view whole = d.GetText();
    ASSERT_TRUE(d.AddChildElement(whole.substr(1, 1), whole));  // <e>the whole text, escaped</e>
    ASSERT_TRUE(d.EnterElement());  // onto the new child
    const std::u16string_view added =
        std::u16string_view(d.GetText()).substr(static_cast<std::size_t>(d.Index()[d.CurrentPos()].start));
    EXPECT_EQ(added.substr(0, 3), u"<e>");
    EXPECT_EQ(XmlDocument::DecodeEntities(added.substr(3, added.find(u"</e>") - 3)), before);
    EXPECT_INDEX_MATCHES_TEXT(d);
}

// Many edits in random places: after each one, the index must still match the text.
TEST(XmlDocumentEdits, IndexFollowsEverySplice)
{
    const std::u16string_view starts[] = {
        u"<?xml version=\"1.0\"?>\r\n<r>\r\n<a/>\r\n<b x='1'>text<c/></b>\r\n</r>\r\n",
        u"<r><u><a/><p></p></r><!-- tail",
        u"<a/><b><c></b>",
    };
    const int flagChoices[] = {0, 0x02, 0x04, 0x2000, 0x02 | 0x2000, 0x01};
    for (std::size_t s = 0; s < std::size(starts); ++s) {
        std::mt19937 random(static_cast<unsigned>(s) + 7);
        XmlDocument d(starts[s]);
        for (int step = 0; step < 700; ++step) {
            const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
            switch (pick(9)) {
            case 0:
            case 1:
                d.AddElement(pick(2) ? u"e" : u"f", pick(3) == 0 ? u"v<&>" : u"", flagChoices[pick(6)]);
                break;
            case 2:
                d.AddChildElement(u"k", {}, flagChoices[pick(6)]);
                break;
            case 3:
            case 4:
                d.SetAttribute(pick(2) ? u"n" : u"m", std::u16string(static_cast<std::size_t>(pick(12)), u'&'));
                break;
            case 5:
                d.FindElement(pick(2) ? u"" : u"e");
                break;
            case 6:
                d.EnterElement();
                break;
            case 7:
                d.LeaveElement();
                break;
            default:
                if (pick(4) == 0)
                    d.ResetPosition();
            }
            const std::string mismatch = XmlIndexCheck::compare(d);
            ASSERT_EQ(mismatch, "") << "start " << s << ", step " << step << ": " << ascii(d.GetText());
        }
        // The walk must have built something worth checking.
        EXPECT_GT(d.Index().nextFree(), 150) << s;
    }
}

// Splices deep inside a document change the lengths of all the enclosing elements, also where
// the nesting is deeper than the remembered path of ancestors reaches.
TEST(XmlDocumentEdits, DeepSplicesReachEveryAncestor)
{
    XmlDocument d(u"<r/>");
    ASSERT_TRUE(d.FindElement(u"r"));
    for (int depth = 1; depth < 1100; ++depth) {
        ASSERT_TRUE(d.AddChildElement(u"e"));
        ASSERT_TRUE(d.EnterElement());  // onto the new child
        if (depth % 50 == 0) {
            ASSERT_TRUE(d.SetAttribute(u"d", depth));
        }
    }
    ASSERT_TRUE(d.SetAttribute(u"deepest", u"yes"));
    for (int up = 0; up < 600; ++up)
        ASSERT_TRUE(d.LeaveElement());
    ASSERT_TRUE(d.SetAttribute(u"middle", u"yes"));
    ASSERT_TRUE(d.AddElement(u"sibling"));
    EXPECT_INDEX_MATCHES_TEXT(d);
    EXPECT_EQ(d.Index()[1].length, static_cast<std::int32_t>(d.GetText().size()));
}

// ---- Reserving room ------------------------------------------------------------------------

// Builds a document shaped like a profile file, with values that need escaping.
void buildProfileLike(XmlDocument& d)
{
    d.AddElement(u"root");
    d.EnterElement();
    for (int section = 0; section < 3; ++section) {
        d.AddElement(u"List");
        d.SetAttribute(u"SizeOfView", section * 3);
        d.SetAttribute(u"Delay", -30);
        d.EnterElement();
        for (int i = 0; i < 40; ++i) {
            d.AddElement(u"x");
            d.SetAttribute(u"ID", i);
            d.SetAttribute(u"t1", i % 2 ? u"<50 ms>" : u"A & \"B\" '\u4E2D' Down");
            d.EnterElement();
            d.AddElement(u"List");
            d.SetAttribute(u"Cycles", 1);
            d.LeaveElement();
        }
        d.LeaveElement();
    }
    d.LeaveElement();
}

// A reservation changes where the memory comes from, never what is built in it: the same
// calls give the same text and an index that matches it. Within the reservation the text is
// never copied to a new place.
TEST(XmlDocumentReserve, BuildsTheSameDocumentWithoutMovingTheText)
{
    XmlDocument plain(kDeclaration);
    buildProfileLike(plain);
    const std::size_t length = plain.GetText().size();
    const std::int32_t elements = plain.Index().nextFree() - 1;

    struct Case {
        std::size_t textLength;
        std::int32_t elements;
        bool textStays;
    };
    const Case cases[] = {
        {length, elements, true},          // exactly what the document needs
        {length * 2, elements * 2, true},  // more than it needs
        {length / 3, elements / 3, false}, // too little: it grows past the reservation
        {0, 0, false},
    };
    for (const Case& c : cases) {
        XmlDocument reserved(kDeclaration);
        reserved.Reserve(c.textLength, c.elements);
        const char16_t* before = reserved.GetText().data();
        buildProfileLike(reserved);
        EXPECT_EQ(reserved.GetText(), plain.GetText()) << c.textLength;
        EXPECT_EQ(reserved.Index().nextFree(), plain.Index().nextFree()) << c.textLength;
        EXPECT_INDEX_MATCHES_TEXT(reserved) << c.textLength;
        if (c.textStays) {
            EXPECT_EQ(reserved.GetText().data(), before) << c.textLength;
        }
    }
}

// Reserving keeps the text, the position and the report as they are.
TEST(XmlDocumentReserve, ChangesNothingElse)
{
    XmlDocument d(u"<r><a/><b/></r>");
    ASSERT_TRUE(d.FindElement(u"r") && d.EnterElement() && d.FindElement(u"b"));
    const std::u16string report = d.GetReport();
    d.Reserve(10000, 500);
    EXPECT_EQ(d.GetText(), u"<r><a/><b/></r>");
    EXPECT_EQ(d.GetReport(), report);
    EXPECT_EQ(d.TagName(d.CurrentPos()), u"b");
    EXPECT_EQ(d.TagName(d.ParentPos()), u"r");
    d.Reserve(1, 1);  // smaller than what the document holds
    EXPECT_EQ(d.GetText(), u"<r><a/><b/></r>");
    EXPECT_INDEX_MATCHES_TEXT(d);
}

// ---- Report --------------------------------------------------------------------------------

TEST(XmlDocumentReport, EntriesPutEachValueInItsAttribute)
{
    struct Case {
        std::u16string_view entry;
        bool withText;
        int flags;
        int number;
        int number2;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {u"read", true, 0x08 | 0x10, 12, -1, u"<read encoding=\"UTF-8\" length=\"12\"/>"},
        {u"file_error", true, 0x40 | 0x04, 2, -1, u"<file_error msg=\"UTF-8\" n=\"2\"/>"},
        {u"unterminated_tag_syntax", true, 0x02, 4, -1, u"<unterminated_tag_syntax type=\"UTF-8\" offset=\"4\"/>"},
        {u"nulls_removed", false, 0x01, 3, -1, u"<nulls_removed count=\"3\"/>"},
        {u"unended_start_tag", true, 0, 6, 10, u"<unended_start_tag tagname=\"UTF-8\" offset=\"6\" offset2=\"10\"/>"},
        {u"bom", false, 0, -1, -1, u"<bom/>"},
    };
    for (const Case& c : cases) {
        std::u16string report;
        XmlDocument::AddReportEntry(report, c.entry,
                                    c.withText ? std::optional<std::u16string_view>(u"UTF-8") : std::nullopt, c.flags,
                                    c.number, c.number2);
        EXPECT_EQ(report, c.expected) << ascii(c.entry);
    }
    std::u16string report;
    XmlDocument::AddReportEntry(report, u"file_error", u"a \"b\" <c> & d", 0x40, 5);
    EXPECT_EQ(report, u"<file_error msg=\"a &quot;b&quot; &lt;c&gt; &amp; d\" offset=\"5\"/>");
}

TEST(XmlDocumentReport, AmendsTheFirstEntryOfAName)
{
    std::u16string report = u"<read encoding=\"\" length=\"5\"/><utf8_detection/><read length=\"1\"/>";
    XmlDocument::AddReportEntry(report, u"read", u"UTF-8", XmlDocument::kReportAmend | XmlDocument::kReportEncoding);
    EXPECT_EQ(report, u"<read encoding=\"UTF-8\" length=\"5\"/><utf8_detection/><read length=\"1\"/>");
    XmlDocument::AddReportEntry(report, u"write", std::nullopt, XmlDocument::kReportAmend | XmlDocument::kReportLength, 7);
    EXPECT_EQ(report, u"<read encoding=\"UTF-8\" length=\"5\"/><utf8_detection/><read length=\"1\"/><write length=\"7\"/>");
}

TEST(XmlDocumentReport, StopsGrowingAtAThousandCharacters)
{
    std::u16string report;
    std::size_t before = 0;
    while (report.size() < XmlDocument::kReportCap) {
        before = report.size();
        XmlDocument::AddReportEntry(report, u"lone_end_tag", u"name", 0, 123456);
    }
    EXPECT_LT(before, 1000u);
    const std::u16string full = report;
    XmlDocument::AddReportEntry(report, u"bom", std::nullopt, 0);
    EXPECT_EQ(report, full);

    // Parsing a text full of errors obeys the same cap.
    std::u16string text = u"<r>";
    for (int i = 0; i < 500; ++i)
        text += u"</x>";
    XmlDocument d(text + u"</r>");
    EXPECT_GE(d.GetReport().size(), 1000u);
    EXPECT_LT(d.GetReport().size(), 1100u);
}

}  // namespace
