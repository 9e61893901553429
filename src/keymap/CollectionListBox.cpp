#include "CollectionListBox.h"

#include "CSkinScrollBar.h"
#include "KeyMapTable.h"

#include <algorithm>

namespace {

// Only the low 16 bits of a dragged position travel with a scroll notification.
constexpr int kTrackBits = 0xFFFF;

void fillRows(std::vector<SkinButton>& table, int firstId, int rows, const ActionList& list, const std::string& language)
{
    for (int k = 0; k < rows; ++k) {
        SkinButton* row = findRecord(table, firstId + k);
        if (row == nullptr) continue;
        row->captions[language] = list.textAt(k);
        row->checked = k == list.CursorPos;
    }
}

}  // namespace

CollectionListBox::CollectionListBox(const KeyMapPage& page, ActionList& collection, ActionList& actions,
                                     CSkinScrollBar& collectionBar, CSkinScrollBar& actionBar)
    : page_(page), collection_(collection), actions_(actions), collectionBar_(collectionBar), actionBar_(actionBar)
{
}

void CollectionListBox::commit() { collection_.storeChild(collection_.CursorPos, actions_); }

std::optional<CollectionListBox::EditRequest> CollectionListBox::clickCollectionRow(int row)
{
    if (!collection_.holdsRow(row)) return std::nullopt;
    commit();
    if (row == collection_.CursorPos) return EditRequest{layout().firstCollectionRow + row, collection_.textAt(row)};
    collection_.CursorPos = row;
    showActionsOfSelected();
    return std::nullopt;
}

CollectionListBox::ActionClick CollectionListBox::clickActionRow(int row)
{
    if (layout().firstActionRow == 0 || !actions_.holdsRow(row)) return ActionClick::Ignored;
    if (row == actions_.CursorPos) return ActionClick::SelectedAgain;
    actions_.CursorPos = row;
    return ActionClick::Selected;
}

std::optional<CollectionListBox::EditRequest> CollectionListBox::addEntry(const std::string& language)
{
    collection_.append(std::u16string());
    collectionBar_.changeRange(+1);
    showActionsOfSelected();
    return EditRequest{layout().firstCollectionRow + collection_.CursorPos, firstFreeName(language)};
}

void CollectionListBox::deleteSelected()
{
    if (collection_.lineCount() < 1) return;
    // Only an entry the user can see selected goes; a cursor left off its rows (by a file)
    // would otherwise remove the last entry instead.
    const bool selectedRowShown = collection_.CursorPos >= 0 && collection_.CursorPos < layout().rows;
    if (selectedRowShown && collection_.holdsRow(collection_.CursorPos)) {
        collection_.removeAt(collection_.CursorPos);
        collectionBar_.changeRange(-1);
    }
    showActionsOfSelected();
}

void CollectionListBox::rename(int row, const std::u16string& name) { collection_.setOrAppend(row, name); }

void CollectionListBox::scroll(CSkinScrollBar& bar, int code, int trackedPosition)
{
    const ScrollInfo info = bar.scrollInfo();
    int position = info.position;
    switch (code) {
    case ScrollCode::LineUp: position -= 1; break;
    case ScrollCode::LineDown: position += 1; break;
    case ScrollCode::PageUp: position -= info.page; break;
    case ScrollCode::PageDown: position += info.page; break;
    case ScrollCode::ThumbTrack: position = trackedPosition & kTrackBits; break;
    default: break;
    }
    position = std::max(std::min(position, info.maximum - info.minimum - info.page + 1), info.minimum);
    ScrollInfo set;
    set.mask = ScrollInfo::Position;
    set.position = position;
    bar.setScrollInfo(set, true);

    if (&bar == &collectionBar_) {
        commit();
        collection_.selectIndex(position);
        showActionsOfSelected();
    } else if (layout().firstActionRow != 0) {
        actions_.selectIndex(position);
    }
}

void CollectionListBox::resetBars()
{
    resetRange(collectionBar_, page_.collectionBar.maximumFor(collection_.lineCount()), page_.collectionBar.page);
    resetActionBar();
}

void CollectionListBox::resetActionBar()
{
    resetRange(actionBar_, page_.actionBar.maximumFor(actions_.lineCount()), page_.actionBar.page);
}

void CollectionListBox::refresh(std::vector<SkinButton>& table, const std::string& language) const
{
    fillRows(table, layout().firstCollectionRow, layout().rows, collection_, language);
    if (layout().firstActionRow != 0) fillRows(table, layout().firstActionRow, layout().rows, actions_, language);
}

void CollectionListBox::resetRange(CSkinScrollBar& bar, int maximum, int page)
{
    ScrollInfo info;
    info.mask = ScrollInfo::Range | ScrollInfo::Page | ScrollInfo::Position;
    info.minimum = 0;
    info.maximum = maximum;
    info.page = page;
    info.position = 0;
    bar.setScrollInfo(info, true);
}

void CollectionListBox::showActionsOfSelected()
{
    actions_ = collection_.childAt(collection_.CursorPos);
    // Another entry's actions: the action bar starts over on them rather than keep growing.
    resetActionBar();
}

std::u16string CollectionListBox::firstFreeName(const std::string& language) const
{
    // Of lines + 1 numbers at least one is free.
    std::u16string name;
    for (int n = 1; n <= collection_.lineCount() + 1; ++n) {
        name = layout().defaultName(language, n);
        if (collection_.findLine(name) < 0) break;
    }
    return name;
}
