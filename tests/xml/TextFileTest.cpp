#include "TextConverter.h"
#include "TextFile.h"
#include "Utf8Reference.h"
#include "XmlDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <string>

namespace {

namespace fs = std::filesystem;

// Each test works in a folder of its own that is removed afterwards.
class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "vt-textfile-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::u16string path(const std::string& name) const
    {
        const std::u8string utf8 = (folder_ / fs::path(reinterpret_cast<const char8_t*>(name.c_str()))).u8string();
        std::u16string out;
        for (std::size_t i = 0; i < utf8.size();) {  // the folder and names here are plain or BMP text
            const auto c = static_cast<unsigned char>(utf8[i]);
            if (c < 0x80) {
                out += c;
                i += 1;
            } else if (c < 0xE0) {
                out += static_cast<char16_t>(((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F));
                i += 2;
            } else {
                out += static_cast<char16_t>(((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F));
                i += 3;
            }
        }
        return out;
    }
    std::string write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
        return name;
    }
    std::string read(const std::string& name) const
    {
        std::ifstream file(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    fs::path folder_;
};

std::u16string number(std::size_t n)
{
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end());
}

TEST_F(TextFileTest, RecognisesByteOrderMarksAndWritesThemAgain)
{
    struct Case {
        std::string bytes;
        int flag;
        std::u16string_view report;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF<r a='\xC3\xA9'/>", XmlDocument::kUtf8Bom,
         u"<bom/><read encoding=\"UTF-8\" length=\"11\"/><converted_to encoding=\"UTF-16\" length=\"10\"/>"},
        {std::string("\xFF\xFE<\0r\0 \0a\0=\0'\0\xE9\0'\0/\0>\0", 22), XmlDocument::kUtf16Bom,
         u"<bom/><read encoding=\"UTF-16LE\" length=\"10\"/>"},
        {std::string("\xFE\xFF\0<\0r\0 \0a\0=\0'\0\xE9\0'\0/\0>", 22), XmlDocument::kUtf16BigEndianBom,
         u"<bom/><read encoding=\"UTF-16BE\" length=\"10\"/><endian_swap/>"},
    };
    for (const Case& c : cases) {
        write("in.xml", c.bytes);
        XmlDocument d;
        EXPECT_TRUE(d.LoadFromFile(path("in.xml"))) << c.flag;
        EXPECT_EQ(d.GetReport(), c.report) << c.flag;
        EXPECT_EQ(d.Flags(), c.flag);
        EXPECT_EQ(d.GetText(), u"<r a='\u00e9'/>");
        ASSERT_TRUE(d.FindElement(u"r"));
        EXPECT_EQ(d.GetAttribute(u"a"), u"\u00e9");

        EXPECT_TRUE(d.SaveToFile(path("out.xml"))) << c.flag;
        EXPECT_EQ(read("out.xml"), c.bytes) << c.flag;
        EXPECT_EQ(d.GetReport().substr(0, 6), u"<bom/>") << c.flag;
    }
}

TEST_F(TextFileTest, FindsTheEncodingWithoutAMark)
{
    struct Case {
        std::string bytes;
        std::u16string_view text;
        std::u16string_view report;
    };
    const Case cases[] = {
        // A file starting with "<" is UTF-8 without testing it.
        {"<r>caf\xC3\xA9</r>", u"<r>caf\u00e9</r>",
         u"<read encoding=\"UTF-8\" length=\"12\"/><converted_to encoding=\"UTF-16\" length=\"11\"/>"},
        // Anything else is tested: plain ASCII passes...
        {" <r/>", u" <r/>",
         u"<read encoding=\"UTF-8\" length=\"5\"/><utf8_detection/><converted_to encoding=\"UTF-16\" length=\"5\"/>"},
        // ...0xE9 before a letter fails, and the system's code page reads it.
        {" <r a='caf\xE9s'/>", u" <r a='caf\u00e9s'/>",
         u"<read encoding=\"\" length=\"15\"/><converted_to encoding=\"UTF-16\" length=\"15\"/>"},
        // A declaration names the encoding.
        {"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r a='\xE9'/>",
         u"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><r a='\u00e9'/>",
         u"<read encoding=\"iso-8859-1\" length=\"53\"/><converted_to encoding=\"UTF-16\" length=\"53\"/>"},
        // Zero bytes never reach the text.
        {std::string("<r>\0a\0b\0</r>", 12), u"<r>ab</r>",
         u"<read encoding=\"UTF-8\" length=\"12\"/><nulls_removed count=\"3\"/>"
         u"<converted_to encoding=\"UTF-16\" length=\"9\"/>"},
    };
    for (const Case& c : cases) {
        write("in.xml", c.bytes);
        XmlDocument d;
        d.SetFlags(XmlDocument::kUtf16BigEndianBom);  // a mark flag left over must not decide the read
        EXPECT_TRUE(d.LoadFromFile(path("in.xml"))) << c.bytes;
        EXPECT_EQ(d.GetText(), c.text) << c.bytes;
        EXPECT_EQ(d.GetReport(), c.report) << c.bytes;
        EXPECT_EQ(d.Flags(), 0) << c.bytes;
    }
}

TEST_F(TextFileTest, EmptyFileGivesAnEmptyDocument)
{
    write("empty.xml", "");
    XmlDocument d(u"<old/>");
    EXPECT_FALSE(d.LoadFromFile(path("empty.xml")));
    EXPECT_EQ(d.GetText(), u"");
    EXPECT_EQ(d.GetReport(), u"<read encoding=\"\" length=\"0\"/>");
    EXPECT_FALSE(d.FindElement(u""));
    EXPECT_FALSE(d.CheckWellFormed());
}

TEST_F(TextFileTest, ReportsWhatTheSystemSaysWhenAFileCantBeUsed)
{
    fs::create_directory(folder_ / "folder");
    const std::u16string folder = path("folder");
    std::error_code error;
    fs::resize_file(folder_ / write("huge.xml", "<"), 5'000'000'000, error);  // sparse: costs no disk space
    struct Case {
        std::u16string path;
        int number;
        std::u16string_view message;
    };
    const Case cases[] = {
        {path("missing.xml"), 2, u"No such file or directory"},
        {folder, 21, u"Is a directory"},
        {std::u16string(u"bad\0name", 8), 22, u"Invalid argument"},  // would open "bad" instead
        {path("huge.xml"), 27, u"File too large"},  // beyond what a document's offsets hold
    };
    for (const Case& c : cases) {
        if (c.number == 27 && error)
            continue;  // a file system without sparse files
        XmlDocument d(u"<old><child/></old>");
        EXPECT_FALSE(d.LoadFromFile(c.path)) << c.number;
        EXPECT_EQ(d.GetReport(), u"<file_error msg=\"" + std::u16string(c.message) + u"\" n=\"" + number(c.number) +
                                     u"\"/>");
        EXPECT_EQ(d.GetText(), u"");
        EXPECT_EQ(d.Index().nextFree(), 1);  // the old elements are gone with their text
        EXPECT_FALSE(d.FindElement(u"old"));
    }
}

TEST_F(TextFileTest, WritingFailsIntoAMissingFolder)
{
    XmlDocument d(u"<r/>");
    EXPECT_FALSE(d.SaveToFile(path("no/such/folder/out.xml")));
    EXPECT_EQ(d.GetReport(), u"<file_error msg=\"No such file or directory\" n=\"2\"/>");
    EXPECT_FALSE(fs::exists(folder_ / "no"));
}

TEST_F(TextFileTest, SavesInTheDeclaredEncodingAndReportsLoss)
{
    const std::u16string declaration = u"<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n";
    const std::string declarationBytes = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n";
    struct Case {
        std::u16string text;
        std::string start;  // the bytes up to the last character Latin-1 holds
        bool loss;
    };
    const Case cases[] = {
        {declaration + u"<r a=\"\u00e9\"/>", declarationBytes + "<r a=\"\xE9\"/>", false},
        {declaration + u"<r a=\"\u00e9\u4E2D\"/>", declarationBytes + "<r a=\"\xE9", true},
    };
    for (const Case& c : cases) {
        XmlDocument d(c.text);
        ASSERT_TRUE(d.SaveToFile(path("out.xml")));
        const std::string bytes = read("out.xml");
        EXPECT_EQ(bytes.substr(0, c.start.size()), c.start);
        EXPECT_EQ(bytes.substr(bytes.size() - 3), "\"/>");
        EXPECT_EQ(d.GetReport(), u"<converted_from encoding=\"UTF-16\" length=\"" + number(c.text.size()) + u"\"/>" +
                                     (c.loss ? u"<conversion_loss/>" : u"") +
                                     u"<write encoding=\"iso-8859-1\" length=\"" + number(bytes.size()) + u"\"/>");
    }
}

TEST_F(TextFileTest, ProfileStyleFileRoundTripsThroughUtf8)
{
    XmlDocument d(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n");
    ASSERT_TRUE(d.AddElement(u"VornicTamsk") && d.EnterElement() && d.AddElement(u"x"));
    ASSERT_TRUE(d.SetAttribute(u"t1", u"<50 ms> \u4E2D\u6587 \U0001F600 & \"q\""));
    const std::u16string text = d.GetText();
    const std::u16string file = path("\u914D\u7F6E.pro");  // a Chinese file name

    ASSERT_TRUE(d.SaveToFile(file));
    const std::string bytes = read("\xE9\x85\x8D\xE7\xBD\xAE.pro");
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");  // no byte-order mark
    EXPECT_EQ(d.GetReport(), u"<converted_from encoding=\"UTF-16\" length=\"" + number(text.size()) +
                                 u"\"/><write encoding=\"UTF-8\" length=\"" + number(bytes.size()) + u"\"/>");

    XmlDocument loaded;
    EXPECT_TRUE(loaded.LoadFromFile(file));
    EXPECT_EQ(loaded.GetText(), text);
    EXPECT_EQ(loaded.GetReport(), u"<read encoding=\"UTF-8\" length=\"" + number(bytes.size()) +
                                      u"\"/><converted_to encoding=\"UTF-16\" length=\"" + number(text.size()) + u"\"/>");
    ASSERT_TRUE(loaded.FindElement(u"VornicTamsk") && loaded.EnterElement() && loaded.FindElement(u"x"));
    EXPECT_EQ(loaded.GetAttribute(u"t1"), u"<50 ms> \u4E2D\u6587 \U0001F600 & \"q\"");
}


// Long texts are converted piece by piece; wherever a piece ends, no character is split and
// none is lost: pairs at every alignment, lone surrogates and three-byte characters.
TEST_F(TextFileTest, LongTextsWriteEveryCharacterWhole)
{
    const std::u16string runs[] = {
        u"\U0001F600", u"a\U0001F600", std::u16string{u'\u4E2D', 0xD800}, std::u16string{0xDC00, u'x', 0xD83D, 0xDE00, 0xD83D},
    };
    for (const std::u16string& run : runs) {
        std::u16string text = u"<r>";
        while (text.size() < 200'000)
            text += run;
        text += u"</r>";
        XmlDocument d(text);
        ASSERT_TRUE(d.SaveToFile(path("long.xml")));
        const std::string bytes = read("long.xml");
        EXPECT_TRUE(bytes == utf8Reference(text)) << bytes.size() << " bytes";
        EXPECT_EQ(d.GetReport(), u"<converted_from encoding=\"UTF-16\" length=\"" + number(text.size()) +
                                     u"\"/><write encoding=\"UTF-8\" length=\"" + number(bytes.size()) + u"\"/>");
    }
}

// Long UTF-8 files are read piece by piece; wherever a piece ends, the text must be what
// converting the whole file at once gives: characters of every length, zero bytes, broken and
// cut-short sequences, at every alignment.
TEST_F(TextFileTest, LongFilesReadAsTheyWouldWhole)
{
    const std::string runs[] = {
        "\xE4\xB8\xAD",                         // three bytes
        "a\xF0\x9F\x98\x80",                     // four bytes after one
        std::string("\xC3\xA9\0", 3),           // a zero byte after two
        "\xE0\x80|\xF0\x90\x80.\x80\xC3",        // overlong start, cut short, stray, lone lead
        std::string("\xF0\0\x9F\x98\x80\xED\xA0\x80", 8),  // a zero inside, an encoded surrogate
    };
    for (const std::string& run : runs) {
        std::string bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r>";
        while (bytes.size() < 600'000)
            bytes += run;
        bytes += "</r>";
        std::string clean = bytes;
        std::erase(clean, '\0');
        TextConverter whole(u"UTF-8", clean.data(), clean.size());
        std::u16string expected(whole.convert(nullptr, 0, u"UTF-16"), u'\0');
        whole.convert(expected.data(), expected.size(), u"UTF-16");

        write("long.xml", bytes);
        XmlDocument d;
        EXPECT_TRUE(d.LoadFromFile(path("long.xml")));
        EXPECT_TRUE(d.GetText() == expected) << run;
        const std::size_t zeros = bytes.size() - clean.size();
        EXPECT_EQ(d.GetReport(),
                  u"<read encoding=\"UTF-8\" length=\"" + number(bytes.size()) + u"\"/>" +
                      (zeros ? u"<nulls_removed count=\"" + number(zeros) + u"\"/>" : u"") +
                      u"<converted_to encoding=\"UTF-16\" length=\"" + number(expected.size()) + u"\"/>")
            << run;
    }
}

TEST_F(TextFileTest, FreeFunctionsWorkWithoutReportOrFlags)
{
    EXPECT_TRUE(WriteTextFile(path("plain.txt"), u"<a/>"));
    std::u16string text = u"junk";
    EXPECT_TRUE(ReadTextFile(path("plain.txt"), text));
    EXPECT_EQ(text, u"<a/>");
    EXPECT_FALSE(ReadTextFile(path("missing.txt"), text));
    EXPECT_EQ(text, u"");

    // An empty text writes nothing, and says so.
    std::u16string report;
    int flags = 0;
    EXPECT_TRUE(WriteTextFile(path("empty.txt"), u"", &report, &flags));
    EXPECT_EQ(report, u"<write encoding=\"\" length=\"0\"/>");
    EXPECT_EQ(read("empty.txt"), "");
}

}  // namespace
