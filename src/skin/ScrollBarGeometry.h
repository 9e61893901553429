#pragma once

#include "ScrollInfo.h"

#include <cstdint>

// Lengths and part extents of a scroll bar along its axis, worked out from the bar's length,
// its cell size and one scroll state. Integer arithmetic throughout; the thumb's length and
// offset use unsigned division, so negative inputs count as very large ones.
class ScrollBarGeometry {
public:
    // Hit testing keeps a thumb when the page covers the whole range (a press there drags);
    // drawing shows none then.
    enum class Purpose { Drawing, HitTesting };

    // A stretch [begin, end) along the axis; empty when end <= begin.
    struct Extent {
        int begin = 0;
        int end = 0;
        bool contains(int c) const { return c >= begin && c < end; }
        int length() const { return end > begin ? end - begin : 0; }
    };

    ScrollBarGeometry(int barLength, int cellSize, const ScrollInfo& state, Purpose purpose);

    int trackLength() const { return m_trackLength; }
    std::int64_t scrollCount() const { return m_scrollCount; }
    int thumbLength() const { return m_thumbLength; }
    int freeLength() const { return m_trackLength - m_thumbLength; }
    int arrowLength() const { return m_arrowLength; }
    int thumbOffset() const { return m_thumbOffset; }

    // Extent of a part (ScrollCode 0, 1, 2, 3 or 5); empty for any other code.
    Extent extent(int part) const;

    // The part at coordinate c along the axis, ScrollCode::NoPart before the bar's start.
    int hitTest(int c) const;

    // Position for a thumb dragged by delta pixels from where a drag at dragStartPos began,
    // kept within [minimum, largest position]. Meant for a Drawing geometry.
    int dragPosition(int dragStartPos, int delta) const;

private:
    int m_barLength = 0;
    int m_minimum = 0;
    int m_trackLength = 0;
    std::int64_t m_scrollCount = 0;
    int m_thumbLength = 0;
    int m_arrowLength = 0;
    int m_thumbOffset = 0;
};
