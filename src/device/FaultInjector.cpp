#include "FaultInjector.h"

#include "WindowHandle.h"

#include <algorithm>

void FaultInjector::setConnected(bool connected)
{
    std::lock_guard lock(mutex_);
    connected_ = connected;
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
    std::lock_guard lock(mutex_);
    connected_ = true;
    failingCall_.reset();
    disconnectAt_.reset();
}

bool FaultInjector::allows(DeviceCall call) const
{
    std::lock_guard lock(mutex_);
    return connected_ && failingCall_ != call;
}

bool FaultInjector::survivesProgress(int progress)
{
    std::lock_guard lock(mutex_);
    if (disconnectAt_ && progress >= *disconnectAt_) {
        disconnectAt_.reset();
        connected_ = false;
    }
    return connected_;
}
