#pragma once

#include "WindowHandle.h"

#include <cstddef>
#include <memory>
#include <mutex>

class SimulatedKeyboard;

// The keyboard device library. Every call is serialised by one mutex, so a task started after
// a cancelled one waits for it instead of running beside it. Behind it sits the simulated
// keyboard, which keeps its memory in a state file.
class CZelkHWI {
public:
    static constexpr int kLightValues = 261;   // Red, Green, Blue of KeyIndex 1..87
    static constexpr int kVersionChars = 64;   // buffer of ReadKeyboardVersion

    CZelkHWI();
    ~CZelkHWI();
    CZelkHWI(const CZelkHWI&) = delete;
    CZelkHWI& operator=(const CZelkHWI&) = delete;

    bool __createDev();
    bool DetectDevice();

    bool prepare();
    bool setKeyConfiguration(int layer, int keyIndex, const int* data, int count);
    bool writeKeyConfigurationToDev(WindowHandle window);
    bool readKeyDefinationFromDev(WindowHandle window);
    bool getKeyConfiguration(int layer, int keyIndex, int* buffer, int capacity);

    bool setKeyboardLightArea(const int* lights);
    bool readKeyLightFromDev();
    bool getKeyboardLightArea(int* lights);

    bool ReadKeyboardVersion(char16_t* buffer);
    bool WriteFirmwareToKeyboard(const unsigned char* bytes, std::size_t size, WindowHandle window);

    // The simulated keyboard behind the calls: state file, pace and injected faults.
    SimulatedKeyboard& simulator();

private:
    std::mutex mutex_;
    std::unique_ptr<SimulatedKeyboard> keyboard_;
};
