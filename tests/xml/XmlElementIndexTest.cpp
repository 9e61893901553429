#include "XmlElementIndex.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(XmlElementIndex, GrowsAcrossSegmentsWithoutMovingFullOnes)
{
    XmlElementIndex index;
    index.clear(8);
    EXPECT_EQ(index.nextFree(), 1);
    const std::int32_t count = 3 * XmlElementIndex::kSegmentSize + 5;
    const XmlElementRecord* firstSegment = nullptr;
    for (std::int32_t i = 1; i < count; ++i) {
        const std::int32_t r = index.allocate();
        ASSERT_EQ(r, i);
        index[r].start = i;
        index[r].next = -i;
        if (i == XmlElementIndex::kSegmentSize + 1)
            firstSegment = &index[0];  // the first segment is full from here on
    }
    EXPECT_EQ(&index[0], firstSegment);
    EXPECT_GE(index.capacity(), count);
    for (std::int32_t i = 1; i < count; ++i) {
        ASSERT_EQ(index[i].start, i);
        ASSERT_EQ(index[i].next, -i);
    }
    index.clear(8);
    EXPECT_EQ(index.nextFree(), 1);
    EXPECT_EQ(index[0].firstChild, 0);
}

// Records handed out within a reservation never move, not even those of a partly used last
// segment, which growing would replace; past the reservation the index grows as before.
TEST(XmlElementIndex, ReservedRecordsStayInPlace)
{
    XmlElementIndex index;
    index.clear(8);
    const std::int32_t reserved = 2 * XmlElementIndex::kSegmentSize + 100;
    index.reserve(reserved);
    EXPECT_GE(index.capacity(), reserved);
    index.reserve(5);  // a smaller reservation gives nothing back
    EXPECT_GE(index.capacity(), reserved);

    std::vector<const XmlElementRecord*> places;
    for (std::int32_t i = 1; i < reserved; ++i) {
        const std::int32_t r = index.allocate();
        ASSERT_EQ(r, i);
        index[r].start = i;
        places.push_back(&index[r]);
    }
    for (std::int32_t i = 1; i < reserved; ++i)
        ASSERT_EQ(&index[i], places[static_cast<std::size_t>(i - 1)]) << i;
    for (std::int32_t i = 0; i < 1000; ++i)
        index[index.allocate()].start = reserved + i;
    for (std::int32_t i = 1; i < reserved + 1000; ++i)
        ASSERT_EQ(index[i].start, i);
}

TEST(XmlElementIndex, KeepsTagLengthsBeyondThePackedFieldsWhole)
{
    struct Case {
        std::int32_t startTag;
        std::int32_t endTag;
    };
    const Case cases[] = {
        {3, 4},       {(1 << 22) - 2, 1022}, {(1 << 22) - 1, 1023}, {(1 << 22) + 7, 4},
        {3, 1024},    {5'000'000, 70'000},   {0, 0},
    };
    XmlElementIndex index;
    index.clear(8);
    const std::int32_t r = index.allocate();
    for (const Case& c : cases) {
        index.setTagLengths(r, c.startTag, c.endTag);
        EXPECT_EQ(index.startTagLength(r), c.startTag);
        EXPECT_EQ(index.endTagLength(r), c.endTag);
    }
}

TEST(XmlElementIndex, DepthSaturatesInsteadOfSpillingIntoTheFlags)
{
    XmlElementRecord r;
    r.flags = XmlRecordFlag::kFirstChild;
    XmlElementIndex::setDepth(r, 70'000);
    EXPECT_EQ(XmlElementIndex::depthOf(r), XmlElementIndex::kMaxDepth);
    EXPECT_EQ(r.flags & ~XmlRecordFlag::kDepthMask, XmlRecordFlag::kFirstChild);
}

}  // namespace
