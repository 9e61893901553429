#pragma once

#include "FaultInjector.h"
#include "WindowHandle.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>

// Paces the simulated keyboard like hardware: a transfer posts progress (message 0x467,
// wParam 0..150, lParam 0) to its window while time passes, and can lose the keyboard part way.
class TransferPacer {
public:
    static constexpr int kStep = 5;

    // How long transfers take on real hardware, before scaling.
    static std::chrono::milliseconds keyTransferTime(std::size_t values);
    static std::chrono::milliseconds firmwareTime(std::size_t bytes);
    static constexpr std::chrono::milliseconds kLightTime{300};

    // 1 is the realistic pace, 0 makes every call instant; the scale may change at any time.
    void setTimeScale(double scale);
    double timeScale() const { return scale_.load(); }

    // Posts 0, 5, ... 145 spread over `duration`, then runs `commit` (which makes the transfer's
    // effect real) and posts 150. Returns false, with `commit` not run, when the keyboard goes
    // away first; false also when `commit` fails, and 150 is then not posted.
    bool run(WindowHandle window, std::chrono::milliseconds duration, FaultInjector& faults,
             const std::function<bool()>& commit) const;

    // Lets scaled time pass for a call that posts no progress.
    void pause(std::chrono::milliseconds duration) const;

private:
    std::atomic<double> scale_{1.0};
};
