#include "KeyRecordingSession.h"

#include "CSkinDialog.h"
#include "CSkinScrollBar.h"
#include "KeyHook.h"
#include "KeyMapListBoxes.h"
#include "KeyMapTable.h"
#include "KeyMapWorkingState.h"
#include "KeyStateTracker.h"
#include "KeyboardProfile.h"
#include "MacroEditor.h"
#include "Prompts.h"

#include <array>

namespace {

// The record button of each recorder, its "Record" and "Stop Rec" labels and its page.
struct Recorder {
    int button;
    int recordLabel;
    int stopLabel;
    int page;
};
constexpr std::array<Recorder, 4> kRecorders{{
    {KeyMapId::CaptureSingle, KeyMapId::CaptureRecordLabel, KeyMapId::CaptureStopLabel, 1},
    {KeyMapId::RecordCombo, KeyMapId::ComboRecordLabel, KeyMapId::ComboStopLabel, 1},
    {KeyMapId::RecordMacro, KeyMapId::MacroRecordLabel, KeyMapId::MacroStopLabel, 2},
    {KeyMapId::RecordEmulation, KeyMapId::EmulationRecordLabel, KeyMapId::EmulationStopLabel, 3},
}};

const Recorder* recorderOf(int buttonId)
{
    for (const Recorder& r : kRecorders)
        if (r.button == buttonId) return &r;
    return nullptr;
}

// The key states the Shift side resolution asks for: the hook's own tracking of the keys.
const KeyEventInput::KeyStates& hookKeyStates()
{
    static const KeyEventInput::KeyStates states{
        [](int vk) { return KeyStateTracker::global().state(vk); },
        [](int vk) { return KeyStateTracker::global().state(vk); },
    };
    return states;
}

// The "Stop Rec" label shows while the recorder runs, the "Record" label while it does not.
void showLabels(std::vector<SkinButton>& table, const Recorder& recorder, bool running)
{
    findRecord(table, recorder.recordLabel)->captionVisible = !running;
    findRecord(table, recorder.stopLabel)->captionVisible = running;
}

}  // namespace

KeyRecordingSession::KeyRecordingSession(CSkinDialog& window, const KeyboardProfile& profile, KeyMapWorkingState& work,
                                         KeyMapListBoxes& lists, CSkinScrollBar& actionBar)
    : window_(window), profile_(profile), work_(work), lists_(lists), actionBar_(actionBar)
{
}

KeyRecordingSession::~KeyRecordingSession()
{
    if (hookInstalled_) UninstallHook();
}

bool KeyRecordingSession::isCapturingSingle() const { return running_ == KeyMapId::CaptureSingle; }
bool KeyRecordingSession::isRecordingCombo() const { return running_ == KeyMapId::RecordCombo; }
bool KeyRecordingSession::isRecordingMacro() const { return running_ == KeyMapId::RecordMacro; }
bool KeyRecordingSession::isRecordingEmulation() const { return running_ == KeyMapId::RecordEmulation; }

bool KeyRecordingSession::clickActsAfterStop(int clickedId) const
{
    if (!isRunning()) return true;
    return (isCapturingSingle() || isRecordingCombo()) && KeyMapId::endsWindow(clickedId);
}

bool KeyRecordingSession::start(SkinButton& button)
{
    const Recorder* recorder = recorderOf(button.id);
    if (recorder == nullptr || !mayStart(button.id)) return false;
    // The click stopped whatever ran, so this always starts one.
    button.checked = true;
    running_ = button.id;
    showLabels(window_.buttonTable, *recorder, true);
    prepare(button.id, recorder->page);
    // Shift presses made while nothing was recorded must not make a recorded release look
    // like the other side's.
    const KeyStateTracker& keys = KeyStateTracker::global();
    KeyEventInput::storeShiftStates(keys.state(KeyEventInput::kLeftShift), keys.state(KeyEventInput::kRightShift));
    // An input method would take the keys of a focused edit before the hook sees them.
    window_.setFocus();
    hookInstalled_ = InstallHook(window_.messageHandle());
    lastEventCode = -1;
    lastEventTime = 0;
    return true;
}

