#pragma once

#include "KeyEventInput.h"
#include "KeyRecorders.h"

#include <cstdint>

class CSkinDialog;
class CSkinScrollBar;
class KeyMapListBoxes;
class KeyMapWorkingState;
class KeyboardProfile;
struct SkinButton;

// The key mapping window's four recorders and the key hook they share. A record button (104,
// 107, 207, 302) starts its recorder when its page allows it and hooks the keys for the window;
// every key event then arrives as message 0x466 and goes to the recorder running. Stopping
// removes the hook and keeps what was recorded in the selected entry of the page's collection.
// At most one recorder runs: every click stops the one running before it acts. The window
// repaints when a call tells it to; a key that opens the capture's message box repaints the
// window first, so that the key shows behind the box.
class KeyRecordingSession {
public:
    KeyRecordingSession(CSkinDialog& window, const KeyboardProfile& profile, KeyMapWorkingState& work, KeyMapListBoxes& lists,
                        CSkinScrollBar& actionBar);
    // A window deleted without ending must not leave the keys hooked.
    ~KeyRecordingSession();
    KeyRecordingSession(const KeyRecordingSession&) = delete;
    KeyRecordingSession& operator=(const KeyRecordingSession&) = delete;

    bool isRunning() const { return running_ != 0; }
    bool isCapturingSingle() const;
    bool isRecordingCombo() const;
    bool isRecordingMacro() const;
    bool isRecordingEmulation() const;

    // Whether a click on the record goes on to act once it has stopped the recorder running:
    // OK and Cancel do after a single-key capture or a combination recording, nothing else does.
    bool clickActsAfterStop(int clickedId) const;
    // Starts the recorder of a record button if its condition holds; tells whether it started.
    bool start(SkinButton& button);
    // Removes the hook and stops the recorder running, keeping what it recorded.
    void stop();
    // Message 0x466: reads the event and hands it to the recorder running; tells whether that
    // changed what the window shows.
    bool keyEvent(std::uintptr_t wParam, std::intptr_t lParam);

private:
    bool mayStart(int buttonId) const;
    void prepare(int buttonId, int page);
    void resetActionBar(int page);
    bool record(const KeyEvent& event);
    void captureSingleKey(const KeyEvent& event);

    CSkinDialog& window_;
    const KeyboardProfile& profile_;
    KeyMapWorkingState& work_;
    KeyMapListBoxes& lists_;
    CSkinScrollBar& actionBar_;

    int running_ = 0;  // the record button of the recorder running; 0: none
    bool hookInstalled_ = false;
    bool captureBoxOpen_ = false;  // the single-key capture's message box is showing
    std::int64_t lastEventTime = 0;
    int lastEventCode = -1;
    KeyRecorders::KeyDownFlags keyDown{};
};
