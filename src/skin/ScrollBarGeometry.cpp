#include "ScrollBarGeometry.h"

#include <algorithm>
#include <limits>

namespace {

constexpr std::uint32_t minimumThumbLength = 6;

// The bar's arithmetic is 32-bit unsigned; products are widened so that long lists cannot wrap
// them into nonsense.
std::uint32_t asUnsigned(std::int64_t value)
{
    return static_cast<std::uint32_t>(value);
}

std::uint32_t thumbLengthFor(const ScrollInfo& state, int trackLength, std::int64_t rangeCount)
{
    if (trackLength < static_cast<int>(minimumThumbLength))
        return 0;
    const std::uint32_t track = asUnsigned(trackLength);
    const std::uint32_t range = asUnsigned(rangeCount);
    // An empty range is wholly covered by any page; this also keeps the division defined.
    std::uint64_t thumb = track;
    if (range != 0)
        thumb = std::uint64_t{asUnsigned(state.page)} * track / range;
    // A page larger than the range must not push the thumb over the last arrow.
    return static_cast<std::uint32_t>(
        std::clamp<std::uint64_t>(thumb, minimumThumbLength, track));
}

} // namespace

ScrollBarGeometry::ScrollBarGeometry(int barLength, int cellSize, const ScrollInfo& state,
                                     Purpose purpose)
    : m_barLength(barLength), m_minimum(state.minimum)
{
    m_trackLength = std::max(barLength - 2 * cellSize, 0);
    const std::int64_t rangeCount = std::int64_t{state.maximum} - state.minimum + 1;
    m_scrollCount = rangeCount - state.page;
    const std::uint32_t scrollCount = asUnsigned(m_scrollCount);

    std::uint32_t thumb = thumbLengthFor(state, m_trackLength, rangeCount);
    if (purpose == Purpose::Drawing && scrollCount == 0)
        thumb = 0;
    m_thumbLength = static_cast<int>(thumb);
    m_arrowLength = m_trackLength == 0 ? barLength / 2 : cellSize;

    const int freeLen = freeLength();
    if (scrollCount == 0) {
        m_thumbOffset = freeLen / 2;
        return;
    }
    const int p = state.trackPosition != -1 ? state.trackPosition : state.position;
    // The offset counts from position 0, not from the minimum. A position outside [0, N]
    // puts the thumb at the nearer end of its track instead of beyond it.
    const std::int64_t last = std::max<std::int64_t>(m_scrollCount, 0);
    const std::int64_t clamped = std::clamp<std::int64_t>(p, 0, last);
    const std::uint64_t offset =
        std::uint64_t{asUnsigned(freeLen)} * asUnsigned(clamped) / scrollCount;
    m_thumbOffset = static_cast<int>(std::min<std::uint64_t>(offset, asUnsigned(freeLen)));
}

ScrollBarGeometry::Extent ScrollBarGeometry::extent(int part) const
{
    const int a = m_arrowLength;
    const int thumbStart = a + m_thumbOffset;
    const int thumbEnd = thumbStart + m_thumbLength;
    switch (part) {
    case ScrollCode::LineUp:
        return {0, a};
    case ScrollCode::PageUp:
        return {a, thumbStart};
    case ScrollCode::ThumbTrack:
        return {thumbStart, thumbEnd};
    case ScrollCode::PageDown:
        return {thumbEnd, m_barLength - a};
    case ScrollCode::LineDown:
        return {m_barLength - a, m_barLength};
    default:
        return {};
    }
}

int ScrollBarGeometry::hitTest(int c) const
{
    if (c < 0)
        return ScrollCode::NoPart;
    const int a = m_arrowLength;
    if (c < a)
        return ScrollCode::LineUp;
    if (c < a + m_thumbOffset)
        return ScrollCode::PageUp;
    if (c < a + m_thumbOffset + m_thumbLength)
        return ScrollCode::ThumbTrack;
    if (c < m_barLength - a)
        return ScrollCode::PageDown;
    return ScrollCode::LineDown;
}

int ScrollBarGeometry::dragPosition(int dragStartPos, int delta) const
{
    const int freeLen = freeLength();
    std::int64_t q = dragStartPos;
    if (freeLen != 0)
        q += m_scrollCount * delta / freeLen; // rounds toward zero, as a drag back should
    // Held to the largest position first, then to the minimum, so that a page larger than
    // the range can never report a position below the minimum.
    q = std::max<std::int64_t>(std::min(q, m_scrollCount), m_minimum);
    return static_cast<int>(std::clamp<std::int64_t>(q, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}
