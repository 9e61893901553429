#pragma once

#include <cstddef>

class ActionList;
class XmlDocument;

// Reads List elements into ActionLists. A list is read from the next List element at the
// document's position; its x elements may come in any order, a gap in their IDs leaves empty
// lines and a repeated ID overwrites.
//
// The program writes lists two levels deep and a few hundred lines long. A crafted file could
// nest lists until the stack runs out, or name a line far beyond the end to make the list grow
// without bound; so nesting below kMaxDepth is not read, and an x element is skipped when its ID
// lies outside 0..kMaxLineIndex or when the lines of one load would pass kMaxLinesPerLoad.
class ActionListReader {
public:
    static constexpr int kMaxDepth = 64;
    static constexpr int kMaxLineIndex = 65535;
    static constexpr std::size_t kMaxLinesPerLoad = std::size_t{1} << 21;

    explicit ActionListReader(XmlDocument& document, std::size_t lineBudget = kMaxLinesPerLoad)
        : document_(document), linesLeft_(lineBudget)
    {
    }

    // Clears the list (its SizeOfView stays) and reads it; a missing List element leaves it cleared.
    void read(ActionList& list);

private:
    void read(ActionList& list, int depth);
    void readLine(ActionList& list, int depth);

    XmlDocument& document_;
    std::size_t linesLeft_;
};
