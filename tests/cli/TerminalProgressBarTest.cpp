#include "TerminalProgressBar.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

constexpr WindowHandle kBar = TerminalProgressBar::kWindow;

std::string bar(int hashes, const char* percent)
{
    return "\r[" + std::string(hashes, '#') + std::string(TerminalProgressBar::kWidth - hashes, '-') + "] " + percent;
}

TEST(TerminalProgressBar, DrawsInPlaceAndEndsTheLineWhenComplete)
{
    std::ostringstream out;
    TerminalProgressBar progress(out, true);
    for (std::uintptr_t value : {0u, 1u, 75u, 76u, 150u}) progress.post(kBar, kMsgProgress, value, 0);
    progress.finish();
    // 1 and 76 round down to what is shown already, so nothing is drawn for them.
    EXPECT_EQ(out.str(), bar(0, "  0%") + bar(20, " 50%") + bar(40, "100%") + "\n");
}

TEST(TerminalProgressBar, IgnoresOtherWindowsAndMessages)
{
    std::ostringstream out;
    TerminalProgressBar progress(out, true);
    progress.post(kBar + 1, kMsgProgress, 75, 0);
    progress.post(kBar, kMsgFinished, 1, 0);
    progress.post(kBar, kMsgKeyEvent, 75, 0);
    progress.finish();
    EXPECT_EQ(out.str(), "");
}

TEST(TerminalProgressBar, UnfinishedBarIsEndedByFinish)
{
    std::ostringstream out;
    TerminalProgressBar progress(out, true);
    progress.post(kBar, kMsgProgress, 90, 0);
    progress.post(kBar, kMsgProgress, 100000, 0);  // beyond complete shows as complete
    progress.post(kBar, kMsgProgress, 30, 0);
    progress.finish();
    progress.finish();
    EXPECT_EQ(out.str(), bar(24, " 60%") + bar(40, "100%") + "\n" + bar(8, " 20%") + "\n");
}

TEST(TerminalProgressBar, WritesNothingWhenNotATerminal)
{
    std::ostringstream out;
    TerminalProgressBar progress(out, false);
    for (std::uintptr_t value : {0u, 75u, 150u}) progress.post(kBar, kMsgProgress, value, 0);
    progress.post(kBar, kMsgProgress, 30, 0);
    progress.finish();
    EXPECT_EQ(out.str(), "");
}

}  // namespace
