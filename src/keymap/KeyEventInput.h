#pragma once

#include <cstdint>
#include <functional>

// One key event of the hook as the recorders see it, after the pre-processing that every
// event gets whether or not a recorder runs.
struct KeyEvent {
    int vk = 0;             // virtual-key code, Shift resolved to its side where it can be
    int code = 0;           // HostCode, 512 added for a release; the keypad Enter is 269
    bool release = false;
    int elapsedMs = 0;      // since the previous event, at most 65535
};

// Reads message 0x466 of the key hook. The sides of Shift come from key-state queries: on a
// release, the side whose state differs from the state stored at the last resolved release;
// on a press, the side that is down. The stored states live for the whole program.
class KeyEventInput {
public:
    static constexpr int kReleaseOffset = 512;
    static constexpr int kKeypadEnter = 269;
    static constexpr int kMaxElapsedMs = 65535;
    static constexpr int kShift = 16;
    static constexpr int kLeftShift = 160;
    static constexpr int kRightShift = 161;

    // The platform's key-state queries (16-bit states widened to int; negative while down).
    struct KeyStates {
        std::function<int(int vk)> snapshot;
        std::function<int(int vk)> asynchronous;
    };

    // Monotonic time in nanoseconds; above 0.
    static std::int64_t now();
    // The event of a message taken at time now, with lastEventTime the time of the previous
    // event (0 at the start of a recording).
    static KeyEvent read(std::uintptr_t wParam, std::intptr_t lParam, std::int64_t now, std::int64_t lastEventTime,
                         const KeyStates& states);
    // Sets the stored states of both Shift keys.
    static void storeShiftStates(int left, int right);
};
