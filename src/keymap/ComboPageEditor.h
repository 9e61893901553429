#pragma once

#include "SkinButton.h"

#include <vector>

class KeyMapWorkingState;
class KeyboardProfile;
class QPlainTextEdit;

// Page 1 of the key mapping window beside its list box: the "Uniques"/"Combo" switch, whose
// checked label is drawn green, the name of the single key and the combination's keys joined
// with " + " in comboText.
class ComboPageEditor {
public:
    ComboPageEditor(std::vector<SkinButton>& table, const KeyboardProfile& profile, KeyMapWorkingState& work,
                    QPlainTextEdit& comboText);

    // The switch's records show the working state's mode.
    void showMode();
    // A click on "Uniques" (101) or "Combo" (102): each of the two flips the mode, whichever
    // is checked.
    void flipMode(const SkinButton& clicked);
    // Painting: the single key's name and the combination from the working state.
    void refresh();

private:
    std::vector<SkinButton>& table_;
    const KeyboardProfile& profile_;
    KeyMapWorkingState& work_;
    QPlainTextEdit& comboText_;
};
