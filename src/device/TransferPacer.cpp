#include "TransferPacer.h"

#include "MessageSink.h"

#include <algorithm>
#include <thread>

namespace {
constexpr int kStepsBeforeCommit = kProgressComplete / TransferPacer::kStep;
}

std::chrono::milliseconds TransferPacer::keyTransferTime(std::size_t values)
{
    // One second for the handshake, up to one more for a full 65536-value payload.
    return std::chrono::milliseconds(1000 + std::min<std::size_t>(values, 65536) * 1000 / 65536);
}

std::chrono::milliseconds TransferPacer::firmwareTime(std::size_t bytes)
{
    // Two seconds for erasing, 3 ms per KiB written, never more than six seconds in all.
    return std::chrono::milliseconds(2000 + std::min<std::size_t>(bytes / 1024, 4000 / 3) * 3);
}

void TransferPacer::setTimeScale(double scale)
{
    // NaN and negative scales mean instant; anything slower than ten times is a mistake.
    scale_.store(scale > 0.0 ? std::min(scale, 10.0) : 0.0);
}

bool TransferPacer::run(WindowHandle window, std::chrono::milliseconds duration, FaultInjector& faults,
                        const std::function<bool()>& commit) const
{
    for (int step = 0; step < kStepsBeforeCommit; ++step) {
        int progress = step * kStep;
        if (!faults.survivesProgress(progress)) return false;
        postMessage(window, kMsgProgress, static_cast<std::uintptr_t>(progress), 0);
        pause(duration / kStepsBeforeCommit);
    }
    if (!faults.survivesProgress(kProgressComplete) || !commit()) return false;
    postMessage(window, kMsgProgress, kProgressComplete, 0);
    return true;
}

void TransferPacer::pause(std::chrono::milliseconds duration) const
{
    double scale = scale_.load();
    if (scale <= 0.0) return;
    std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(duration.count() * scale));
}
