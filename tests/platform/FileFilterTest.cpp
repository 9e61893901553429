#include "FileFilter.h"

#include <gtest/gtest.h>

namespace {
struct FilterCase {
    const char* name;
    const char* pipeForm;
    QStringList qtForm;
};
void PrintTo(const FilterCase& c, std::ostream* os) { *os << c.name; }
}  // namespace

class FileFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FileFilterTest, ConvertsToQtNameFilters)
{
    EXPECT_EQ(toQtNameFilters(QString::fromUtf8(GetParam().pipeForm)), GetParam().qtForm);
}

INSTANTIATE_TEST_SUITE_P(
    PipeForms, FileFilterTest,
    ::testing::Values(
        FilterCase{"profiles", "pro(*.pro)|*.pro|All Files(*.*)|*.*||", {"pro (*.pro)", "All Files (*)"}},
        FilterCase{"empty", "", {}},
        FilterCase{"two_patterns", "Images|*.png;*.bmp||", {"Images (*.png *.bmp)"}},
        FilterCase{"unterminated", "Firmware (*.bin)|*.bin", {"Firmware (*.bin)"}},
        FilterCase{"name_without_patterns", "Nothing|", {}},
        FilterCase{"starts_with_end", "|*.pro||", {}},
        FilterCase{"stops_at_end", "pro|*.pro||Ignored|*.x||", {"pro (*.pro)"}}));
