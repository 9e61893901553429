// The file form of an ActionList: writeToXml, ActionListReader and the reader's limits.
#include "ActionList.h"
#include "ActionListReader.h"
#include "ProfileFileTestSupport.h"
#include "XmlDocument.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using ProfileFileTest::kDeclaration;
using ProfileFileTest::sameList;
using ProfileFileTest::utf8;

constexpr std::u16string_view kEmptyChild =
    u"<List SizeOfView=\"9\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"/>\r\n";

ActionList macroWithEveryField()
{
    ActionList list;
    list.SizeOfView = 9;
    for (const char16_t* line : {u"A Down", u"<50 ms>", u"Tom & \"Jerry's\" 宏"})
        list.setOrAppend(ActionList::kAppendRow, line);
    list.ViewStartAt = 2;
    list.CursorPos = 1;
    list.Cycles = 3;
    list.IsAutoInterval = true;
    list.Delay = 250;
    list.PlayMode = 2;
    return list;
}

// Reads the first List of a document made from text.
ActionList readList(std::u16string_view text, ActionList list = ActionList())
{
    XmlDocument document;
    document.SetText(text);
    ActionListReader(document).read(list);
    return list;
}

TEST(ActionListXml, WritesTheListAndEveryLineWithItsChild)
{
    XmlDocument document;
    document.SetText(kDeclaration);
    EXPECT_TRUE(macroWithEveryField().writeToXml(document));

    const std::u16string expected = std::u16string(kDeclaration)
        + u"<List SizeOfView=\"9\" ViewStartAt=\"2\" CursorPos=\"1\" Cycles=\"3\" IsAutoInterval=\"1\" Delay=\"250\" PlayMode=\"2\">\r\n"
        + u"<x ID=\"0\" t1=\"A Down\">\r\n" + std::u16string(kEmptyChild) + u"</x>\r\n"
        + u"<x ID=\"1\" t1=\"&lt;50 ms&gt;\">\r\n" + std::u16string(kEmptyChild) + u"</x>\r\n"
        + u"<x ID=\"2\" t1=\"Tom &amp; &quot;Jerry&apos;s&quot; 宏\">\r\n" + std::u16string(kEmptyChild) + u"</x>\r\n"
        + u"</List>\r\n";
    EXPECT_EQ(utf8(document.GetText()), utf8(expected));
}

TEST(ActionListXml, RoundTripKeepsEveryFieldOfEveryLevel)
{
    ActionList collection;
    collection.SizeOfView = 9;
    collection.setOrAppend(ActionList::kAppendRow, u"first & <best>");
    collection.setOrAppend(ActionList::kAppendRow, u"");
    collection.storeChild(0, macroWithEveryField());
    collection.selectIndex(0);
    collection.Delay = -7;  // the list form carries whatever the fields hold

    XmlDocument written;
    written.SetText(kDeclaration);
    collection.writeToXml(written);

    ActionList read;
    read.SizeOfView = 123;
    read.setOrAppend(ActionList::kAppendRow, u"stale");
    XmlDocument document;
    document.SetText(written.GetText());
    ActionListReader(document).read(read);
    EXPECT_TRUE(sameList(read, collection));
}

