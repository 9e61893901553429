#pragma once

#include "ActionList.h"

class KeyboardProfile;

// What the key mapping window edits for one key on one layer: copies of the three collections
// with the actions of their selected entries, the single key and the choices of pages 4 to 7.
// Nothing reaches the profile until store(), which the window's OK calls.
class KeyMapWorkingState {
public:
    static constexpr int kNoChoice = -1;
    // The function that must sit on both layers of a key: level down ("FN").
    static constexpr int kLevelDownCode = 156;

    // Page 1.
    ActionList comboCollection;
    ActionList comboActions;
    int singleKeyCode = -1;       // HostCode of the single key; -1 none
    bool singleKeyMode = true;    // "Uniques" (true) or "Combo" (false)
    // Page 2.
    ActionList macroCollection;
    ActionList macroActions;
    // Page 3.
    ActionList emulationCollection;
    ActionList emulationActions;
    // Pages 4 to 7: the KeyCode chosen, or kNoChoice.
    int multimediaChoice = kNoChoice;
    int mouseChoice = kNoChoice;
    int functionChoice = kNoChoice;
    int powerChoice = kNoChoice;

    // Copies the profile's collections and takes the assignment of (selectedKey, currentLayer);
    // returns the page that shows it (1 to 7).
    int open(const KeyboardProfile& profile);
    // Stores the choice of a page into (selectedKey, currentLayer), and that page's collection.
    void store(KeyboardProfile& profile, int page) const;
    // Forgets the choice of a page: its single key, collection and actions, or its choice.
    void clearPage(int page);

    // The collection and actions of pages 1 to 3 (page 1's for any other page).
    ActionList& collectionOf(int page);
    ActionList& actionsOf(int page);
    // The choice of pages 4 to 7 (page 4's for any other page).
    int& choiceOf(int page);
    int choiceOf(int page) const;
};
