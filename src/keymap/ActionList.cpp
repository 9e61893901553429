#include "ActionList.h"

#include <utility>

namespace {

// A new child starts with its parent's view size and the defaults.
ActionList newChildOf(const ActionList& parent)
{
    ActionList child;
    child.SizeOfView = parent.SizeOfView;
    return child;
}

// The line a row addresses, or -1 when it lies beyond the end. Wide arithmetic: callers pass
// rows far beyond any list, and a view read from a file may hold any value.
int indexOfRow(const ActionList& list, int row)
{
    const long long i = static_cast<long long>(list.ViewStartAt) + row;
    return (i < 0 || i >= list.lineCount()) ? -1 : static_cast<int>(i);
}

}  // namespace

bool ActionList::holdsRow(int row) const { return indexOfRow(*this, row) >= 0; }

namespace {

// Appends a line with a new child and keeps it selected: inside the view if it fits, else as
// the last visible row.
void appendLine(ActionList& list, const std::u16string& text)
{
    std::u16string line(text);  // the text may be one of the list's own lines
    list.lines.push_back(std::move(line));
    list.children.push_back(newChildOf(list));

    const long long n = list.lineCount();
    const long long s = list.ViewStartAt;
    const long long v = list.SizeOfView;
    const long long e = n - s;
    if (e - v < 1) {
        list.CursorPos = static_cast<int>(e - 1);
    } else {
        list.ViewStartAt = static_cast<int>(s + e - v);
        list.CursorPos = static_cast<int>(v - 1);
    }
}

}  // namespace

void ActionList::clear()
{
    lines.clear();
    children.clear();
    ViewStartAt = 0;
    CursorPos = 0;
    Cycles = 1;
    IsAutoInterval = false;
    Delay = 30;
    PlayMode = 0;
}

void ActionList::assignFrom(const ActionList& other)
{
    // Copy before clearing: the source may be this list or one of its own descendants.
    ActionList copy(other);
    *this = std::move(copy);
}

std::u16string ActionList::textAt(int row) const
{
    const int i = indexOfRow(*this, row);
    return i >= 0 ? lines[static_cast<std::size_t>(i)] : std::u16string();
}

std::u16string ActionList::joinedLines(std::u16string_view separator) const
{
    std::u16string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += separator;
        text += lines[i];
    }
    return text;
}

ActionList ActionList::childAt(int row) const
{
    const int i = indexOfRow(*this, row);
    return i >= 0 ? children[static_cast<std::size_t>(i)] : newChildOf(*this);
}

void ActionList::storeChild(int row, const ActionList& child)
{
    const int i = indexOfRow(*this, row);
    if (i < 0)
        return;
    ActionList copy(child);  // the source may contain the slot being replaced
    children[static_cast<std::size_t>(i)] = std::move(copy);
}

void ActionList::setOrAppend(int row, const std::u16string& text)
{
    const int i = indexOfRow(*this, row);
    if (i >= 0)
        lines[static_cast<std::size_t>(i)] = text;
    else
        appendLine(*this, text);
}

void ActionList::insertAt(int row, const std::u16string& text)
{
    const int i = indexOfRow(*this, row);
    if (i < 0) {
        appendLine(*this, text);
        return;
    }
    std::u16string line(text);  // the text may be one of our own lines
    lines.insert(lines.begin() + i, std::move(line));
    children.insert(children.begin() + i, newChildOf(*this));
}

void ActionList::removeAt(int row)
{
    if (lines.empty())
        return;
    int i = indexOfRow(*this, row);
    if (i < 0)
        i = lineCount() - 1;
    lines.erase(lines.begin() + i);
    children.erase(children.begin() + i);

    const int n = lineCount();
    if (n == 0) {
        ViewStartAt = 0;
        CursorPos = 0;
        return;
    }
    if (ViewStartAt >= n)
        ViewStartAt = n - 1;
    const long long shown = static_cast<long long>(n) - ViewStartAt;
    if (CursorPos >= shown)
        CursorPos = static_cast<int>(shown - 1);
}

void ActionList::selectIndex(int index)
{
    // An empty list has no line to select; leave its view alone rather than pointing it at -1.
    if (lines.empty())
        return;
    if (index < 0)
        index = 0;
    if (index >= lineCount())
        index = lineCount() - 1;
    if (index >= ViewStartAt && index < static_cast<long long>(ViewStartAt) + SizeOfView) {
        CursorPos = index - ViewStartAt;
    } else {
        ViewStartAt = index;
        CursorPos = 0;
    }
}

int ActionList::findLine(const std::u16string& text) const
{
    for (int i = 0; i < lineCount(); ++i) {
        if (lines[static_cast<std::size_t>(i)] == text)
            return i;
    }
    return -1;
}

bool ActionList::sameActions(const ActionList& a, const ActionList& b)
{
    return a.lines == b.lines && a.Cycles == b.Cycles && a.IsAutoInterval == b.IsAutoInterval
        && a.Delay == b.Delay && a.PlayMode == b.PlayMode;
}

void ActionList::selectOrAddDefault(ActionList& collection, const ActionList& actions)
{
    for (int k = 0; k < collection.lineCount(); ++k) {
        if (sameActions(collection.children[static_cast<std::size_t>(k)], actions)) {
            collection.selectIndex(k);
            return;
        }
    }
    ActionList copy(actions);  // the actions may live inside the collection
    collection.append(u"default");
    collection.storeChild(collection.CursorPos, copy);
}
