#pragma once

#include "SkinButton.h"

#include <vector>

class KeyMapWorkingState;

// Pages 4 to 7 of the key mapping window: one choice button per KeyCode (its value), of which
// at most one is chosen; a second click on the chosen button clears the choice.
class ChoicePageEditor {
public:
    ChoicePageEditor(std::vector<SkinButton>& table, KeyMapWorkingState& work);

    // Whether the record is one of the page's choice buttons.
    static bool holds(int page, int id);
    // Whether hovering the record shows its tip (pages 4, 6 and 7).
    static bool showsTip(int page, int id);

    // A click on a choice button of the page.
    void choose(int page, SkinButton& button);
    // Painting: the button of the page's choice is checked, the others are not.
    void refresh(int page);

private:
    std::vector<SkinButton>& table_;
    KeyMapWorkingState& work_;
};
