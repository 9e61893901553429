#include "TransferPacer.h"

#include "RecordingSink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr WindowHandle kWindow = 42;
constexpr std::chrono::milliseconds kAnyTime{1500};

std::vector<int> progressBelow(int limit)
{
    std::vector<int> values;
    for (int p = 0; p < limit; p += TransferPacer::kStep) values.push_back(p);
    return values;
}

class TransferPacerTest : public testing::Test {
protected:
    TransferPacerTest() { pacer.setTimeScale(0.0); }

    RecordingSink sink;
    TransferPacer pacer;
    FaultInjector faults;
    int commits = 0;
    std::function<bool()> commit = [this] { ++commits; return true; };
};

TEST_F(TransferPacerTest, PostsProgressUpToCompleteAroundTheCommit)
{
    EXPECT_TRUE(pacer.run(kWindow, kAnyTime, faults, [&] {
        EXPECT_EQ(sink.progressTo(kWindow), progressBelow(150)) << "the keyboard holds the data before 150";
        return commit();
    }));
    EXPECT_EQ(commits, 1);
    std::vector<int> expected = progressBelow(150);
    expected.push_back(150);
    EXPECT_EQ(sink.progressTo(kWindow), expected);
    for (const RecordingSink::Message& m : sink.messages()) {
        EXPECT_EQ(m.message, kMsgProgress);
        EXPECT_EQ(m.lParam, 0);
    }
}

TEST_F(TransferPacerTest, NoWindowMeansNoMessages)
{
    EXPECT_TRUE(pacer.run(0, kAnyTime, faults, commit));
    EXPECT_EQ(commits, 1);
    EXPECT_TRUE(sink.messages().empty());
}

TEST_F(TransferPacerTest, DisconnectStopsProgressBeforeTheGivenValue)
{
    for (int at : {0, 1, 5, 75, 149, 150}) {
        sink.clear();
        faults.clear();
        faults.disconnectDuringTransfer(at);
        EXPECT_FALSE(pacer.run(kWindow, kAnyTime, faults, commit)) << at;
        EXPECT_EQ(sink.progressTo(kWindow), progressBelow(at)) << at;
        EXPECT_FALSE(faults.connected()) << at;
    }
    EXPECT_EQ(commits, 0);
}

TEST_F(TransferPacerTest, UnpluggedKeyboardStopsAtTheNextStep)
{
    int steps = 0;
    struct UnplugAtTen : MessageSink {
        FaultInjector* faults;
        int* steps;
        void post(WindowHandle, unsigned, std::uintptr_t wParam, std::intptr_t) override
        {
            ++*steps;
            if (wParam == 10) faults->setConnected(false);
        }
    } unplug;
    unplug.faults = &faults;
    unplug.steps = &steps;
    setMessageSink(&unplug);
    EXPECT_FALSE(pacer.run(kWindow, kAnyTime, faults, commit));
    setMessageSink(&sink);
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(commits, 0);
}

TEST_F(TransferPacerTest, FailedCommitIsNotReportedComplete)
{
    EXPECT_FALSE(pacer.run(kWindow, kAnyTime, faults, [] { return false; }));
    EXPECT_EQ(sink.progressTo(kWindow), progressBelow(150));
}

TEST(TransferPacerTiming, RealisticTimesStayWithinSaneBounds)
{
    using std::chrono::milliseconds;
    const std::size_t sizes[] = {0, 1, 1000, 65536, 1u << 20, std::numeric_limits<std::size_t>::max()};
    milliseconds lastKeys{0};
    milliseconds lastFirmware{0};
    for (std::size_t size : sizes) {
        milliseconds keys = TransferPacer::keyTransferTime(size);
        milliseconds firmware = TransferPacer::firmwareTime(size);
        EXPECT_GE(keys, milliseconds(1000)) << size;
        EXPECT_LE(keys, milliseconds(2000)) << size;
        EXPECT_GE(firmware, milliseconds(2000)) << size;
        EXPECT_LE(firmware, milliseconds(6000)) << size;
        EXPECT_GE(keys, lastKeys) << size;
        EXPECT_GE(firmware, lastFirmware) << size;
        lastKeys = keys;
        lastFirmware = firmware;
    }
}

TEST(TransferPacerTiming, ScaleStaysUsable)
{
    const std::pair<double, double> cases[] = {
        {1.0, 1.0}, {0.0, 0.0}, {-3.0, 0.0}, {std::nan(""), 0.0}, {1e9, 10.0}, {0.25, 0.25}};
    TransferPacer pacer;
    for (const auto& [given, kept] : cases) {
        pacer.setTimeScale(given);
        EXPECT_EQ(pacer.timeScale(), kept) << given;
    }
}

}  // namespace
