#include "EncodingTable.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cctype>
#include <set>
#include <string>

namespace {

std::u16string widen(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string upper(std::string_view text)
{
    std::u16string result;
    for (char c : text) result += static_cast<char16_t>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

TEST(EncodingTable, HoldsAllNamesAndEachFindsItsCodePage)
{
    const auto names = EncodingTable::names();
    ASSERT_EQ(names.size(), 365u);
    for (const auto& entry : names) {
        EXPECT_EQ(EncodingTable::codePageOf(widen(entry.name)), entry.codePage) << entry.name;
        // Capitals fold, except that a capital "UTF-32" start is the native UTF-32 rule.
        if (!entry.name.starts_with("utf-32")) {
            EXPECT_EQ(EncodingTable::codePageOf(upper(entry.name)), entry.codePage) << entry.name;
        }
    }
}

TEST(EncodingTable, TellingRows)
{
    const struct {
        const char16_t* name;
        int codePage;
    } rows[] = {
        {u"utf-8", 65001}, {u"utf8", 65001}, {u"unicode-1-1-utf-8", 65001},
        {u"unicode-2-0-utf-8", 65001}, {u"x-unicode-2-0-utf-8", 65001}, {u"cp65001", 65001},
        {u"utf-16", 1200}, {u"utf16", 1200}, {u"utf-16le", 1200}, {u"utf16le", 1200},
        {u"ucs-2", 1200}, {u"ucs-2le", 1200}, {u"unicode", 1200}, {u"cp1200", 1200},
        {u"utf-16be", 1201}, {u"utf16be", 1201}, {u"ucs-2be", 1201}, {u"unicodefffe", 1201},
        {u"cp1201", 1201},
        {u"utf-7", 65000}, {u"csunicode11utf7", 65000}, {u"unicode-1-1-utf-7", 65000},
        {u"x-unicode-2-0-utf-7", 65000},
        {u"gbk", 936}, {u"gb2312", 936}, {u"cp936", 936}, {u"windows-936", 936},
        {u"chinese", 936}, {u"gb_2312-80", 936}, {u"csgb2312", 936},
        {u"gb18030", 54936},
        {u"big5", 950}, {u"big5-hkscs", 950}, {u"cn-big5", 950}, {u"x-x-big5", 950},
        {u"shift_jis", 932}, {u"sjis", 932}, {u"ms_kanji", 932}, {u"windows-31j", 932},
        {u"ks_c_5601-1987", 949}, {u"korean", 949}, {u"ksc5601", 949}, {u"uhc", 949},
        {u"euc-jp", 20932}, {u"x-euc-jp", 51932},
        {u"iso-8859-1", 28591}, {u"latin1", 28591}, {u"l1", 28591}, {u"cp819", 28591},
        {u"windows-1252", 1252}, {u"cp1252", 1252},
        {u"us-ascii", 20127}, {u"ascii", 20127}, {u"iso646-us", 20127},
        {u"utf-32", 12000}, {u"utf32le", 12000}, {u"utf-32be", 12001},
        {u"cp1256 ", 1256}, {u"cp1256", 1256},
        {u"ISO-8859-1", 28591}, {u"Windows-1252", 1252}, {u"UTF-8", 65001},
    };
    for (const auto& row : rows)
        EXPECT_EQ(EncodingTable::codePageOf(row.name), row.codePage)
            << std::string(row.name, row.name + std::char_traits<char16_t>::length(row.name));
}

TEST(EncodingTable, NamesStartingWithCapitalUtf32AreNativeUtf32)
{
    for (const char16_t* name : {u"UTF-32", u"UTF-32LE", u"UTF-32BE", u"UTF-32anything"})
        EXPECT_EQ(EncodingTable::codePageOf(name), EncodingTable::kUtf32);
    // The rule is tested before the length limit of the table.
    EXPECT_EQ(EncodingTable::codePageOf(u"UTF-32" + std::u16string(200, u'x')),
              EncodingTable::kUtf32);
    // Only the exact capitals count; anything else goes to the table.
    EXPECT_EQ(EncodingTable::codePageOf(u"Utf-32"), 12000);
    EXPECT_EQ(EncodingTable::codePageOf(u"utf-32be"), 12001);
}

TEST(EncodingTable, UnknownNamesGiveTheSystemDefault)
{
    const std::u16string cases[] = {
        u"", u"klingon", u"utf-8 ", u" utf-8", u"cp1256  ", u"utf_8",
        u"utf\u00AD-8",           // a soft hyphen must not fold away
        u"\u0130so-8859-1",       // only ASCII capitals fold
        std::u16string(u"utf-8\0x", 7),
        std::u16string(150, u'a'),
    };
    for (const auto& name : cases)
        EXPECT_EQ(EncodingTable::codePageOf(name), EncodingTable::kSystemDefault);
}

TEST(EncodingTable, IconvNames)
{
    const struct {
        int codePage;
        const char* iconvName;
    } rows[] = {
        {0, "WINDOWS-1252"}, {28591, "ISO-8859-1"}, {936, "GBK"}, {54936, "GB18030"},
        {950, "BIG5"}, {932, "CP932"}, {949, "CP949"}, {20127, "ASCII"},
        {1252, "WINDOWS-1252"}, {65000, "UTF-7"}, {65001, "UTF-8"}, {1200, "UTF-16LE"},
        {1201, "UTF-16BE"}, {12000, "UTF-32LE"}, {12001, "UTF-32BE"}, {20932, "EUC-JP"},
        {51932, "EUC-JP-MS"}, {20866, "KOI8-R"}, {28605, "ISO-8859-15"},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(EncodingTable::iconvNameOf(row.codePage), row.iconvName) << row.codePage;
    for (int noConverter : {720, 853, 10001, 20000, 29001, 52936, 57002, 57011, 12345, -1})
        EXPECT_EQ(EncodingTable::iconvNameOf(noConverter), nullptr) << noConverter;
    EXPECT_STREQ(EncodingTable::iconvNameOrDefault(57002), "WINDOWS-1252");
    EXPECT_STREQ(EncodingTable::iconvNameOrDefault(936), "GBK");
}

TEST(EncodingTable, EveryIconvNameOpensBothWays)
{
    for (const auto& entry : EncodingTable::iconvNames()) {
        for (const auto& [to, from] : {std::pair{entry.iconvName, "UTF-16LE"},
                                       std::pair{"UTF-16LE", entry.iconvName}}) {
            iconv_t descriptor = iconv_open(to, from);
            EXPECT_NE(descriptor, reinterpret_cast<iconv_t>(-1))
                << entry.codePage << " " << entry.iconvName;
            if (descriptor != reinterpret_cast<iconv_t>(-1)) iconv_close(descriptor);
        }
    }
}

TEST(EncodingTable, OnlyTheseNamedCodePagesLackAConverter)
{
    const std::set<int> expected = {720,   853,   10001, 10002, 10003, 10004, 10005, 10006,
                                    10008, 10010, 10021, 10081, 10082, 20000, 20001, 20002,
                                    20003, 20004, 20005, 20105, 29001, 52936, 57002, 57003,
                                    57004, 57005, 57006, 57007, 57008, 57009, 57010, 57011};
    std::set<int> missing;
    for (const auto& entry : EncodingTable::names())
        if (!EncodingTable::iconvNameOf(entry.codePage)) missing.insert(entry.codePage);
    EXPECT_EQ(missing, expected);
}

TEST(EncodingTable, WhichCodePagesReportLoss)
{
    for (int silent : {65001, 65000, 54936, 52936, 50220, 50221, 50222, 50225, 50227, 50229,
                       57002, 57006, 57011})
        EXPECT_FALSE(EncodingTable::reportsLoss(silent)) << silent;
    for (int telling : {0, 1252, 28591, 936, 950, 932, 20127, 50226, 57001, 57012})
        EXPECT_TRUE(EncodingTable::reportsLoss(telling)) << telling;
}

}  // namespace
