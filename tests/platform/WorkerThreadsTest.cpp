#include "WorkerThreads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(WorkerThreads, TasksRunOneAtATimeInTheOrderTheyWereStarted)
{
    std::mutex mutex;
    std::vector<int> events;  // +n started, -n ended
    std::atomic<int> running{0};
    std::atomic<int> mostAtOnce{0};
    for (int n = 1; n <= 4; ++n)
        WorkerThreads::start([&, n] {
            mostAtOnce = std::max(mostAtOnce.load(), ++running);
            { std::lock_guard lock(mutex); events.push_back(n); }
            std::this_thread::sleep_for(5ms);
            { std::lock_guard lock(mutex); events.push_back(-n); }
            --running;
        });
    WorkerThreads::waitForAll();
    EXPECT_EQ(mostAtOnce.load(), 1);
    EXPECT_EQ(events, (std::vector<int>{1, -1, 2, -2, 3, -3, 4, -4}));
}

TEST(WorkerThreads, WaitForAllReturnsOnlyWhenTheLastTaskHasFinished)
{
    std::atomic<bool> release{false};
    std::atomic<bool> finished{false};
    WorkerThreads::start([&] {
        while (!release) std::this_thread::sleep_for(1ms);
        finished = true;
    });
    EXPECT_EQ(WorkerThreads::unfinished(), 1);
    std::thread releaser([&] {
        std::this_thread::sleep_for(20ms);
        release = true;
    });
    WorkerThreads::waitForAll();
    EXPECT_TRUE(finished.load());
    EXPECT_EQ(WorkerThreads::unfinished(), 0);
    releaser.join();
}

TEST(WorkerThreads, WhatATaskHoldsIsReleasedBeforeItCountsAsFinished)
{
    auto shared = std::make_shared<int>(0);  // stands for the profile a task works on
    WorkerThreads::start([held = shared] { ++*held; });
    WorkerThreads::waitForAll();
    EXPECT_EQ(*shared, 1);
    EXPECT_EQ(shared.use_count(), 1);
}
