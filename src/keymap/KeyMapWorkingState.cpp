#include "KeyMapWorkingState.h"

#include "ActionLines.h"
#include "KeyMapPages.h"
#include "KeyboardProfile.h"

namespace {

using ActionLines::kComboViewRows;
using ActionLines::kListViewRows;
constexpr int kHostCodeMask = 511;

// A collection copied in with the view size of the list box that shows it, and the actions of
// its selected entry.
void copyIn(ActionList& collection, ActionList& actions, const ActionList& source, int rows)
{
    collection.assignFrom(source);
    collection.SizeOfView = rows;
    actions = collection.childAt(collection.CursorPos);
}

// An assignment's actions matched to a collection entry (added as "default" if none has them).
void selectEntry(ActionList& collection, ActionList& actions, const ActionList& assigned)
{
    ActionList::selectOrAddDefault(collection, assigned);
    actions = collection.childAt(collection.CursorPos);
}

// HostCode of a KeyCode, -1 for a code outside the table (a file may hold anything).
int hostCodeOf(const KeyboardProfile& profile, int keyCode)
{
    if (keyCode < 0 || keyCode >= KeyboardProfile::kCodeTableSize) return -1;
    return profile.hostCodeOfDevice[static_cast<std::size_t>(keyCode)];
}

// Actions stored with their kind when there is at least one line.
void storeActions(KeyAssignment& entry, const ActionList& actions, int kind)
{
    if (actions.lineCount() < 1) return;
    entry.actions.assignFrom(actions);
    entry.kind = kind;
}

}  // namespace

int KeyMapWorkingState::open(const KeyboardProfile& profile)
{
    copyIn(comboCollection, comboActions, profile.predefinedCombo, kComboViewRows);
    copyIn(macroCollection, macroActions, profile.predefinedMacro, kListViewRows);
    copyIn(emulationCollection, emulationActions, profile.predefinedEmulation, kListViewRows);
    singleKeyCode = -1;
    // "Uniques" unless the key holds a combination: the switch of page 1 opens showing it.
    singleKeyMode = true;
    multimediaChoice = mouseChoice = functionChoice = powerChoice = kNoChoice;

    if (!KeyboardProfile::hasEntry(profile.selectedKey, profile.currentLayer)) return 1;
    const KeyAssignment& assigned = profile.assignment(profile.selectedKey, profile.currentLayer);
    switch (assigned.kind) {
    case Kind::Single: singleKeyCode = hostCodeOf(profile, assigned.code); return 1;
    case Kind::Combo:
        singleKeyMode = false;
        selectEntry(comboCollection, comboActions, assigned.actions);
        return 1;
    case Kind::Macro: selectEntry(macroCollection, macroActions, assigned.actions); return 2;
    case Kind::Emulation: selectEntry(emulationCollection, emulationActions, assigned.actions); return 3;
    case Kind::Multimedia: multimediaChoice = assigned.code; return 4;
    case Kind::Mouse: mouseChoice = assigned.code; return 5;
    case Kind::Function: functionChoice = assigned.code; return 6;
    case Kind::Power: powerChoice = assigned.code; return 7;
    default: return 1;
    }
}

void KeyMapWorkingState::store(KeyboardProfile& profile, int page) const
{
    if (!KeyboardProfile::hasEntry(profile.selectedKey, profile.currentLayer)) return;
    KeyAssignment& entry = profile.assignment(profile.selectedKey, profile.currentLayer);
    entry.kind = Kind::NotSet;
    switch (page) {
    case 1:
        if (!singleKeyMode) {
            storeActions(entry, comboActions, Kind::Combo);
        } else if (singleKeyCode >= 0) {
            const int code = profile.deviceCodeOfHost[static_cast<std::size_t>(singleKeyCode & kHostCodeMask)];
            if (code > 0) {
                entry.code = code;
                entry.kind = Kind::Single;
            }
        }
        // A page's collection is kept even when its choice is incomplete.
        profile.predefinedCombo.assignFrom(comboCollection);
        return;
    case 2:
        storeActions(entry, macroActions, Kind::Macro);
        profile.predefinedMacro.assignFrom(macroCollection);
        return;
    case 3:
        storeActions(entry, emulationActions, Kind::Emulation);
        profile.predefinedEmulation.assignFrom(emulationCollection);
        return;
    default: break;
    }

    const int choice = choiceOf(page);
    if (choice <= 0) return;
    entry.code = choice;
    entry.kind = KeyMapPages::of(page).choices.kind;
    if (entry.kind == Kind::Function && choice == kLevelDownCode) {
        // Level down works only when both layers of the key carry it.
        KeyAssignment& other = profile.assignment(profile.selectedKey, 1 - profile.currentLayer);
        other.kind = Kind::Function;
        other.code = kLevelDownCode;
    }
}

void KeyMapWorkingState::clearPage(int page)
{
    if (page == 1) singleKeyCode = -1;
    if (page >= 1 && page <= 3) {
        collectionOf(page).clear();
        actionsOf(page).clear();
    } else {
        choiceOf(page) = kNoChoice;
    }
}

ActionList& KeyMapWorkingState::collectionOf(int page)
{
    if (page == 2) return macroCollection;
    if (page == 3) return emulationCollection;
    return comboCollection;
}

ActionList& KeyMapWorkingState::actionsOf(int page)
{
    if (page == 2) return macroActions;
    if (page == 3) return emulationActions;
    return comboActions;
}

int& KeyMapWorkingState::choiceOf(int page)
{
    if (page == 5) return mouseChoice;
    if (page == 6) return functionChoice;
    if (page == 7) return powerChoice;
    return multimediaChoice;
}

int KeyMapWorkingState::choiceOf(int page) const
{
    if (page == 5) return mouseChoice;
    if (page == 6) return functionChoice;
    if (page == 7) return powerChoice;
    return multimediaChoice;
}
