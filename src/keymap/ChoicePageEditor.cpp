#include "ChoicePageEditor.h"

#include "KeyMapPages.h"
#include "KeyMapWorkingState.h"

ChoicePageEditor::ChoicePageEditor(std::vector<SkinButton>& table, KeyMapWorkingState& work) : table_(table), work_(work) {}

bool ChoicePageEditor::holds(int page, int id) { return KeyMapPages::of(page).choices.holds(id); }

bool ChoicePageEditor::showsTip(int page, int id)
{
    const KeyMapChoiceRange& choices = KeyMapPages::of(page).choices;
    return choices.hasTips && choices.holds(id);
}

void ChoicePageEditor::choose(int page, SkinButton& button)
{
    int& choice = work_.choiceOf(page);
    if (button.checked) {
        choice = KeyMapWorkingState::kNoChoice;
    } else {
        choice = button.value;
        for (SkinButton& other : table_)
            if (holds(page, other.id)) other.checked = false;
    }
    button.checked = !button.checked;
}

void ChoicePageEditor::refresh(int page)
{
    const int choice = work_.choiceOf(page);
    for (SkinButton& button : table_)
        if (holds(page, button.id)) button.checked = button.value == choice;
}
