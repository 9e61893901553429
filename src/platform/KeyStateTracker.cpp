#include "KeyStateTracker.h"

KeyStateTracker& KeyStateTracker::global()
{
    static KeyStateTracker tracker;
    return tracker;
}

void KeyStateTracker::press(int vk)
{
    if (!valid(vk)) return;
    std::int16_t& s = states_[static_cast<std::size_t>(vk)];
    if ((s & kDownBit) != 0) return;  // a repeat of a held key
    s = static_cast<std::int16_t>((s ^ kToggleBit) | kDownBit);
}

void KeyStateTracker::release(int vk)
{
    if (!valid(vk)) return;
    std::int16_t& s = states_[static_cast<std::size_t>(vk)];
    s = static_cast<std::int16_t>(s & ~kDownBit);
}

void KeyStateTracker::releaseAll()
{
    for (std::int16_t& s : states_) s = static_cast<std::int16_t>(s & ~kDownBit);
}

int KeyStateTracker::state(int vk) const { return valid(vk) ? states_[static_cast<std::size_t>(vk)] : 0; }
