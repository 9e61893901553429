#pragma once

#include "CollectionListBox.h"

#include <optional>
#include <string>
#include <vector>

class CSkinScrollBar;
class KeyMapWorkingState;

// The collection list boxes of the key mapping window's pages 1 to 3 over its working lists,
// and what a click on one of their records does: a row selects (or asks to rename the selected
// entry, or tells that a selected action row was clicked again), New appends an entry and asks
// to name it, Delete removes the selected one. New and Delete on page 1 work only while "Combo"
// is chosen.
class KeyMapListBoxes {
public:
    KeyMapListBoxes(KeyMapWorkingState& work, CSkinScrollBar& collectionBar, CSkinScrollBar& actionBar);

    // The list box of a page; nullptr for pages 4 to 7.
    CollectionListBox* ofPage(int page);
    // Stores a page's actions into the selected entry of its collection.
    void commit(int page);

    // What a click on a record of a page asked for.
    struct Click {
        bool handled = false;  // the record is one of the list box's
        std::optional<CollectionListBox::EditRequest> rename;
        bool actionSelectedAgain = false;
    };
    Click click(int page, int id, const std::string& language);
    // After Clear: both bars as for an empty list of six rows, on all three pages.
    void showCleared(int page);

private:
    KeyMapWorkingState& work_;
    CSkinScrollBar& collectionBar_;
    CSkinScrollBar& actionBar_;
    std::vector<CollectionListBox> lists_;
};
