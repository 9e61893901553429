#pragma once

// What the window tests share: a profile on a simulated keyboard of the test's own, a gate that
// holds device workers in their pauses, and a counter of paint events.
#include "KeyboardProfile.h"
#include "SimulatedKeyboard.h"

#include <QEvent>
#include <QObject>
#include <QTemporaryDir>

#include <condition_variable>
#include <memory>
#include <mutex>

// A profile as the program has it once the main window is open (catalogue filled, reset), on a
// simulated keyboard whose state file lies in `stateDir` and which answers without pauses.
inline std::unique_ptr<KeyboardProfile> profileOnTestKeyboard(const QTemporaryDir& stateDir)
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    profile->device.simulator().setStatePath(stateDir.filePath(QStringLiteral("keyboard.state")).toStdString());
    profile->device.simulator().setInstant();
    return profile;
}

// Holds worker threads in their pauses until released.
class Gate {
public:
    void wait()
    {
        std::unique_lock lock(mutex_);
        opened_.wait(lock, [this] { return open_; });
    }
    void release()
    {
        std::lock_guard lock(mutex_);
        open_ = true;
        opened_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
};

// Counts the paint events a window receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QObject* window) { window->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};
