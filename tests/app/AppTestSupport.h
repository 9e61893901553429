#pragma once

// Shared by the window tests of src/app.
#include "AppResources.h"
#include "KeyboardProfile.h"
#include "SimulatedKeyboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <condition_variable>
#include <memory>
#include <mutex>

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

// A profile on a simulated keyboard of the test's own (state file in `stateDir`, no pauses),
// catalogue filled and reset, as the program has it.
inline std::unique_ptr<KeyboardProfile> profileOnTestKeyboard(const QTemporaryDir& stateDir)
{
    auto profile = std::make_unique<KeyboardProfile>();
    profile->initCatalogue();
    profile->resetProfile();
    profile->device.simulator().setStatePath(stateDir.filePath(QStringLiteral("keyboard.state")).toStdString());
    profile->device.simulator().setInstant();
    return profile;
}

// A face bitmap as the tests compare pixels with it.
inline QImage faceImage(int id)
{
    return AppResources::instance().bitmap(id).toImage().convertToFormat(QImage::Format_RGB32);
}

// Where tests leave their window grabs for a person to look at: build/test-output.
inline QString testOutputFile(const QString& name)
{
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../test-output"));
    QDir().mkpath(folder);
    return QDir(folder).filePath(name);
}
