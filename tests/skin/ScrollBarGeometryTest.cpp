// Lengths, part extents, hit testing and drag arithmetic of a scroll bar, without a widget.
#include "ScrollBarGeometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using Purpose = ScrollBarGeometry::Purpose;
constexpr int s = 15;

ScrollInfo state(int minimum, int maximum, int page, int position, int trackPosition = -1)
{
    ScrollInfo info;
    info.minimum = minimum;
    info.maximum = maximum;
    info.page = page;
    info.position = position;
    info.trackPosition = trackPosition;
    return info;
}

struct LengthCase {
    std::string name;
    int barLength;
    ScrollInfo state;
    int track;      // T
    int drawThumb;  // t for drawing
    int hitThumb;   // t for hit testing
    int arrow;      // A
    int drawOffset; // o for drawing
    int hitOffset;  // o for hit testing
};

class LengthsTest : public ::testing::TestWithParam<LengthCase> {};

TEST_P(LengthsTest, FollowTheBarsArithmetic)
{
    const LengthCase& c = GetParam();
    const ScrollBarGeometry draw(c.barLength, s, c.state, Purpose::Drawing);
    const ScrollBarGeometry hit(c.barLength, s, c.state, Purpose::HitTesting);
    EXPECT_EQ(draw.trackLength(), c.track);
    EXPECT_EQ(draw.thumbLength(), c.drawThumb);
    EXPECT_EQ(hit.thumbLength(), c.hitThumb);
    EXPECT_EQ(draw.freeLength(), c.track - c.drawThumb);
    EXPECT_EQ(draw.arrowLength(), c.arrow);
    EXPECT_EQ(draw.thumbOffset(), c.drawOffset);
    EXPECT_EQ(hit.thumbOffset(), c.hitOffset);
}

INSTANTIATE_TEST_SUITE_P(
    Geometry, LengthsTest,
    ::testing::Values(
        // T = 70, R = 100, N = 90, t = 10 * 70 / 100 = 7, F = 63.
        LengthCase{"TopOfList", 100, state(0, 99, 10, 0), 70, 7, 7, s, 0, 0},
        LengthCase{"MiddleOfList", 100, state(0, 99, 10, 45), 70, 7, 7, s, 31, 31},
        LengthCase{"LargestPosition", 100, state(0, 99, 10, 90), 70, 7, 7, s, 63, 63},
        // A drag in progress places the thumb at the track position.
        LengthCase{"TrackPositionWins", 100, state(0, 99, 10, 0, 45), 70, 7, 7, s, 31, 31},
        // Shorter than two cells: no track, each arrow half the bar (rounded toward zero).
        LengthCase{"NoTrack", 20, state(0, 99, 10, 0), 0, 0, 0, 10, 0, 0},
        LengthCase{"NoTrackOddLength", 21, state(0, 99, 10, 0), 0, 0, 0, 10, 0, 0},
        LengthCase{"ExactlyTwoCells", 30, state(0, 99, 10, 0), 0, 0, 0, s, 0, 0},
        // Track below 6 pixels: no thumb; the offset spreads over the whole track.
        LengthCase{"TrackTooShort", 35, state(0, 99, 10, 90), 5, 0, 0, s, 5, 5},
        // 10 * 70 / 1000 = 0, raised to 6.
        LengthCase{"ThumbRaisedToSix", 100, state(0, 999, 10, 0), 70, 6, 6, s, 0, 0},
        // Page covers the whole range (N = 0): drawn without thumb, centred; hit testing
        // sees a thumb over the whole track.
        LengthCase{"PageCoversRange", 100, state(0, 9, 10, 0), 70, 0, 70, s, 35, 0},
        // The offset uses the position itself, not its distance from the minimum.
        LengthCase{"NonZeroMinimum", 100, state(10, 109, 10, 10), 70, 7, 7, s, 7, 7},
        // Unsigned division: 7 * 70 / 3 = 163 would overrun the track; held to the track.
        LengthCase{"PageLargerThanRange", 100, state(0, 2, 7, 0), 70, 70, 70, s, 0, 0},
        // An empty range (maximum below minimum) must not divide by zero.
        LengthCase{"EmptyRange", 100, state(0, -1, 0, 0), 70, 0, 70, s, 35, 0},
        // A position beyond the largest one keeps the thumb at the end of the track.
        LengthCase{"PositionBeyondEnd", 100, state(0, 99, 10, 95), 70, 7, 7, s, 63, 63},
        LengthCase{"NegativePosition", 100, state(0, 99, 10, -5), 70, 7, 7, s, 0, 0},
        // Long lists: F * p = 64 * 300'000'000 does not fit 32 bits but must not wrap.
        LengthCase{"LongList", 100, state(0, 999'999'999, 10, 300'000'000), 70, 6, 6, s, 19,
                   19}),
    [](const ::testing::TestParamInfo<LengthCase>& param) { return param.param.name; });

