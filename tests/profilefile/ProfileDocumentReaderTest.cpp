#include "ProfileDocumentReader.h"

#include "ProfileDocumentWriter.h"
#include "ProfileFileTestSupport.h"
#include "ProfileTestSupport.h"
#include "XmlDocument.h"

#include <gtest/gtest.h>

namespace {

using ProfileFileTest::ascii16;
using ProfileFileTest::sameContent;
using ProfileFileTest::sameList;

// A profile that uses every field the file carries, with names that need escaping.
std::unique_ptr<KeyboardProfile> busyProfile()
{
    auto profile = startedProfile();
    ActionList macro = listOf({u"A Down", u"<50 ms>", u"A UP"});
    macro.Cycles = 255;
    macro.IsAutoInterval = true;
    macro.Delay = 60000;
    macro.PlayMode = 2;
    profile->predefinedMacro.setOrAppend(ActionList::kAppendRow, u"Tom & \"Jerry's\" <macro>");
    profile->predefinedMacro.storeChild(0, macro);
    profile->predefinedMacro.setOrAppend(ActionList::kAppendRow, u"宏定义1");
    profile->predefinedCombo.setOrAppend(ActionList::kAppendRow, u"New Combo 1");
    profile->predefinedCombo.storeChild(0, listOf({u"Left CONTROL", u"C"}, 6));
    profile->predefinedEmulation.selectIndex(-1);  // an empty list's view as a user may leave it
    profile->predefinedEmulation.ViewStartAt = -1;

    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        profile->keyLights[static_cast<std::size_t>(key)] = {key, 255 - key, (key * 7) % 256};
        for (int layer = 0; layer < 2; ++layer) {
            KeyAssignment& entry = profile->assignment(key, layer);
            entry.kind = (key + layer) % 9;
            entry.code = key * 3 + layer;
        }
    }
    profile->assignment(3, 1).actions = macro;
    profile->assignment(4, 0).actions = listOf({u"A", u"B"});
    profile->assignment(4, 0).actions.Delay = 6000;
    profile->assignment(4, 0).actions.ViewStartAt = 1;
    profile->assignment(4, 0).actions.CursorPos = 5;
    return profile;
}

XmlDocument documentFrom(std::u16string_view text)
{
    XmlDocument document;
    document.SetText(text);
    return document;
}

std::u16string writtenText(const KeyboardProfile& profile)
{
    XmlDocument document;
    ProfileDocumentWriter::write(profile, document);
    return document.GetText();
}

// A profile file around the given lights and keys sections (the collections left empty).
std::u16string fileWith(std::u16string_view lights, std::u16string_view keys)
{
    return std::u16string(ProfileFileTest::kDeclaration)
        + u"<VornicTamsk><PredefinedCombo/><PredefinedMacro/><PredefinedEmu/><BackgroundLightSettings>"
        + std::u16string(lights) + u"</BackgroundLightSettings><CurrentSettings>" + std::u16string(keys)
        + u"</CurrentSettings></VornicTamsk>";
}

TEST(ProfileDocumentReader, RoundTripGivesBackEverything)
{
    const auto original = busyProfile();
    XmlDocument document = documentFrom(writtenText(*original));

    auto loaded = startedProfile();
    loaded->assignment(10, 0).actions = listOf({u"stale"});
    loaded->keyLights[0] = {9, 9, 9};
    ASSERT_TRUE(ProfileDocumentReader::load(document, *loaded));
    EXPECT_TRUE(sameContent(*loaded, *original));
}

TEST(ProfileDocumentReader, LightsAndKeysInAnyOrderLaterOnesOverwrite)
{
    XmlDocument document = documentFrom(fileWith(
        u"<AREA ID=\"5\" Red=\"1\" Green=\"2\" Blue=\"3\"/><AREA ID=\"2\" Red=\"7\"/><AREA ID=\"5\" Red=\"4\" Green=\"5\" Blue=\"6\"/>",
        u"<KEY ID=\"9\" Level=\"1\" Mode=\"3\" HWCode=\"12\"><ComboKey><List Cycles=\"4\"><x ID=\"0\" t1=\"A\"/></List></ComboKey></KEY>"
        u"<KEY ID=\"1\" Level=\"0\" Mode=\"1\" HWCode=\"70\"><ComboKey><List/></ComboKey></KEY>"
        u"<KEY ID=\"9\" Level=\"1\" Mode=\"2\" HWCode=\"13\"><ComboKey><List Cycles=\"8\"/></ComboKey></KEY>"));
    auto profile = startedProfile();
    ASSERT_TRUE(ProfileDocumentReader::load(document, *profile));

    EXPECT_EQ(profile->keyLights[5], (KeyLight{4, 5, 6}));
    EXPECT_EQ(profile->keyLights[2], (KeyLight{7, 0, 0})) << "missing attributes read as 0";
    EXPECT_EQ(profile->assignment(9, 1).kind, 2);
    EXPECT_EQ(profile->assignment(9, 1).code, 13);
    EXPECT_EQ(profile->assignment(9, 1).actions.Cycles, 8);
    EXPECT_TRUE(profile->assignment(9, 1).actions.lines.empty());
    EXPECT_EQ(profile->assignment(1, 0).kind, 1);
    EXPECT_EQ(profile->assignment(1, 0).code, 70);
}

