#include "FileReplacement.h"

#include "FilePath.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::u16string pathOf(const fs::path& path) { return *FilePath::fromNative(path.string()); }

// Writes the content into the temporary file it is given and remembers where that was.
struct ContentWriter {
    std::string content;
    bool succeed = true;
    std::shared_ptr<fs::path> used = std::make_shared<fs::path>();

    bool operator()(const std::u16string& temporary) const
    {
        *used = FilePath::toNative(temporary);
        EXPECT_TRUE(fs::exists(*used));
        EXPECT_EQ(fs::file_size(*used), 0u) << "the writer gets an empty file";
        writeFile(*used, content);
        return succeed;
    }
};

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

class FileReplacementTest : public testing::Test {
protected:
    void SetUp() override { previousMask_ = ::umask(022); }
    void TearDown() override { ::umask(previousMask_); }

    TempDir dir;

private:
    mode_t previousMask_ = 0;
};

TEST_F(FileReplacementTest, NewFileIsWrittenBesideWithTheUsualPermissions)
{
    ContentWriter writer{"new content"};
    ASSERT_TRUE(FileReplacement::replace(pathOf(dir / "配置.pro"), writer));
    EXPECT_EQ(readFile(dir / "配置.pro"), "new content");
    EXPECT_EQ(writer.used->parent_path(), dir.path()) << "the temporary file lies in the same folder";
    EXPECT_EQ(modeOf(dir / "配置.pro"), 0644u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"配置.pro"});
}

TEST_F(FileReplacementTest, ExistingFileIsReplacedAndKeepsItsPermissions)
{
    writeFile(dir / "a.pro", "old content that is longer");
    ASSERT_EQ(::chmod((dir / "a.pro").c_str(), 0604), 0);
    ASSERT_TRUE(FileReplacement::replace(pathOf(dir / "a.pro"), ContentWriter{"new"}));
    EXPECT_EQ(readFile(dir / "a.pro"), "new");
    EXPECT_EQ(modeOf(dir / "a.pro"), 0604u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.pro"});
}

TEST_F(FileReplacementTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary)
{
    writeFile(dir / "a.pro", "old content");
    ContentWriter writer{"half written", false};
    EXPECT_FALSE(FileReplacement::replace(pathOf(dir / "a.pro"), writer));
    EXPECT_EQ(readFile(dir / "a.pro"), "old content");
    EXPECT_FALSE(fs::exists(*writer.used));
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"a.pro"});
}

TEST_F(FileReplacementTest, ALinkStaysALinkAndItsTargetIsReplaced)
{
    fs::create_directory(dir / "real");
    writeFile(dir / "real" / "a.pro", "old");
    fs::create_symlink(dir / "real" / "a.pro", dir / "link.pro");
    ASSERT_TRUE(FileReplacement::replace(pathOf(dir / "link.pro"), ContentWriter{"new"}));
    EXPECT_TRUE(fs::is_symlink(dir / "link.pro"));
    EXPECT_EQ(readFile(dir / "real" / "a.pro"), "new");
    EXPECT_EQ(namesIn(dir / "real"), std::vector<std::string>{"a.pro"});
}

TEST_F(FileReplacementTest, PathsThatCantTakeTheFileAreRefusedWithoutTrace)
{
    fs::create_directory(dir / "folder");
    const std::u16string refused[] = {
        u"",
        pathOf(dir / "missing" / "a.pro"),  // no such folder
        pathOf(dir / "folder"),              // not a regular file
        pathOf(dir.path()) + std::u16string(u"/a\0b.pro", 8),
    };
    for (const std::u16string& path : refused) {
        ContentWriter writer{"x"};
        EXPECT_FALSE(FileReplacement::replace(path, writer)) << FilePath::toNative(path);
        EXPECT_TRUE(writer.used->empty()) << "the writer is not called";
    }
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"folder"});
}

TEST_F(FileReplacementTest, ReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "a privileged process may write any file";
    writeFile(dir / "a.pro", "old");
    ASSERT_EQ(::chmod((dir / "a.pro").c_str(), 0444), 0);
    EXPECT_FALSE(FileReplacement::replace(pathOf(dir / "a.pro"), ContentWriter{"new"}));
    EXPECT_EQ(readFile(dir / "a.pro"), "old");
}

}  // namespace