TEST(ScrollBarGeometryTest, PartsTileTheBarAndHitTestMatchesThem)
{
    // A = 15, o = 31, t = 7: thumb [46, 53).
    const ScrollBarGeometry geo(100, s, state(0, 99, 10, 45), Purpose::HitTesting);
    using E = ScrollBarGeometry::Extent;
    const struct {
        int part;
        E extent;
    } parts[] = {{ScrollCode::LineUp, {0, 15}},     {ScrollCode::PageUp, {15, 46}},
                 {ScrollCode::ThumbTrack, {46, 53}}, {ScrollCode::PageDown, {53, 85}},
                 {ScrollCode::LineDown, {85, 100}}};
    for (const auto& p : parts) {
        EXPECT_EQ(geo.extent(p.part).begin, p.extent.begin) << "part " << p.part;
        EXPECT_EQ(geo.extent(p.part).end, p.extent.end) << "part " << p.part;
    }
    EXPECT_EQ(geo.extent(ScrollCode::ThumbPosition).length(), 0);

    const struct {
        int c;
        int part;
    } hits[] = {{-1, ScrollCode::NoPart},    {0, ScrollCode::LineUp},
                {14, ScrollCode::LineUp},    {15, ScrollCode::PageUp},
                {45, ScrollCode::PageUp},    {46, ScrollCode::ThumbTrack},
                {52, ScrollCode::ThumbTrack}, {53, ScrollCode::PageDown},
                {84, ScrollCode::PageDown},  {85, ScrollCode::LineDown},
                {99, ScrollCode::LineDown},  {500, ScrollCode::LineDown}};
    for (const auto& h : hits)
        EXPECT_EQ(geo.hitTest(h.c), h.part) << "at " << h.c;
}

TEST(ScrollBarGeometryTest, EmptyPartsAreSkippedByHitTest)
{
    // At position 0 the page-up track is empty: the first pixel after the arrow is the thumb.
    const ScrollBarGeometry top(100, s, state(0, 99, 10, 0), Purpose::HitTesting);
    EXPECT_EQ(top.hitTest(15), ScrollCode::ThumbTrack);
    // With the page covering the range, hit testing finds the thumb over the whole track.
    const ScrollBarGeometry covered(100, s, state(0, 9, 10, 0), Purpose::HitTesting);
    EXPECT_EQ(covered.hitTest(15), ScrollCode::ThumbTrack);
    EXPECT_EQ(covered.hitTest(84), ScrollCode::ThumbTrack);
    EXPECT_EQ(covered.hitTest(85), ScrollCode::LineDown);
    // No track at all: only the two arrows.
    const ScrollBarGeometry tiny(21, s, state(0, 99, 10, 0), Purpose::HitTesting);
    EXPECT_EQ(tiny.hitTest(9), ScrollCode::LineUp);
    EXPECT_EQ(tiny.hitTest(10), ScrollCode::PageDown); // the odd middle pixel
    EXPECT_EQ(tiny.hitTest(11), ScrollCode::LineDown);
}

TEST(ScrollBarGeometryTest, DragPositionScalesRoundsTowardZeroAndClamps)
{
    // N = 90, F = 63.
    const ScrollBarGeometry geo(100, s, state(0, 99, 10, 45), Purpose::Drawing);
    const struct {
        int start;
        int delta;
        int expected;
    } cases[] = {
        {45, 0, 45},    {45, 21, 75},  {45, 1, 46},   // 90 * 1 / 63 = 1
        {45, -1, 44},                                // -1.43 rounds toward zero
        {45, -2, 43},                                // -2.86 rounds toward zero
        {45, 200, 90},  {45, -200, 0}, {0, 63, 90},
    };
    for (const auto& c : cases)
        EXPECT_EQ(geo.dragPosition(c.start, c.delta), c.expected)
            << c.start << " + " << c.delta;

    // No free length: the position cannot move, only be clamped.
    const ScrollBarGeometry covered(100, s, state(0, 9, 10, 0), Purpose::Drawing);
    EXPECT_EQ(covered.dragPosition(0, 50), 0);
    // A page larger than the range (largest position -4) still yields the minimum, never a
    // position below it.
    const ScrollBarGeometry full(100, s, state(0, 2, 7, 0), Purpose::Drawing);
    EXPECT_EQ(full.dragPosition(0, 50), 0);
    EXPECT_EQ(full.dragPosition(0, -50), 0);

    const ScrollBarGeometry raised(100, s, state(10, 109, 10, 10), Purpose::Drawing);
    EXPECT_EQ(raised.dragPosition(10, -30), 10);
    EXPECT_EQ(raised.dragPosition(10, 1000), 90);

    // Huge ranges neither overflow nor leave the int range.
    const ScrollBarGeometry huge(100, s,
                                 state(0, std::numeric_limits<int>::max() - 1, 1, 0),
                                 Purpose::Drawing);
    EXPECT_EQ(huge.dragPosition(0, 1000), std::numeric_limits<int>::max() - 1);
}

} // namespace
