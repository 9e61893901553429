#pragma once

#include "ActionList.h"
#include "KeyEventInput.h"

#include <array>
#include <cstdint>
#include <optional>

class KeyboardProfile;

// What each of the four recorders makes of one key event: the single key of page 1, the
// combination (bare key names), the macro (names with " Down" / " UP", and delay lines unless
// the macro uses auto delay) and the emulation (bare names of presses). Events beyond a
// recorder's limit are dropped.
class KeyRecorders {
public:
    static constexpr int kComboKeys = 6;
    static constexpr int kEmulationKeys = 6;
    static constexpr int kMacroLinesWithDelays = 799;
    static constexpr int kMacroLinesAutoDelay = 1600;

    // 1 while the key of that virtual-key code is down, as the recording saw it.
    using KeyDownFlags = std::array<unsigned char, 256>;

    // The single-key capture: the HostCode that the key's KeyCode leads back to, and whether it
    // is not the key's own code (a key without a KeyCode, or one shared with another key).
    struct SingleKey {
        int singleKeyCode = -1;
        int deviceCode = 0;
        bool differs = false;
    };

    // Presses of a key other than the previous event's; nothing for the rest.
    static std::optional<SingleKey> captureSingle(const KeyboardProfile& profile, const KeyEvent& event, int lastEventCode);
    // Appends the key's bare name for a new press while there are fewer than six lines; tells
    // whether a line was added.
    static bool recordCombo(ActionList& actions, const KeyboardProfile& profile, const KeyEvent& event, int lastEventCode);
    // Appends the delay since the previous event (recorded delays) and the event line, within
    // the line limit of the delay mode; returns the number of lines added. Events that do not
    // change the key's state (repeats, the release of a key held before the start) add nothing.
    static int recordMacro(ActionList& actions, KeyDownFlags& keyDown, const KeyboardProfile& profile, const KeyEvent& event,
                           std::int64_t lastEventTime);
    // Appends the bare name of a new press while there are fewer than six lines.
    static bool recordEmulation(ActionList& actions, KeyDownFlags& keyDown, const KeyboardProfile& profile,
                                const KeyEvent& event, int lastEventCode);

    // The line limit of a macro in its delay mode.
    static int macroLineLimit(const ActionList& actions);
    // "<%d ms>".
    static std::u16string delayLine(int milliseconds);

private:
    // Flips the key's state if the event changes it; false for an event that does not.
    static bool changesKeyState(KeyDownFlags& keyDown, const KeyEvent& event);
};
