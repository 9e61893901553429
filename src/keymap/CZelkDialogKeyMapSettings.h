#pragma once

#include "CSkinDialog.h"
#include "ChoicePageEditor.h"
#include "CollectionListBox.h"
#include "ComboPageEditor.h"
#include "InPlaceEdit.h"
#include "KeyMapControls.h"
#include "KeyMapListBoxes.h"
#include "KeyMapWorkingState.h"
#include "KeyRecordingSession.h"
#include "MacroPageEditor.h"

#include <cstdint>
#include <string>
#include <vector>

class CSkinScrollBar;
class KeyboardProfile;

// The window in which the user decides what one key (the profile's selectedKey) does on one
// layer (currentLayer). Seven pages, chosen by tabs: single key or combination, macro,
// emulation, multimedia, mouse, function, power. It works on copies (KeyMapWorkingState) and
// stores the page that shows into the profile only on its OK record; Cancel, the close button,
// Enter, Escape and the window manager end it without storing.
//
//   CZelkDialogKeyMapSettings window(profile);
//   if (Prompts::current().runModal(window) == QDialog::Accepted) ... repaint the keyboard
//
// A click first closes what is open: an in-place edit is committed, a running recorder is
// stopped; only OK and Cancel then go on to act. While an in-place edit is open, Enter in it
// commits it and Escape in it takes back what was typed; neither closes the window. A way of
// closing other than OK drops an open edit with the rest of the window's work.
//
// Keys are recorded through the device library's key hook: a record button (104, 107, 207,
// 302) installs it for this window, every key event then arrives as message 0x466, and the
// next click, or the window's end in any way, removes it and keeps what was recorded.
//
// The window coordinates; each concern has a class of its own that works on the working state
// and leaves the repainting to the window: the child controls (KeyMapControls), the list
// boxes of pages 1 to 3 (KeyMapListBoxes), the in-place edit (InPlaceEdit), the recorders
// (KeyRecordingSession) and the pages' own records (ComboPageEditor, MacroPageEditor,
// ChoicePageEditor).
class CZelkDialogKeyMapSettings : public CSkinDialog {
public:
    explicit CZelkDialogKeyMapSettings(KeyboardProfile& profile, QWidget* parent = nullptr);
    ~CZelkDialogKeyMapSettings() override;

    // The page showing, 1 to 7.
    int page() const { return currentPage_; }
    const KeyMapWorkingState& working() const { return work_; }
    // Whether the in-place edit is open over a collection row (rename) or a delay line.
    bool isRenameOpen() const { return inPlaceEdit_.isRenaming(); }
    bool isDelayEditOpen() const { return inPlaceEdit_.isEditingDelay(); }

    // Which recorder runs, if any.
    bool isCapturingSingle() const { return recording_.isCapturingSingle(); }
    bool isRecordingCombo() const { return recording_.isRecordingCombo(); }
    bool isRecordingMacro() const { return recording_.isRecordingMacro(); }
    bool isRecordingEmulation() const { return recording_.isRecordingEmulation(); }

    // Every way of ending the window comes through here: an open in-place edit, a running
    // recorder (with the key hook) and the tip go first, so nothing acts on a closing window.
    void done(int result) override;

    // The key hook's events (0x466); other messages go to the base.
    void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

protected:
    void initDialog() override;
    void buttonClicked(SkinButton& button) override;
    int currentPage() const override { return currentPage_; }
    ImageIds imageIds() const override;
    void beforePaint() override;
    void paintOver(QPainter& painter) override;
    void hoverImageDrawn(const SkinButton& button) override;
    // The right button opens the macro's action menu.
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Hidden by any means but minimising: no recorder keeps the keys hooked.
    void hideEvent(QHideEvent* event) override;

private:
    void switchToPage(int page);
    // Painting: the page's captions, checks and edit texts from the working state.
    void refreshPage();

    // Clicks, after an open edit and a running recorder have had theirs.
    void performAction(SkinButton& button);
    bool listBoxAction(int id);
    void pageAction(SkinButton& button);
    void clearPage();
    void onVerticalScroll(CSkinScrollBar& bar, int code, int position);

    void openInPlaceEdit(const CollectionListBox::EditRequest& request, InPlaceEdit::Purpose purpose);
    // What the in-place edit held when kept goes to the row record it covers.
    void inPlaceEditKept(const QRect& at, const std::u16string& text);
    // Stops a running recorder, if any, and repaints.
    void stopRecording();

    // In the order they are built: each part is built from those before it.
    KeyboardProfile& profile_;
    KeyMapWorkingState work_;
    int currentPage_ = 1;
    QString tipWanted_;  // the tip of the record hovered in the current paint
    KeyMapControls controls_;
    KeyMapListBoxes lists_;
    KeyRecordingSession recording_;
    ComboPageEditor comboPage_;
    MacroPageEditor macroPage_;
    ChoicePageEditor choicePages_;
    // Last, so it goes first: nothing it hands over reaches a part of the window that is gone.
    InPlaceEdit inPlaceEdit_;
};
