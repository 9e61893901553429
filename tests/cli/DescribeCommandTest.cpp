#include "CliTestSupport.h"

namespace {

class DescribeCommandTest : public CliCommandTest {};

TEST_F(DescribeCommandTest, ListsAssignmentsLightsAndCollectionsOfAHandMadeFile)
{
    const Outcome outcome = run({"describe", dataFile("handmade.pro")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, readFile(dataFile("handmade.describe")));
    EXPECT_EQ(outcome.err, "");
}

TEST_F(DescribeCommandTest, FreshProfileDescribesAsNothing)
{
    ASSERT_EQ(run({"new", path("a.pro")}).status, 0);
    const Outcome outcome = run({"describe", path("a.pro")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
}

TEST_F(DescribeCommandTest, FilesThatAreNoProfileAreErrors)
{
    writeFile(dir / "other.xml", "<?xml version=\"1.0\"?>\n<Other/>\n");
    writeFile(dir / "empty.pro", "");
    std::filesystem::create_directory(dir / "folder.pro");
    for (const char* name : {"missing.pro", "other.xml", "empty.pro", "folder.pro"})
        EXPECT_FAILS_WITH(run({"describe", path(name)}), "Can't open the profile file \"" + path(name) + "\"");
}

}  // namespace
