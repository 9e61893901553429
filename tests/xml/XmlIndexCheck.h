#pragma once

#include "XmlDocument.h"

#include <string>
#include <vector>

// Checks a document's element index against its text: the links must be consistent, and the
// tree must match what a fresh parse of the same text builds. Returns an empty string when
// all is well, else a description of the first difference. Shared by tests and fuzz targets.
namespace XmlIndexCheck {

inline std::string describe(const char* what, std::int32_t record, long long expected, long long actual)
{
    return std::string(what) + " of record " + std::to_string(record) + ": expected " + std::to_string(expected) +
           ", found " + std::to_string(actual);
}

// Children of `parent` in order, with their link invariants checked.
inline std::string childrenOf(const XmlElementIndex& index, std::int32_t parent, std::vector<std::int32_t>& out)
{
    out.clear();
    const std::int32_t first = index[parent].firstChild;
    if (first == 0)
        return {};
    std::int32_t previous = 0;
    for (std::int32_t c = first; c != 0; c = index[c].next) {
        if (c <= 0 || c >= index.nextFree())
            return describe("link", parent, 1, c);
        if (out.size() > static_cast<std::size_t>(index.nextFree()))
            return "cycle among the children of record " + std::to_string(parent);
        if (index[c].parent != parent)
            return describe("parent", c, parent, index[c].parent);
        const bool firstBit = (index[c].flags & XmlRecordFlag::kFirstChild) != 0;
        if (firstBit != (c == first))
            return describe("first-child bit", c, c == first, firstBit);
        if (previous != 0 && index[c].prev != previous)
            return describe("prev", c, previous, index[c].prev);
        out.push_back(c);
        previous = c;
    }
    if (index[first].prev != out.back())
        return describe("prev of first child (the last child)", first, out.back(), index[first].prev);
    return {};
}

inline std::string compare(const XmlDocument& edited)
{
    XmlDocument fresh;
    fresh.SetFlags(edited.Flags() & XmlDocument::kIgnoreCase);
    fresh.SetText(edited.GetText());
    const XmlElementIndex& a = edited.Index();
    const XmlElementIndex& b = fresh.Index();
    if (a[0].length != static_cast<std::int32_t>(edited.GetText().size()))
        return describe("length", 0, static_cast<long long>(edited.GetText().size()), a[0].length);

    std::vector<std::pair<std::int32_t, std::int32_t>> pending{{0, 0}};
    std::vector<std::int32_t> ca;
    std::vector<std::int32_t> cb;
    while (!pending.empty()) {
        const auto [ra, rb] = pending.back();
        pending.pop_back();
        if (std::string e = childrenOf(a, ra, ca); !e.empty())
            return e;
        childrenOf(b, rb, cb);
        if (ca.size() != cb.size())
            return describe("child count", ra, static_cast<long long>(cb.size()), static_cast<long long>(ca.size()));
        for (std::size_t i = 0; i < ca.size(); ++i) {
            const XmlElementRecord& x = a[ca[i]];
            const XmlElementRecord& y = b[cb[i]];
            if (x.start != y.start)
                return describe("start", ca[i], y.start, x.start);
            if (x.length != y.length)
                return describe("length", ca[i], y.length, x.length);
            if (a.startTagLength(ca[i]) != b.startTagLength(cb[i]))
                return describe("start tag length", ca[i], b.startTagLength(cb[i]), a.startTagLength(ca[i]));
            if (a.endTagLength(ca[i]) != b.endTagLength(cb[i]))
                return describe("end tag length", ca[i], b.endTagLength(cb[i]), a.endTagLength(ca[i]));
            if (XmlElementIndex::depthOf(x) != XmlElementIndex::depthOf(y))
                return describe("depth", ca[i], XmlElementIndex::depthOf(y), XmlElementIndex::depthOf(x));
            if ((x.flags & XmlRecordFlag::kNoEndTag) != (y.flags & XmlRecordFlag::kNoEndTag))
                return describe("no-end-tag bit", ca[i], (y.flags & XmlRecordFlag::kNoEndTag) != 0,
                                (x.flags & XmlRecordFlag::kNoEndTag) != 0);
            pending.emplace_back(ca[i], cb[i]);
        }
    }
    return {};
}

}  // namespace XmlIndexCheck
