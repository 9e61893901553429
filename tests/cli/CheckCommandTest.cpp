#include "CliTestSupport.h"

namespace {

class CheckCommandTest : public CliCommandTest {};

TEST_F(CheckCommandTest, WellFormedFilePrintsItsReport)
{
    ASSERT_EQ(run({"new", path("a.pro")}).status, 0);
    const std::string size = std::to_string(std::filesystem::file_size(dir / "a.pro"));
    const Outcome outcome = run({"check", path("a.pro")});
    EXPECT_EQ(outcome.status, 0);
    // An ASCII file: as many UTF-16 units as bytes.
    EXPECT_EQ(outcome.out, "<read encoding=\"UTF-8\" length=\"" + size + "\"/><converted_to encoding=\"UTF-16\" length=\""
                               + size + "\"/>\n");
    EXPECT_EQ(outcome.err, "");
}

TEST_F(CheckCommandTest, BrokenFilePrintsTheProblemsAndFails)
{
    writeFile(dir / "broken.pro", "<a><b></a>");
    const Outcome outcome = run({"check", path("broken.pro")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.out.find("<unended_start_tag tagname=\"b\" offset=\"3\" offset2=\"7\"/>"), std::string::npos)
        << outcome.out;
    EXPECT_EQ(outcome.err, "\"" + path("broken.pro") + "\" is not well-formed XML\n");
}

TEST_F(CheckCommandTest, UnreadableFileSaysSo)
{
    const Outcome outcome = run({"check", path("missing.pro")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out.rfind("<file_error msg=\"", 0), 0u) << outcome.out;
    EXPECT_EQ(outcome.err, "Can't read \"" + path("missing.pro") + "\"\n");
}

}  // namespace
