#pragma once

#include "ActionList.h"
#include "KeyMapPages.h"
#include "SkinButton.h"

#include <optional>
#include <string>
#include <vector>

class CSkinScrollBar;

// The painted list boxes of one of the pages 1 to 3: the collection on the left (entries by
// name), the actions of its selected entry on the right, and their two scroll bars. It works
// on the window's working lists and keeps the rule that every change of the actions is stored
// into the selected entry at once (commit()).
//
// Row r of a list box shows line ViewStartAt + r of its list and is checked when r is the
// list's CursorPos. Scroll positions stand for line indexes: moving a bar selects that line.
class CollectionListBox {
public:
    // The in-place edit a click asks for: laid over the row record with this text.
    struct EditRequest {
        int recordId;
        std::u16string text;
    };
    enum class ActionClick { Ignored, Selected, SelectedAgain };

    CollectionListBox(const KeyMapPage& page, ActionList& collection, ActionList& actions,
                      CSkinScrollBar& collectionBar, CSkinScrollBar& actionBar);

    const KeyMapListLayout& layout() const { return page_.list; }

    // Stores the actions into the selected entry.
    void commit();
    // A click on collection row r: selects the entry, or asks to rename it when it is selected.
    std::optional<EditRequest> clickCollectionRow(int row);
    // A click on action row r: selects it, or tells that it was selected already.
    ActionClick clickActionRow(int row);
    // New: appends an unnamed entry, selects it and asks to name it with the first free
    // default name of the language.
    std::optional<EditRequest> addEntry(const std::string& language);
    // Delete: removes the selected entry and shows the actions of the entry then selected.
    void deleteSelected();
    // The committed text of a rename over collection row r: the entry takes it as it is.
    void rename(int row, const std::u16string& name);
    // A scroll bar action (ScrollCode) on one of the two bars.
    void scroll(CSkinScrollBar& bar, int code, int trackedPosition);

    // Both bars' ranges as the page shows them first: maximum from the lines, position 0.
    void resetBars();
    // The action bar's range for the actions the page shows now, position 0.
    void resetActionBar();
    // Captions and checks of the rows from the lists, in the language given.
    void refresh(std::vector<SkinButton>& table, const std::string& language) const;

    // Sets a bar's range: minimum 0, the maximum and page given, position 0.
    static void resetRange(CSkinScrollBar& bar, int maximum, int page);

private:
    void showActionsOfSelected();
    std::u16string firstFreeName(const std::string& language) const;

    const KeyMapPage& page_;
    ActionList& collection_;
    ActionList& actions_;
    CSkinScrollBar& collectionBar_;
    CSkinScrollBar& actionBar_;
};
