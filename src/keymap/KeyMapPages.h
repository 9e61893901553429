#pragma once

#include "SkinButton.h"

#include <string>

// Where the key mapping window's child text controls sit. The number edits sit further right
// in English, whose captions before them are longer.
namespace KeyMapControlPlace {
inline constexpr SkinRect timesEditChinese{470, 112, 506, 130};
inline constexpr SkinRect timesEditEnglish{485, 112, 521, 130};
inline constexpr SkinRect delayEditChinese{470, 176, 506, 194};
inline constexpr SkinRect delayEditEnglish{480, 176, 516, 194};
inline constexpr SkinRect comboText{380, 138, 521, 231};
}  // namespace KeyMapControlPlace

// How a child control of the key mapping window stands on a page.
enum class ControlShown { Hidden, Enabled, Disabled };

// A scroll bar of the key mapping window on one page: where it sits and how its range follows
// the list it scrolls (maximum = lines + extraLines, or extraLines alone when not lineBased).
struct KeyMapBar {
    bool shown = false;
    SkinRect rect;
    bool lineBased = false;
    int extraLines = 0;
    int page = 0;

    int maximumFor(int lines) const { return (lineBased ? lines : 0) + extraLines; }
};

// The choice buttons of pages 4 to 7: ids first..last, the KeyCode of each in its value.
struct KeyMapChoiceRange {
    int first = 0;  // 0: the page has no choices
    int last = 0;
    int kind = 0;        // AssignmentKind that OK stores
    bool hasTips = false;

    bool holds(int id) const { return first > 0 && id >= first && id <= last; }
};

// The collection list box of pages 1 to 3 and the action rows beside it.
struct KeyMapListLayout {
    int firstCollectionRow = 0;  // 0: the page has no list box
    int firstActionRow = 0;      // 0: the actions show elsewhere (page 1: comboText)
    int rows = 0;
    int newId = 0;
    int deleteId = 0;
    bool needsComboMode = false;  // New and Delete only while "Combo" is chosen
    const char16_t* defaultNameChinese = u"";  // with %d for the number
    const char16_t* defaultNameEnglish = u"";

    bool holdsCollectionRow(int id) const { return firstCollectionRow > 0 && id >= firstCollectionRow && id < firstCollectionRow + rows; }
    bool holdsActionRow(int id) const { return firstActionRow > 0 && id >= firstActionRow && id < firstActionRow + rows; }
    // The page's default name of an entry, numbered.
    std::u16string defaultName(const std::string& language, int number) const;
};

// One page of the key mapping window: its faces, the child controls it shows, its scroll bars
// and what its records are.
struct KeyMapPage {
    int number = 0;
    int backgroundImage = 0;
    int hoverImage = 0;
    int checkedImage = 0;
    ControlShown timesEdit = ControlShown::Hidden;
    ControlShown delayEdit = ControlShown::Hidden;
    ControlShown comboText = ControlShown::Hidden;
    KeyMapBar collectionBar;
    KeyMapBar actionBar;
    KeyMapListLayout list;
    KeyMapChoiceRange choices;
};

// The seven pages, one table.
class KeyMapPages {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 7;

    // The page; page 1 for a number outside 1..7.
    static const KeyMapPage& of(int number);
};
