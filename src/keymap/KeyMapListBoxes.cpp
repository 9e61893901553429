#include "KeyMapListBoxes.h"

#include "KeyMapWorkingState.h"

namespace {

constexpr int kListPages = 3;

}  // namespace

KeyMapListBoxes::KeyMapListBoxes(KeyMapWorkingState& work, CSkinScrollBar& collectionBar, CSkinScrollBar& actionBar)
    : work_(work), collectionBar_(collectionBar), actionBar_(actionBar)
{
    lists_.reserve(kListPages);
    for (int page = 1; page <= kListPages; ++page)
        lists_.emplace_back(KeyMapPages::of(page), work.collectionOf(page), work.actionsOf(page), collectionBar, actionBar);
}

CollectionListBox* KeyMapListBoxes::ofPage(int page)
{
    if (page < 1 || page > static_cast<int>(lists_.size())) return nullptr;
    return &lists_[static_cast<std::size_t>(page - 1)];
}

void KeyMapListBoxes::commit(int page)
{
    if (CollectionListBox* list = ofPage(page)) list->commit();
}

KeyMapListBoxes::Click KeyMapListBoxes::click(int page, int id, const std::string& language)
{
    CollectionListBox* list = ofPage(page);
    if (list == nullptr) return {};
    const KeyMapListLayout& layout = list->layout();
    const bool newAndDeleteAllowed = !(layout.needsComboMode && work_.singleKeyMode);
    Click click;
    click.handled = true;
    if (layout.holdsCollectionRow(id)) {
        click.rename = list->clickCollectionRow(id - layout.firstCollectionRow);
    } else if (layout.holdsActionRow(id)) {
        click.actionSelectedAgain = list->clickActionRow(id - layout.firstActionRow) == CollectionListBox::ActionClick::SelectedAgain;
    } else if (id == layout.newId) {
        if (newAndDeleteAllowed) click.rename = list->addEntry(language);
    } else if (id == layout.deleteId) {
        if (newAndDeleteAllowed) list->deleteSelected();
    } else {
        click.handled = false;
    }
    return click;
}

void KeyMapListBoxes::showCleared(int page)
{
    if (ofPage(page) == nullptr) return;
    constexpr int kClearedMaximum = 5;
    constexpr int kClearedPage = 6;
    CollectionListBox::resetRange(collectionBar_, kClearedMaximum, kClearedPage);
    CollectionListBox::resetRange(actionBar_, kClearedMaximum, kClearedPage);
}
