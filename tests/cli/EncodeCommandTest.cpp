#include "CliTestSupport.h"

namespace {

class EncodeCommandTest : public CliCommandTest {};

TEST_F(EncodeCommandTest, PrintsTheArraysInTransferOrder)
{
    const Outcome outcome = run({"encode", dataFile("handmade.pro")});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, readFile(dataFile("handmade.encode")));
    EXPECT_EQ(outcome.err, "");
}

TEST_F(EncodeCommandTest, FreshProfileSendsNothingAndAMissingFileIsAnError)
{
    ASSERT_EQ(run({"new", path("a.pro")}).status, 0);
    const Outcome fresh = run({"encode", path("a.pro")});
    EXPECT_EQ(fresh.status, 0);
    EXPECT_EQ(fresh.out, "");
    EXPECT_FAILS_WITH(run({"encode", path("missing.pro")}), "Can't open the profile file \"" + path("missing.pro") + "\"");
}

}  // namespace