bool KeyRecordingSession::mayStart(int buttonId) const
{
    switch (buttonId) {
    case KeyMapId::CaptureSingle: return work_.singleKeyMode;
    case KeyMapId::RecordCombo: return !work_.singleKeyMode && work_.comboCollection.lineCount() > 0;
    case KeyMapId::RecordMacro: return work_.macroCollection.lineCount() > 0;
    case KeyMapId::RecordEmulation: return work_.emulationCollection.lineCount() > 0;
    default: return false;
    }
}

void KeyRecordingSession::prepare(int buttonId, int page)
{
    keyDown.fill(0);
    switch (buttonId) {
    case KeyMapId::RecordCombo: work_.comboActions.clear(); return;
    case KeyMapId::RecordMacro:
        // The play settings stay; the lines start over.
        work_.macroActions = MacroEditor::emptyLike(work_.macroActions);
        resetActionBar(page);
        return;
    case KeyMapId::RecordEmulation: {
        const int delay = work_.emulationActions.Delay;
        work_.emulationActions.clear();
        work_.emulationActions.Delay = delay;
        resetActionBar(page);
        return;
    }
    default: return;
    }
}

// The recording starts over on an empty list: the bar of the page's list box follows.
void KeyRecordingSession::resetActionBar(int page)
{
    if (CollectionListBox* list = lists_.ofPage(page)) list->resetActionBar();
}

void KeyRecordingSession::stop()
{
    if (hookInstalled_) UninstallHook();
    hookInstalled_ = false;
    const Recorder* recorder = recorderOf(running_);
    if (recorder == nullptr) return;
    // The recorded lines go into the selected entry of the page's collection.
    if (recorder->button != KeyMapId::CaptureSingle) lists_.commit(recorder->page);
    running_ = 0;
    findRecord(window_.buttonTable, recorder->button)->checked = false;
    showLabels(window_.buttonTable, *recorder, false);
}

bool KeyRecordingSession::keyEvent(std::uintptr_t wParam, std::intptr_t lParam)
{
    const std::int64_t now = KeyEventInput::now();
    const KeyEvent event = KeyEventInput::read(wParam, lParam, now, lastEventTime, hookKeyStates());
    const bool changed = record(event);
    // Every event restarts the measurement, an ignored repeat too.
    lastEventTime = now;
    lastEventCode = event.code;
    return changed;
}

bool KeyRecordingSession::record(const KeyEvent& event)
{
    if (isCapturingSingle()) {
        captureSingleKey(event);
    } else if (isRecordingCombo()) {
        KeyRecorders::recordCombo(work_.comboActions, profile_, event, lastEventCode);
    } else if (isRecordingMacro()) {
        actionBar_.changeRange(KeyRecorders::recordMacro(work_.macroActions, keyDown, profile_, event, lastEventTime));
    } else if (isRecordingEmulation()) {
        if (KeyRecorders::recordEmulation(work_.emulationActions, keyDown, profile_, event, lastEventCode))
            actionBar_.changeRange(1);
    } else {
        return false;
    }
    return true;
}

void KeyRecordingSession::captureSingleKey(const KeyEvent& event)
{
    const auto key = KeyRecorders::captureSingle(profile_, event, lastEventCode);
    if (!key) return;
    work_.singleKeyCode = key->singleKeyCode;
    // The box waits for the user: the window shows the key behind it meanwhile.
    window_.update();
    // Keys pressed while the box shows still replace the key, but open no second box.
    if (!key->differs || captureBoxOpen_) return;
    captureBoxOpen_ = true;
    Prompts::current().showMessage(QString::asprintf("a=%d, b=%d, c=%d", event.code, key->deviceCode, key->singleKeyCode), &window_);
    captureBoxOpen_ = false;
}
