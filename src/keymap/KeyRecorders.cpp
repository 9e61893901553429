#include "KeyRecorders.h"

#include "ActionLines.h"
#include "KeyboardProfile.h"

namespace {

constexpr int kHostCodeMask = 511;


}  // namespace

std::optional<KeyRecorders::SingleKey> KeyRecorders::captureSingle(const KeyboardProfile& profile, const KeyEvent& event,
                                                                   int lastEventCode)
{
    if (event.release || event.code == lastEventCode) return std::nullopt;
    SingleKey key;
    key.deviceCode = profile.deviceCodeOfHost[static_cast<std::size_t>(event.code & kHostCodeMask)];
    key.singleKeyCode = key.deviceCode >= 0 ? profile.hostCodeOfDevice[static_cast<std::size_t>(key.deviceCode)] : -1;
    key.differs = key.singleKeyCode != event.code;
    return key;
}

bool KeyRecorders::recordCombo(ActionList& actions, const KeyboardProfile& profile, const KeyEvent& event, int lastEventCode)
{
    if (event.release || event.code == lastEventCode || actions.lineCount() >= kComboKeys) return false;
    actions.append(profile.nameOfHostCode(event.code, false));
    return true;
}

int KeyRecorders::recordMacro(ActionList& actions, KeyDownFlags& keyDown, const KeyboardProfile& profile,
                              const KeyEvent& event, std::int64_t lastEventTime)
{
    if (!changesKeyState(keyDown, event)) return 0;
    const int limit = macroLineLimit(actions);
    int added = 0;
    // A delay separates two events, so none stands before the first line: the lines keep
    // alternating event, delay, event even when the recording began with an ignored event.
    if (lastEventTime > 0 && !actions.IsAutoInterval && actions.lineCount() > 0 && actions.lineCount() < limit) {
        actions.append(delayLine(event.elapsedMs));
        ++added;
    }
    if (actions.lineCount() < limit) {
        actions.append(profile.nameOfHostCode(event.code, true));
        ++added;
    }
    return added;
}

bool KeyRecorders::recordEmulation(ActionList& actions, KeyDownFlags& keyDown, const KeyboardProfile& profile,
                                   const KeyEvent& event, int lastEventCode)
{
    if (!changesKeyState(keyDown, event)) return false;
    if (event.release || actions.lineCount() >= kEmulationKeys || event.code == lastEventCode) return false;
    actions.append(profile.nameOfHostCode(event.code, false));
    return true;
}

int KeyRecorders::macroLineLimit(const ActionList& actions)
{
    return actions.IsAutoInterval ? kMacroLinesAutoDelay : kMacroLinesWithDelays;
}

std::u16string KeyRecorders::delayLine(int milliseconds) { return ActionLines::delayLine(milliseconds); }

bool KeyRecorders::changesKeyState(KeyDownFlags& keyDown, const KeyEvent& event)
{
    if (event.vk < 0 || event.vk >= static_cast<int>(keyDown.size())) return false;
    unsigned char& down = keyDown[static_cast<std::size_t>(event.vk)];
    if (down != (event.release ? 1 : 0)) return false;
    down = event.release ? 0 : 1;
    return true;
}
