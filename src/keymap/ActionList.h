#pragma once

#include <string>
#include <string_view>
#include <vector>

class XmlDocument;

// An ordered list of text lines, each with a child list of its own, plus the view of the
// list box that shows it and four play settings. Collections (entry names whose children hold
// the entries' actions) and action lists (combination keys, macro events, emulated keys) are
// both ActionLists. Copies are deep.
class ActionList {
public:
    // Row to pass when appending: far beyond any list's length.
    static constexpr int kAppendRow = 200000;

    // Field names are also the attribute names of the list in profile files.
    int SizeOfView = 0;
    int ViewStartAt = 0;
    int CursorPos = 0;
    std::vector<std::u16string> lines;
    std::vector<ActionList> children;  // always exactly as long as lines
    int Cycles = 1;
    bool IsAutoInterval = false;
    int Delay = 30;
    int PlayMode = 0;

    int lineCount() const { return static_cast<int>(lines.size()); }

    void clear();
    void assignFrom(const ActionList& other);
    std::u16string textAt(int row) const;
    // Every line in order, separator between each two.
    std::u16string joinedLines(std::u16string_view separator) const;
    ActionList childAt(int row) const;
    void storeChild(int row, const ActionList& child);
    void setOrAppend(int row, const std::u16string& text);
    void append(const std::u16string& text) { setOrAppend(kAppendRow, text); }
    // Whether the view's row shows a line.
    bool holdsRow(int row) const;
    void insertAt(int row, const std::u16string& text);
    void removeAt(int row);
    void selectIndex(int index);
    int findLine(const std::u16string& text) const;

    static bool sameActions(const ActionList& a, const ActionList& b);
    static void selectOrAddDefault(ActionList& collection, const ActionList& actions);

    // The file form: a List element with one x element per line (profile files); ActionListReader
    // reads it back.
    bool writeToXml(XmlDocument& document) const;
};
