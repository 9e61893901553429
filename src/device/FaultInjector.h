#pragma once

#include <functional>
#include <mutex>
#include <optional>

// The calls of the device library, for naming the one that an injected fault makes fail.
enum class DeviceCall {
    CreateDev,
    DetectDevice,
    Prepare,
    SetKeyConfiguration,
    WriteKeyConfigurationToDev,
    ReadKeyDefinationFromDev,
    GetKeyConfiguration,
    SetKeyboardLightArea,
    ReadKeyLightFromDev,
    GetKeyboardLightArea,
    ReadKeyboardVersion,
    WriteFirmwareToKeyboard,
};

// The faults a test can give the simulated keyboard. Thread-safe: a test may unplug the
// keyboard while another thread is inside a call.
class FaultInjector {
public:
    void setConnected(bool connected);
    bool connected() const;

    // From now on `call` returns false without effect, until clear().
    void failCall(DeviceCall call);

    // The next transfer (key write, key read, firmware write) loses the keyboard when its
    // progress would reach `atProgress` (0..150): what was below it has been posted, the call
    // fails and the keyboard stays unplugged.
    void disconnectDuringTransfer(int atProgress);

    // Plugged in again, no failing call, no pending disconnect.
    void clear();

    // Whether `call` may run now: the keyboard is connected and the call is not made to fail.
    bool allows(DeviceCall call) const;

    // Asked by a transfer before each progress step; false once the keyboard is gone.
    bool survivesProgress(int progress);

    // Called whenever the keyboard is plugged in or unplugged (setConnected, clear, a disconnect
    // during a transfer), on the thread that made the change and outside the lock, so the
    // observer may call back in. Set by the keyboard that owns these faults.
    void onConnectionChange(std::function<void(bool connected)> observer);

private:
    void notifyConnection(bool connected) const;

    mutable std::mutex mutex_;
    bool connected_ = true;
    std::optional<DeviceCall> failingCall_;
    std::optional<int> disconnectAt_;
    std::function<void(bool)> observer_;
};