TEST(ActionListXml, ReadsGapsRepeatsAndMissingAttributes)
{
    struct Case {
        const char* name;
        std::u16string_view text;
        std::function<void(const ActionList&)> check;
    };
    const Case cases[] = {
        {"no List element: cleared, view size kept", u"<Other SizeOfView=\"4\"/>",
         [](const ActionList& l) {
             EXPECT_EQ(l.SizeOfView, 77);
             EXPECT_TRUE(l.lines.empty());
             EXPECT_EQ(l.Cycles, 1);
             EXPECT_EQ(l.Delay, 30);
         }},
        {"missing attributes read as 0, not as the defaults", u"<List/>",
         [](const ActionList& l) {
             EXPECT_EQ(l.SizeOfView, 0);
             EXPECT_EQ(l.Cycles, 0);
             EXPECT_EQ(l.Delay, 0);
             EXPECT_FALSE(l.IsAutoInterval);
         }},
        {"IsAutoInterval other than 0 is true", u"<List IsAutoInterval=\"5\"/>",
         [](const ActionList& l) { EXPECT_TRUE(l.IsAutoInterval); }},
        {"numbers with blanks, sign and trailing text", u"<List Delay=\" -12ms\" Cycles=\"+4\" PlayMode=\"x\"/>",
         [](const ActionList& l) {
             EXPECT_EQ(l.Delay, -12);
             EXPECT_EQ(l.Cycles, 4);
             EXPECT_EQ(l.PlayMode, 0);
         }},
        {"a gap in the IDs leaves an empty line with a new child",
         u"<List SizeOfView=\"9\"><x ID=\"0\" t1=\"A\"><List SizeOfView=\"9\"/></x><x ID=\"2\" t1=\"C\"><List/></x></List>",
         [](const ActionList& l) {
             ASSERT_EQ(l.lines, (std::vector<std::u16string>{u"A", u"", u"C"}));
             ASSERT_EQ(l.children.size(), 3u);
             EXPECT_TRUE(sameList(l.children[1], ActionList()));
             EXPECT_EQ(l.children[0].SizeOfView, 9);
         }},
        {"any order, a repeated ID overwrites",
         u"<List><x ID=\"1\" t1=\"B\"/><x ID=\"0\" t1=\"A\"/><x ID=\"1\" t1=\"b\"><List Cycles=\"5\"/></x></List>",
         [](const ActionList& l) {
             EXPECT_EQ(l.lines, (std::vector<std::u16string>{u"A", u"b"}));
             EXPECT_EQ(l.children[1].Cycles, 5);
         }},
        {"an x without List gets a cleared child; without ID it is line 0", u"<List><x t1=\"only\"/></List>",
         [](const ActionList& l) {
             EXPECT_EQ(l.lines, std::vector<std::u16string>{u"only"});
             EXPECT_TRUE(sameList(l.children[0], ActionList()));
         }},
        {"other elements are passed over",
         u"<List Delay=\"9\"><!-- c --><y ID=\"0\" t1=\"no\"/><x ID=\"0\" t1=\"yes\"/>text</List>",
         [](const ActionList& l) {
             EXPECT_EQ(l.lines, std::vector<std::u16string>{u"yes"});
             EXPECT_EQ(l.Delay, 9);
         }},
        {"references in t1 are decoded", u"<List><x ID=\"0\" t1=\"&lt;50 ms&gt; &amp; &#x41;&quot;\"/></List>",
         [](const ActionList& l) { EXPECT_EQ(l.lines, std::vector<std::u16string>{u"<50 ms> & A\""}); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ActionList start;
        start.SizeOfView = 77;
        start.setOrAppend(ActionList::kAppendRow, u"stale");
        start.Cycles = 9;
        c.check(readList(c.text, start));
    }
}

TEST(ActionListXml, AutoIntervalFiveIsWrittenBackAsOne)
{
    XmlDocument document;
    document.SetText(kDeclaration);
    readList(u"<List IsAutoInterval=\"5\"/>").writeToXml(document);
    EXPECT_NE(document.GetText().find(u" IsAutoInterval=\"1\" "), std::u16string::npos) << utf8(document.GetText());
}

TEST(ActionListReaderLimits, LineIdsOutsideTheBoundAreIgnored)
{
    struct Case {
        std::u16string_view id;
        std::size_t lines;
    };
    const Case cases[] = {
        {u"-1", 1}, {u"-2147483648", 1}, {u"65536", 1}, {u"4294967296", 1}, {u"99999999999999999999", 1},
        {u"65535", 65536},  // the highest line a list may have
    };
    for (const Case& c : cases) {
        const ActionList list = readList(u"<List><x ID=\"0\" t1=\"kept\"/><x ID=\"" + std::u16string(c.id)
                                         + u"\" t1=\"far\"><List Cycles=\"3\"/></x></List>");
        ASSERT_EQ(list.lines.size(), c.lines) << utf8(c.id);
        ASSERT_EQ(list.children.size(), c.lines) << utf8(c.id);
        EXPECT_EQ(list.lines.front(), u"kept");
        if (c.lines > 1) {
            EXPECT_EQ(list.lines.back(), u"far");
            EXPECT_EQ(list.children.back().Cycles, 3);
        }
    }
}

TEST(ActionListReaderLimits, DeepNestingIsCutAtTheDepthLimit)
{
    // Far deeper than any stack would survive if every level were read.
    constexpr int kLevels = 100000;
    std::u16string text;
    text.reserve(kLevels * 36);
    for (int i = 0; i < kLevels; ++i)
        text += u"<List Cycles=\"2\"><x ID=\"0\" t1=\"n\">";
    for (int i = 0; i < kLevels; ++i)
        text += u"</x></List>";

    const ActionList list = readList(text);
    int depth = 0;
    const ActionList* level = &list;
    for (; !level->lines.empty(); level = &level->children.front()) {
        ++depth;
        EXPECT_EQ(level->Cycles, 2) << depth;
        EXPECT_EQ(level->lines.front(), u"n") << depth;
    }
    EXPECT_EQ(depth, ActionListReader::kMaxDepth);
    EXPECT_TRUE(sameList(*level, ActionList())) << "the deepest line keeps a new child";
}

TEST(ActionListReaderLimits, LinesOfOneLoadStopAtTheBudget)
{
    // Three lists that each ask for 40 lines, against a budget of 100: the third is skipped.
    std::u16string text = u"<List>";
    for (int entry = 0; entry < 3; ++entry)
        text += u"<x ID=\"" + ProfileFileTest::ascii16(std::to_string(entry)) + u"\"><List><x ID=\"39\" t1=\"z\"/></List></x>";
    text += u"</List>";

    XmlDocument document;
    document.SetText(text);
    ActionList list;
    ActionListReader(document, 100).read(list);
    ASSERT_EQ(list.lines.size(), 3u);
    EXPECT_EQ(list.children[0].lines.size(), 40u);
    EXPECT_EQ(list.children[1].lines.size(), 40u);
    EXPECT_TRUE(list.children[2].lines.empty()) << "40 more lines would pass the budget";
}

}  // namespace
