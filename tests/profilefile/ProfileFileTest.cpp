// Saving and loading profile files through the file system.
#include "FilePath.h"
#include "KeyboardProfile.h"
#include "ProfileDocumentWriter.h"
#include "ProfileFileTestSupport.h"
#include "ProfileTestSupport.h"
#include "TempDir.h"
#include "XmlDocument.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using ProfileFileTest::sameContent;
using ProfileFileTest::utf8;

std::u16string pathOf(const fs::path& path) { return *FilePath::fromNative(path.string()); }

std::unique_ptr<KeyboardProfile> busyProfile()
{
    auto profile = startedProfile();
    ActionList macro = listOf({u"A Down", u"<50 ms>", u"A UP"});
    macro.Cycles = 7;
    macro.IsAutoInterval = true;
    macro.Delay = 45;
    macro.PlayMode = 1;
    profile->predefinedMacro.setOrAppend(ActionList::kAppendRow, u"Tom & \"Jerry's\" 宏定义1");
    profile->predefinedMacro.storeChild(0, macro);
    profile->predefinedCombo.setOrAppend(ActionList::kAppendRow, u"组合键1");
    profile->predefinedCombo.storeChild(0, listOf({u"Left CONTROL", u"C"}, 6));
    profile->predefinedEmulation.setOrAppend(ActionList::kAppendRow, u"New Emu 1 😀");
    for (int key = 1; key <= KeyboardProfile::kKeyCount; ++key) {
        profile->keyLights[static_cast<std::size_t>(key)] = {key, key * 2, 255 - key};
        for (int layer = 0; layer < 2; ++layer)
            profile->assignment(key, layer) = {(key * 2 + layer) % 9, key + 100 * layer, {}};
    }
    profile->assignment(3, 0).actions = macro;
    return profile;
}

std::string utf8Document(const KeyboardProfile& profile)
{
    XmlDocument document;
    ProfileDocumentWriter::write(profile, document);
    return utf8(document.GetText());
}

class ProfileFileTest : public testing::Test {
protected:
    TempDir dir;
};

TEST_F(ProfileFileTest, SaveWritesTheDocumentAsUtf8WithoutMarkAndLoadGivesItBack)
{
    const auto original = busyProfile();
    ASSERT_TRUE(original->saveProfileFile(pathOf(dir / "配置.pro")));
    const std::string bytes = readFile(dir / "配置.pro");
    EXPECT_EQ(bytes, utf8Document(*original));
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<VornicTamsk>\r\n", 0), 0u) << "no byte-order mark";

    auto loaded = startedProfile();
    ASSERT_TRUE(loaded->loadProfileFile(pathOf(dir / "配置.pro")));
    EXPECT_TRUE(sameContent(*loaded, *original));
}

TEST_F(ProfileFileTest, FreshProfileFileIsTheFreshDocument)
{
    const auto fresh = startedProfile();
    ASSERT_TRUE(fresh->saveProfileFile(pathOf(dir / "fresh.pro")));
    const std::string bytes = readFile(dir / "fresh.pro");
    EXPECT_EQ(bytes, utf8Document(*fresh));
    EXPECT_GT(bytes.size(), 36000u);
    EXPECT_LT(bytes.size(), 40000u);
}

TEST_F(ProfileFileTest, SavingOverAFileReplacesItAndKeepsItsPermissions)
{
    writeFile(dir / "a.pro", std::string(100000, 'x'));
    ASSERT_EQ(::chmod((dir / "a.pro").c_str(), 0600), 0);
    const auto profile = busyProfile();
    ASSERT_TRUE(profile->saveProfileFile(pathOf(dir / "a.pro")));
    EXPECT_EQ(readFile(dir / "a.pro"), utf8Document(*profile));
    EXPECT_EQ(fs::status(dir / "a.pro").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ProfileFileTest, SaveThatCantWriteReturnsFalseAndLeavesNoTrace)
{
    fs::create_directory(dir / "folder.pro");
    writeFile(dir / "folder.pro" / "inside", "kept");
    const auto profile = busyProfile();
    EXPECT_FALSE(profile->saveProfileFile(pathOf(dir / "missing" / "a.pro")));
    EXPECT_FALSE(profile->saveProfileFile(pathOf(dir / "folder.pro")));
    EXPECT_FALSE(profile->saveProfileFile(u""));
    EXPECT_EQ(readFile(dir / "folder.pro" / "inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(ProfileFileTest, LoadThatFindsNoProfileReturnsFalseAndChangesNothing)
{
    writeFile(dir / "empty.pro", "");
    writeFile(dir / "other.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<Other><PredefinedCombo/></Other>\r\n");
    writeFile(dir / "binary.pro", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    fs::create_directory(dir / "folder.pro");
    const std::u16string paths[] = {
        pathOf(dir / "missing.pro"), pathOf(dir / "empty.pro"), pathOf(dir / "other.xml"),
        pathOf(dir / "binary.pro"),  pathOf(dir / "folder.pro"), u"",
    };
    for (const std::u16string& path : paths) {
        const auto original = busyProfile();
        auto profile = busyProfile();
        EXPECT_FALSE(profile->loadProfileFile(path)) << utf8(path);
        EXPECT_TRUE(sameContent(*profile, *original)) << utf8(path);
    }
}

TEST_F(ProfileFileTest, UnreadableFileChangesNothing)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "a privileged process may read any file";
    ASSERT_TRUE(busyProfile()->saveProfileFile(pathOf(dir / "a.pro")));
    ASSERT_EQ(::chmod((dir / "a.pro").c_str(), 0), 0);
    auto profile = startedProfile();
    EXPECT_FALSE(profile->loadProfileFile(pathOf(dir / "a.pro")));
    EXPECT_TRUE(sameContent(*profile, *startedProfile()));
}

TEST_F(ProfileFileTest, FileWithParseProblemsStillLoadsWhatIsThere)
{
    // A lone end tag among the lights and a start tag never ended among the keys.
    const auto original = busyProfile();
    std::string bytes = utf8Document(*original);
    bytes.insert(bytes.find("<AREA ID=\"1\""), "</stray>");
    bytes.insert(bytes.find("<KEY ID=\"40\""), "<unclosed>");
    writeFile(dir / "damaged.pro", bytes);
    XmlDocument document;
    ASSERT_FALSE(document.LoadFromFile(pathOf(dir / "damaged.pro")));

    auto profile = startedProfile();
    ASSERT_TRUE(profile->loadProfileFile(pathOf(dir / "damaged.pro")));
    EXPECT_TRUE(sameContent(*profile, *original));
}

}  // namespace
