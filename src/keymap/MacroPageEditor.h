#pragma once

#include "CollectionListBox.h"

#include <QPoint>
#include <QPointer>

#include <optional>
#include <string>

class CSkinDialog;
class KeyMapControls;
class KeyMapListBoxes;
class KeyMapWorkingState;
class KeyboardProfile;
class QMenu;

// What the macro page edits beside its lists: the play mode, auto or recorded delays, the play
// count and delay edits (timesEdit also holds the emulation page's delay), the number of a
// delay line through the in-place edit, and the action rows' right-click menu. Every change
// of the actions is committed into the selected entry at once. The window repaints after each
// call; a menu command, which arrives from the menu, repaints the window itself.
class MacroPageEditor {
public:
    MacroPageEditor(CSkinDialog& window, const KeyboardProfile& profile, KeyMapWorkingState& work, KeyMapControls& controls,
                    KeyMapListBoxes& lists);

    // Painting: the checks of the play and delay modes and the edits' numbers from the working
    // state. Setting a number runs its edit's change handling, which brings it into range.
    void refreshMacro();
    void refreshEmulation();

    // Play mode 0 (a number of times), 1 (while held) or 2 (press to play, press to stop).
    void setPlayMode(int mode);
    // Auto delay (true) or recorded delays (false); the lines are converted on a change.
    void setAutoDelay(bool autoDelay);
    // A number edit's text changed while the page showed.
    void timesEditChanged(int page);
    void delayEditChanged(int page);

    // The in-place edit over the selected action row when its line is a delay: its number.
    std::optional<CollectionListBox::EditRequest> delayEditOfSelectedRow() const;
    // The number typed into that edit, kept: the selected line becomes its delay line.
    void keepDelay(const std::u16string& typed);

    // The right button released at a point of the window: over an action row that holds a
    // line, the menu of mouse actions and delete shows at the pointer.
    void rightClick(QPoint at, QPoint globalPoint);

private:
    void applyDelayEdit();
    void showMenu(int position, QPoint globalPoint);
    void menuCommand(int command);

    CSkinDialog& window_;
    const KeyboardProfile& profile_;
    KeyMapWorkingState& work_;
    KeyMapControls& controls_;
    KeyMapListBoxes& lists_;
    int menuRecord = -1;  // table position of the right-clicked action row
    QPointer<QMenu> menu_;
};
