#pragma once

#include <array>
#include <cstdint>

// The up/down state of every key as the key hook last saw it, in the form of the platform's
// key-state query: bit 15 set while the key is down (so the 16-bit value is negative), bit 0
// flipping with every press. The hook feeds it from the native key events whether or not a
// window is hooked; it stands in for both the thread's key-state snapshot and the
// asynchronous state, which here are one and the same.
class KeyStateTracker {
public:
    static constexpr std::int16_t kDownBit = static_cast<std::int16_t>(0x8000);
    static constexpr std::int16_t kToggleBit = 1;

    // The program's one tracker.
    static KeyStateTracker& global();

    // A key went down or up. Seeing the same transition twice changes nothing, so an event
    // offered to several receivers counts once.
    void press(int vk);
    void release(int vk);
    // Every key up (toggles kept): the program stops seeing keys when it loses the keyboard,
    // and a key released meanwhile must not stay down here.
    void releaseAll();

    // The 16-bit state widened to 32 bits; 0 for a code outside 0..255.
    int state(int vk) const;
    bool isDown(int vk) const { return (state(vk) & kDownBit) != 0; }

private:
    static bool valid(int vk) { return vk >= 0 && vk < 256; }

    std::array<std::int16_t, 256> states_{};
};
