#pragma once

#include "WindowHandle.h"

#include <cstddef>
#include <memory>
#include <mutex>

class SimulatedKeyboard;

// The keyboard device library. Every call but the presence query is serialised by one mutex,
// so a task started after a cancelled one waits for it instead of running beside it. Behind it
// sits the simulated keyboard, which keeps its memory in a state file.
class CZelkHWI {
public:
    static constexpr int kLightValues = 261;   // Red, Green, Blue of KeyIndex 1..87
    static constexpr int kVersionChars = 64;   // buffer of ReadKeyboardVersion

    CZelkHWI();
    ~CZelkHWI();
    CZelkHWI(const CZelkHWI&) = delete;
    CZelkHWI& operator=(const CZelkHWI&) = delete;

    // Whether the keyboard is there: once at start, again on every device change.
    // DetectDevice only asks whether the keyboard is plugged in, so it answers at once, also
    // while a transfer runs on another thread: the window asking never waits behind one.
    bool __createDev();
    bool DetectDevice();

    // Device changes: while a window is set, the library posts kMsgDeviceChange to it whenever
    // a keyboard is plugged in or unplugged; 0 stops them. Callable from any thread.
    void setDeviceChangeWindow(WindowHandle window);

    // Writing keys: prepare starts a new staged set; setKeyConfiguration stages the array of one
    // (layer 0|1, KeyIndex 1..87), count 0..65536 (a later call for the same key replaces it);
    // writeKeyConfigurationToDev replaces all the keyboard's keys with the staged set (keys not
    // staged become empty), posting progress 0..150 to `window`, and returns once the keyboard
    // holds the data. Staged data that is never written is lost.
    bool prepare();
    bool setKeyConfiguration(int layer, int keyIndex, const int* data, int count);
    bool writeKeyConfigurationToDev(WindowHandle window);

    // Reading keys: readKeyDefinationFromDev takes a snapshot of the keyboard's keys, posting
    // progress 0..150. getKeyConfiguration copies the snapshot's array of one key into `buffer`
    // and never writes more than `capacity` ints. A key holding nothing reads as [0, 0]. When a
    // key's array is longer than `capacity`, the buffer receives [0, 0] (as much of it as fits)
    // and the call returns false, so the caller never decodes a cut-off array.
    bool readKeyDefinationFromDev(WindowHandle window);
    bool getKeyConfiguration(int layer, int keyIndex, int* buffer, int capacity);

    // Lights: kLightValues ints, Red, Green, Blue (0..255) of KeyIndex 1..87. Setting stores
    // them in the keyboard (a value out of range refuses the whole array); reading takes a
    // snapshot that getKeyboardLightArea copies.
    bool setKeyboardLightArea(const int* lights);
    bool readKeyLightFromDev();
    bool getKeyboardLightArea(int* lights);

    // Fills `buffer` (kVersionChars wide characters) with the zero-terminated version text.
    bool ReadKeyboardVersion(char16_t* buffer);
    // Sends a firmware image of any content and size (0 too), posting progress 0..150. The
    // bytes are not touched after the call returns.
    bool WriteFirmwareToKeyboard(const unsigned char* bytes, std::size_t size, WindowHandle window);
    // The largest firmware image the program reads into memory and sends.
    static constexpr std::size_t kMaxFirmwareBytes = std::size_t{64} << 20;

    // Every call above returns false, without effect, when the keyboard is not connected, on a
    // null pointer or a value out of range.

    // The simulated keyboard behind the calls: state file, pace and injected faults.
    SimulatedKeyboard& simulator();

private:
    std::mutex mutex_;
    std::unique_ptr<SimulatedKeyboard> keyboard_;
};
