#include "CliTestSupport.h"

#include "KeyboardProfile.h"
#include "ProfileDocumentWriter.h"
#include "XmlDocument.h"

namespace {

class NewCommandTest : public CliCommandTest {};

TEST_F(NewCommandTest, SavesAFreshProfile)
{
    writeFile(dir / "a.pro", "something else");
    const Outcome outcome = run({"new", path("a.pro")});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(outcome.err, "");

    KeyboardProfile fresh;
    fresh.resetProfile();
    XmlDocument expected;
    ProfileDocumentWriter::write(fresh, expected);
    const std::u16string& text = expected.GetText();
    EXPECT_EQ(readFile(dir / "a.pro"), std::string(text.begin(), text.end())) << "the fresh layout, in ASCII";
}

TEST_F(NewCommandTest, FolderThatCantTakeTheFileIsAnError)
{
    EXPECT_FAILS_WITH(run({"new", path("missing/a.pro")}), "Can't save the profile file \"" + path("missing/a.pro") + "\"");
}

}  // namespace
