#include "QtMessageSink.h"

#include "WindowMessageReceiver.h"
#include "WindowRegistry.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct Message {
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::thread::id thread;
};

// A window as the registry sees it, recording what reaches it.
class RecordingWindow final : public WindowMessageReceiver {
public:
    RecordingWindow() : handle(WindowRegistry::add(this)) {}
    ~RecordingWindow() override { WindowRegistry::remove(handle); }
    void onWindowMessage(unsigned m, std::uintptr_t w, std::intptr_t l) override
    {
        received.push_back({m, w, l, std::this_thread::get_id()});
    }
    const WindowHandle handle;
    std::vector<Message> received;
};

class QtMessageSinkTest : public ::testing::Test {
protected:
    void SetUp() override { QtMessageSink::install(); }
};

}  // namespace

TEST_F(QtMessageSinkTest, MessagesFromAWorkerArriveOnTheUiThreadInOrder)
{
    RecordingWindow window;
    std::thread worker([&] {
        for (std::uintptr_t step = 0; step <= 150; step += 50) postMessage(window.handle, kMsgProgress, step, 0);
        postMessage(window.handle, kMsgFinished, 1, 7);
    });
    worker.join();

    ASSERT_TRUE(QTest::qWaitFor([&] { return window.received.size() == 5; }));
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(window.received[i].message, kMsgProgress);
        EXPECT_EQ(window.received[i].wParam, i * 50);
    }
    EXPECT_EQ(window.received[4].message, kMsgFinished);
    EXPECT_EQ(window.received[4].wParam, 1u);
    EXPECT_EQ(window.received[4].lParam, 7);
    for (const Message& m : window.received) EXPECT_EQ(m.thread, std::this_thread::get_id());
}

TEST_F(QtMessageSinkTest, NothingArrivesBeforeTheUiThreadProcessesEvents)
{
    RecordingWindow window;
    EXPECT_TRUE(postMessage(window.handle, kMsgProgress, 1, 0));
    EXPECT_TRUE(window.received.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(window.received.size(), 1u);
}

TEST_F(QtMessageSinkTest, AMessageToAWindowThatIsGoneIsDropped)
{
    WindowHandle gone = 0;
    {
        RecordingWindow window;
        gone = window.handle;
        postMessage(gone, kMsgFinished, 0, 0);  // queued while the window still exists
    }
    postMessage(gone, kMsgFinished, 0, 0);      // posted after it has gone
    RecordingWindow later;                      // a new window never gets the old number's mail
    QCoreApplication::processEvents();
    EXPECT_TRUE(later.received.empty());
}

TEST_F(QtMessageSinkTest, NoWindowMeansNoMessage)
{
    EXPECT_FALSE(postMessage(0, kMsgFinished, 0, 0));
}

TEST_F(QtMessageSinkTest, ManyThreadsPostingAtOnceLoseNothing)
{
    RecordingWindow window;
    constexpr int kThreads = 4;
    constexpr int kEach = 500;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < kEach; ++i) postMessage(window.handle, kMsgProgress, 1, 0);
        });
    for (std::thread& t : threads) t.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.received.size() == kThreads * kEach; }));
}