TEST(ProfileDocumentReader, EntriesTheFileDoesNotMentionGetTheResetValues)
{
    auto profile = busyProfile();
    profile->keyLights[0] = {1, 1, 1};
    profile->assignments[0] = {5, 99, listOf({u"x"})};
    XmlDocument document = documentFrom(fileWith(u"<AREA ID=\"3\" Red=\"9\" Green=\"9\" Blue=\"9\"/>",
                                                 u"<KEY ID=\"3\" Level=\"0\" Mode=\"1\" HWCode=\"70\"/>"));
    ASSERT_TRUE(ProfileDocumentReader::load(document, *profile));

    EXPECT_TRUE(profile->predefinedMacro.lines.empty());
    EXPECT_EQ(profile->keyLights[3], (KeyLight{9, 9, 9}));
    for (int key = 0; key < KeyboardProfile::kKeyTableSize; ++key) {
        if (key != 3) {
            EXPECT_EQ(profile->keyLights[static_cast<std::size_t>(key)], KeyLight{}) << key;
        }
        for (int layer = 0; layer < 2; ++layer) {
            if (key == 3 && layer == 0) continue;
            const KeyAssignment& entry = profile->assignment(key, layer);
            EXPECT_EQ(entry.kind, 0) << key << "/" << layer;
            EXPECT_EQ(entry.code, key) << key << "/" << layer;
            EXPECT_TRUE(sameList(entry.actions, ActionList())) << key << "/" << layer;
        }
    }
}

TEST(ProfileDocumentReader, KeysAndLayersOutsideTheTablesAreSkipped)
{
    const std::u16string bad[] = {u"0", u"88", u"-1", u"1000000", u"", u"x"};
    std::u16string lights;
    std::u16string keys;
    for (const std::u16string& id : bad) {
        lights += u"<AREA ID=\"" + id + u"\" Red=\"200\" Green=\"200\" Blue=\"200\"/>";
        keys += u"<KEY ID=\"" + id + u"\" Level=\"0\" Mode=\"4\" HWCode=\"7\"><ComboKey><List Cycles=\"9\"/></ComboKey></KEY>";
    }
    for (const char16_t* level : {u"2", u"-1", u"256"})
        keys += u"<KEY ID=\"6\" Level=\"" + std::u16string(level) + u"\" Mode=\"4\" HWCode=\"7\"/>";
    keys += u"<KEY ID=\"87\" Level=\"1\" Mode=\"6\" HWCode=\"199\"/>";  // still read after the bad ones

    XmlDocument document = documentFrom(fileWith(lights, keys));
    auto profile = startedProfile();
    ASSERT_TRUE(ProfileDocumentReader::load(document, *profile));

    auto expected = startedProfile();
    // The file's collections hold no List: new lists, like the entries' actions.
    for (ActionList* list : {&expected->predefinedCombo, &expected->predefinedMacro, &expected->predefinedEmulation})
        *list = ActionList();
    for (auto& entry : expected->assignments) entry.actions = ActionList();
    expected->assignment(87, 1).kind = 6;
    expected->assignment(87, 1).code = 199;
    EXPECT_TRUE(sameContent(*profile, *expected));
}

TEST(ProfileDocumentReader, NotAProfileLeavesTheProfileAsItWas)
{
    const std::u16string_view texts[] = {
        u"",
        u"<?xml version=\"1.0\"?>\r\n",
        u"<Other><PredefinedCombo><List><x ID=\"0\" t1=\"a\"/></List></PredefinedCombo></Other>",
        u"<vornictamsk/>",  // names are compared exactly
        u"just text",
    };
    for (std::u16string_view text : texts) {
        const auto original = busyProfile();
        auto profile = busyProfile();
        XmlDocument document = documentFrom(text);
        EXPECT_FALSE(ProfileDocumentReader::load(document, *profile)) << ProfileFileTest::utf8(text);
        EXPECT_TRUE(sameContent(*profile, *original)) << ProfileFileTest::utf8(text);
    }
}

TEST(ProfileDocumentReader, ParseProblemsStillLoadWhatWasIndexed)
{
    // A lone end tag and an element that is never ended: not well-formed, but readable.
    XmlDocument document = documentFrom(fileWith(u"</stray><AREA ID=\"4\" Red=\"10\" Green=\"20\" Blue=\"30\">",
                                                 u"<KEY ID=\"2\" Level=\"1\" Mode=\"5\" HWCode=\"120\"/>"));
    ASSERT_FALSE(document.CheckWellFormed());
    auto profile = startedProfile();
    ASSERT_TRUE(ProfileDocumentReader::load(document, *profile));
    EXPECT_EQ(profile->keyLights[4], (KeyLight{10, 20, 30}));
    EXPECT_EQ(profile->assignment(2, 1).kind, 5);
    EXPECT_EQ(profile->assignment(2, 1).code, 120);
}

}  // namespace
