#include "KeyCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

TEST(KeyCatalogueTables, NameTableHoldsAll234NamesAscendingByHostCode)
{
    const auto names = KeyCatalogue::keyNames();
    EXPECT_EQ(names.size(), 234u);
    int previous = 0;
    for (const KeyNameEntry& entry : names) {
        EXPECT_GT(entry.hostCode, previous) << "out of order or duplicate HostCode";
        EXPECT_LT(entry.hostCode, 512) << "names are looked up by the low 9 bits";
        ASSERT_NE(entry.name, nullptr) << entry.hostCode;
        EXPECT_FALSE(std::u16string(entry.name).empty()) << entry.hostCode;
        previous = entry.hostCode;
    }
}

TEST(KeyCatalogueTables, SharedAndCaseDifferingNamesAreKept)
{
    std::map<std::u16string, std::set<int>> codesOfName;
    for (const KeyNameEntry& entry : KeyCatalogue::keyNames())
        codesOfName[entry.name].insert(entry.hostCode);
    EXPECT_EQ(codesOfName[u"Reserved"], (std::set<int>{10, 11, 94, 224, 252}));
    EXPECT_EQ(codesOfName[u"Sleep"], (std::set<int>{95, 332}));
    EXPECT_EQ(codesOfName[u"OEM specific"], (std::set<int>{225, 230}));
    EXPECT_EQ(codesOfName[u"CLEAR"], std::set<int>{12});
    EXPECT_EQ(codesOfName[u"Clear"], std::set<int>{254});
    EXPECT_EQ(codesOfName[u"\\"], std::set<int>{220});
}

TEST(KeyCatalogueTables, CodePairsAreUniqueAndEveryHostCodeHasAName)
{
    std::set<int> named;
    for (const KeyNameEntry& entry : KeyCatalogue::keyNames())
        named.insert(entry.hostCode);

    const auto pairs = KeyCatalogue::codePairs();
    EXPECT_EQ(pairs.size(), 160u);  // KeyCodes 1..159 and the double click 199
    std::set<int> hostCodes;
    int previous = 0;
    for (const CodePair& pair : pairs) {
        EXPECT_GT(pair.keyCode, previous) << "out of order or duplicate KeyCode";
        EXPECT_TRUE(named.count(pair.hostCode)) << "KeyCode " << pair.keyCode;
        EXPECT_TRUE(hostCodes.insert(pair.hostCode).second) << "HostCode used twice: " << pair.hostCode;
        previous = pair.keyCode;
    }
    EXPECT_EQ(pairs.back().keyCode, 199);
    EXPECT_EQ(pairs.back().hostCode, 455);
}

TEST(KeyCatalogueTables, KindNamesCoverTheNineKinds)
{
    ASSERT_EQ(KeyCatalogue::kindNamesEnglish().size(), 9u);
    ASSERT_EQ(KeyCatalogue::kindNamesChinese().size(), 9u);
    EXPECT_EQ(std::u16string(KeyCatalogue::kindNamesEnglish()[0]), u"Not set");
    EXPECT_EQ(std::u16string(KeyCatalogue::kindNamesEnglish()[8]), u"Power");
    EXPECT_EQ(std::u16string(KeyCatalogue::kindNamesChinese()[0]), u"未设置");
    EXPECT_EQ(std::u16string(KeyCatalogue::kindNamesChinese()[8]), u"电源键");
}

}  // namespace
