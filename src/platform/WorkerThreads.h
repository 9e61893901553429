#pragma once

#include <functional>

// Device tasks on detached worker threads, one at a time. A task started while an earlier one
// still runs (say, after its progress window was cancelled) waits for it, so two tasks never
// use the keyboard or the profile at once. The application calls waitForAll() before it
// destroys the profile, so no worker outlives what it works on.
class WorkerThreads {
public:
    // Starts a detached thread that runs task once every earlier task has finished.
    static void start(std::function<void()> task);
    // Blocks until every started task has finished.
    static void waitForAll();
    // Tasks started and not yet finished.
    static int unfinished();
};
