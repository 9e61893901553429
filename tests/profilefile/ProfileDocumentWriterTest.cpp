#include "ProfileDocumentWriter.h"

#include "ProfileFileTestSupport.h"
#include "ProfileTestSupport.h"
#include "XmlDocument.h"

#include <gtest/gtest.h>

namespace {

using ProfileFileTest::ascii16;
using ProfileFileTest::utf8;

std::u16string emptyList(int sizeOfView)
{
    return u"<List SizeOfView=\"" + ascii16(std::to_string(sizeOfView))
        + u"\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"/>\r\n";
}

std::u16string documentOf(const KeyboardProfile& profile)
{
    XmlDocument document;
    ProfileDocumentWriter::write(profile, document);
    return document.GetText();
}

TEST(ProfileDocumentWriter, FreshProfileGivesTheExpectedFileByteForByte)
{
    std::u16string expected = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<VornicTamsk>\r\n";
    expected += u"<PredefinedCombo>\r\n" + emptyList(6) + u"</PredefinedCombo>\r\n";
    expected += u"<PredefinedMacro>\r\n" + emptyList(9) + u"</PredefinedMacro>\r\n";
    expected += u"<PredefinedEmu>\r\n" + emptyList(9) + u"</PredefinedEmu>\r\n";
    expected += u"<BackgroundLightSettings>\r\n";
    for (int key = 1; key <= 87; ++key)
        expected += u"<AREA ID=\"" + ascii16(std::to_string(key)) + u"\" Red=\"0\" Green=\"0\" Blue=\"0\"/>\r\n";
    expected += u"</BackgroundLightSettings>\r\n<CurrentSettings>\r\n";
    for (int key = 1; key <= 87; ++key) {
        for (int layer = 0; layer < 2; ++layer) {
            const std::u16string id = ascii16(std::to_string(key));
            // A fresh entry's list was never given a view size: 0.
            expected += u"<KEY ID=\"" + id + u"\" Level=\"" + ascii16(std::to_string(layer)) + u"\" Mode=\"0\" HWCode=\""
                + id + u"\">\r\n<ComboKey>\r\n" + emptyList(0) + u"</ComboKey>\r\n</KEY>\r\n";
        }
    }
    expected += u"</CurrentSettings>\r\n</VornicTamsk>\r\n";

    const std::u16string text = documentOf(*startedProfile());
    EXPECT_EQ(utf8(text), utf8(expected));
    // 1 declaration + 1 root + 3 x 3 collections + 89 lights + 2 + 174 x 5 keys + 1 root end.
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 973);
}

TEST(ProfileDocumentWriter, MacroCollectionEntryIsWrittenAsFourteenLines)
{
    auto profile = startedProfile();
    ActionList macro = listOf({u"A Down", u"<50 ms>"});
    macro.Cycles = 3;
    ActionList::selectOrAddDefault(profile->predefinedMacro, macro);

    const std::u16string text = documentOf(*profile);
    const std::size_t begin = text.find(u"<PredefinedMacro>");
    const std::u16string endTag = u"</PredefinedMacro>\r\n";
    const std::size_t end = text.find(endTag);
    ASSERT_NE(begin, std::u16string::npos);
    ASSERT_NE(end, std::u16string::npos);
    const std::u16string section = text.substr(begin, end + endTag.size() - begin);

    const std::u16string expected =
        u"<PredefinedMacro>\r\n"
        u"<List SizeOfView=\"9\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\">\r\n"
        u"<x ID=\"0\" t1=\"default\">\r\n"
        u"<List SizeOfView=\"9\" ViewStartAt=\"0\" CursorPos=\"1\" Cycles=\"3\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\">\r\n"
        u"<x ID=\"0\" t1=\"A Down\">\r\n"
        u"<List SizeOfView=\"9\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"/>\r\n"
        u"</x>\r\n"
        u"<x ID=\"1\" t1=\"&lt;50 ms&gt;\">\r\n"
        u"<List SizeOfView=\"9\" ViewStartAt=\"0\" CursorPos=\"0\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\"/>\r\n"
        u"</x>\r\n"
        u"</List>\r\n"
        u"</x>\r\n"
        u"</List>\r\n"
        u"</PredefinedMacro>\r\n";
    EXPECT_EQ(utf8(section), utf8(expected));
    EXPECT_EQ(std::count(section.begin(), section.end(), u'\n'), 14);
}

TEST(ProfileDocumentWriter, WritesLightsAndEveryEntrysKindCodeAndActions)
{
    auto profile = startedProfile();
    profile->keyLights[1] = {255, 128, 0};
    profile->keyLights[87] = {1, 2, 3};
    profile->assignment(70, 1) = {Kind::Single, 70, {}};
    profile->assignment(5, 0).kind = Kind::Combo;
    profile->assignment(5, 0).actions = listOf({u"Left CONTROL", u"C"}, 6);
    profile->assignment(9, 0) = {42, -3, {}};  // odd values a file may have brought in are kept

    const std::u16string text = documentOf(*profile);
    for (const char16_t* line : {
             u"\r\n<AREA ID=\"1\" Red=\"255\" Green=\"128\" Blue=\"0\"/>\r\n",
             u"\r\n<AREA ID=\"87\" Red=\"1\" Green=\"2\" Blue=\"3\"/>\r\n",
             u"\r\n<KEY ID=\"70\" Level=\"1\" Mode=\"1\" HWCode=\"70\">\r\n",
             u"\r\n<KEY ID=\"9\" Level=\"0\" Mode=\"42\" HWCode=\"-3\">\r\n",
             u"\r\n<KEY ID=\"5\" Level=\"0\" Mode=\"2\" HWCode=\"5\">\r\n<ComboKey>\r\n<List SizeOfView=\"6\" ViewStartAt=\"0\" "
             u"CursorPos=\"1\" Cycles=\"1\" IsAutoInterval=\"0\" Delay=\"30\" PlayMode=\"0\">\r\n<x ID=\"0\" t1=\"Left CONTROL\">\r\n",
         })
        EXPECT_NE(text.find(line), std::u16string::npos) << utf8(line);
}

}  // namespace
