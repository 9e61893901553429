#include "WorkerThreads.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace {

// Tickets keep tasks in the order they were started.
struct Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::uint64_t nextTicket = 0;
    std::uint64_t nowServing = 0;
};

Queue& queue()
{
    static Queue* const q = new Queue;  // never freed: a worker may still be leaving at exit
    return *q;
}

void runInTurn(std::uint64_t ticket, std::function<void()> task)
{
    Queue& q = queue();
    {
        std::unique_lock lock(q.mutex);
        q.changed.wait(lock, [&] { return q.nowServing == ticket; });
    }
    task();
    task = nullptr;  // release what the task holds before anyone is told it is done
    std::lock_guard lock(q.mutex);
    ++q.nowServing;
    q.changed.notify_all();
}

}  // namespace

void WorkerThreads::start(std::function<void()> task)
{
    Queue& q = queue();
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(q.mutex);
        ticket = q.nextTicket++;
    }
    std::thread(runInTurn, ticket, std::move(task)).detach();
}

void WorkerThreads::waitForAll()
{
    Queue& q = queue();
    std::unique_lock lock(q.mutex);
    q.changed.wait(lock, [&] { return q.nowServing == q.nextTicket; });
}

int WorkerThreads::unfinished()
{
    Queue& q = queue();
    std::lock_guard lock(q.mutex);
    return static_cast<int>(q.nextTicket - q.nowServing);
}
