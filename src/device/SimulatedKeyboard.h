#pragma once

#include "FaultInjector.h"
#include "KeyboardState.h"
#include "StateFile.h"
#include "TransferPacer.h"
#include "WindowHandle.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <mutex>

// The keyboard behind CZelkHWI until a real one is plugged in. It keeps its memory in a state
// file, so what one process writes another reads, and it paces its transfers like hardware,
// posting progress to the window it is given.
//
// The device calls mirror the CZelkHWI calls of the same names and are not meant to run side
// by side (CZelkHWI serialises them). The settings below them (state file, pace, faults) may be
// changed from any thread at any time, also while a call runs.
class SimulatedKeyboard {
public:
    // Uses the state file at StateFile::defaultPath(); nothing is read before the first call.
    SimulatedKeyboard();

    bool createDev();
    bool DetectDevice();

    // Keys are staged by prepare and setKeyConfiguration, and the staged set replaces all of the
    // keyboard's keys on writeKeyConfigurationToDev. Reading takes a snapshot that
    // getKeyConfiguration copies from.
    bool prepare();
    bool setKeyConfiguration(int layer, int keyIndex, const int* data, int count);
    bool writeKeyConfigurationToDev(WindowHandle window);
    bool readKeyDefinationFromDev(WindowHandle window);
    bool getKeyConfiguration(int layer, int keyIndex, int* buffer, int capacity) const;

    bool setKeyboardLightArea(const int* lights);
    bool readKeyLightFromDev();
    bool getKeyboardLightArea(int* lights) const;

    bool ReadKeyboardVersion(char16_t* buffer) const;
    bool WriteFirmwareToKeyboard(const unsigned char* bytes, std::size_t size, WindowHandle window);

    // Settings for tests and the program.
    void setStatePath(std::filesystem::path path);
    std::filesystem::path statePath() const;
    void setTimeScale(double scale) { pacer_.setTimeScale(scale); }  // 1 realistic (default), 0 instant
    void setInstant() { pacer_.setTimeScale(0.0); }
    FaultInjector& faults() { return faults_; }

    // While a window is set, every plug or unplug of the keyboard posts kMsgDeviceChange to it
    // (wParam kDeviceArrival or kDeviceRemoveComplete); 0 stops the notifications.
    void setDeviceChangeWindow(WindowHandle window) { deviceChangeWindow_.store(window); }

    // What the keyboard holds now, as its state file says.
    KeyboardState storedState() const;

private:
    StateFile stateFile() const;

    mutable std::mutex pathMutex_;
    std::filesystem::path statePath_;
    TransferPacer pacer_;
    FaultInjector faults_;
    std::atomic<WindowHandle> deviceChangeWindow_{0};

    KeyboardState::KeyArrays staged_;
    KeyboardState::KeyArrays snapshot_;
    std::array<int, KeyboardState::kLightValues> lightSnapshot_{};
};
