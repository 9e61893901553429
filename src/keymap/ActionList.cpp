#include "ActionList.h"

// Placeholder bodies until the action list model lands.
void ActionList::clear() {}
void ActionList::assignFrom(const ActionList& other) { *this = other; }
std::u16string ActionList::textAt(int) const { return {}; }
ActionList ActionList::childAt(int) const { return {}; }
void ActionList::storeChild(int, const ActionList&) {}
void ActionList::setOrAppend(int, const std::u16string&) {}
void ActionList::insertAt(int, const std::u16string&) {}
void ActionList::removeAt(int) {}
void ActionList::selectIndex(int) {}
int ActionList::findLine(const std::u16string&) const { return -1; }
bool ActionList::sameActions(const ActionList&, const ActionList&) { return false; }
void ActionList::selectOrAddDefault(ActionList&, const ActionList&) {}
