#include "KeyEventInput.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr std::uintptr_t kCodeMask = 0xFF;
constexpr int kReleaseBit = 31;
constexpr int kExtendedBit = 24;
constexpr int kEnter = 13;
constexpr int kDownBit = 0x8000;
constexpr std::int64_t kNanosecondsPerMs = 1000000;

// The Shift states seen at the last resolved release.
int storedLeftShift = 0;
int storedRightShift = 0;

bool isDown(int state) { return (state & kDownBit) != 0; }

int resolveShift(bool release, const KeyEventInput::KeyStates& states)
{
    if (release) {
        const int left = states.snapshot(KeyEventInput::kLeftShift);
        const int right = states.snapshot(KeyEventInput::kRightShift);
        int side = KeyEventInput::kShift;
        if (left != storedLeftShift) side = KeyEventInput::kLeftShift;
        else if (right != storedRightShift) side = KeyEventInput::kRightShift;
        if (side != KeyEventInput::kShift) KeyEventInput::storeShiftStates(left, right);
        return side;
    }
    if (isDown(states.asynchronous(KeyEventInput::kLeftShift))) return KeyEventInput::kLeftShift;
    if (isDown(states.asynchronous(KeyEventInput::kRightShift))) return KeyEventInput::kRightShift;
    return KeyEventInput::kShift;
}

}  // namespace

std::int64_t KeyEventInput::now()
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::max<std::int64_t>(1, std::chrono::duration_cast<std::chrono::nanoseconds>(since).count());
}

KeyEvent KeyEventInput::read(std::uintptr_t wParam, std::intptr_t lParam, std::int64_t now, std::int64_t lastEventTime,
                             const KeyStates& states)
{
    KeyEvent event;
    const std::int64_t elapsed = (now - lastEventTime) / kNanosecondsPerMs;
    event.elapsedMs = static_cast<int>(std::clamp<std::int64_t>(elapsed, 0, kMaxElapsedMs));
    event.release = ((wParam >> kReleaseBit) & 1) != 0;
    event.vk = static_cast<int>(wParam & kCodeMask);
    const bool extended = ((lParam >> kExtendedBit) & 1) != 0;
    if (event.vk == kShift) event.vk = resolveShift(event.release, states);
    const int host = event.vk == kEnter && extended ? kKeypadEnter : event.vk;
    event.code = host + (event.release ? kReleaseOffset : 0);
    return event;
}

void KeyEventInput::storeShiftStates(int left, int right)
{
    storedLeftShift = left;
    storedRightShift = right;
}
