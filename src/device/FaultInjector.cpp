#include "FaultInjector.h"

#include "WindowHandle.h"

#include <algorithm>

void FaultInjector::setConnected(bool connected)
{
    bool changed = false;
    {
        std::lock_guard lock(mutex_);
        changed = connected_ != connected;
        connected_ = connected;
    }
    if (changed) notifyConnection(connected);
}

bool FaultInjector::connected() const
{
    std::lock_guard lock(mutex_);
    return connected_;
}

void FaultInjector::failCall(DeviceCall call)
{
    std::lock_guard lock(mutex_);
    failingCall_ = call;
}

void FaultInjector::disconnectDuringTransfer(int atProgress)
{
    std::lock_guard lock(mutex_);
    disconnectAt_ = std::clamp(atProgress, 0, kProgressComplete);
}

void FaultInjector::clear()
{
    bool plugged = false;
    {
        std::lock_guard lock(mutex_);
        plugged = !connected_;
        connected_ = true;
        failingCall_.reset();
        disconnectAt_.reset();
    }
    if (plugged) notifyConnection(true);
}

bool FaultInjector::allows(DeviceCall call) const
{
    std::lock_guard lock(mutex_);
    return connected_ && failingCall_ != call;
}

bool FaultInjector::survivesProgress(int progress)
{
    bool lost = false;
    bool connected = false;
    {
        std::lock_guard lock(mutex_);
        if (disconnectAt_ && progress >= *disconnectAt_) {
            disconnectAt_.reset();
            lost = connected_;
            connected_ = false;
        }
        connected = connected_;
    }
    if (lost) notifyConnection(false);
    return connected;
}

void FaultInjector::onConnectionChange(std::function<void(bool connected)> observer)
{
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void FaultInjector::notifyConnection(bool connected) const
{
    std::function<void(bool)> observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
    }
    if (observer) observer(connected);
}
