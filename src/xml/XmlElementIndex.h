#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

// One element of a document's text: offsets into the text and links to its relatives.
// Eight 32-bit values, so a large document's index stays one flat array of small records.
struct XmlElementRecord {
    std::int32_t start = 0;       // offset of the element's "<"
    std::int32_t length = 0;      // up to the end of its end tag, or its start tag alone
    std::int32_t tagLengths = 0;  // start tag in the low 22 bits, end tag in the high 10 bits
    std::int32_t flags = 0;       // depth in bits 0..15, plus the bits below
    std::int32_t parent = 0;
    std::int32_t firstChild = 0;
    std::int32_t next = 0;
    std::int32_t prev = 0;        // for a first child: the last child
};
static_assert(sizeof(XmlElementRecord) == 32);

// Record flags.
namespace XmlRecordFlag {
inline constexpr std::int32_t kDepthMask = 0xFFFF;
inline constexpr std::int32_t kFree = 1 << 17;
inline constexpr std::int32_t kFirstChild = 1 << 19;
inline constexpr std::int32_t kNoEndTag = 1 << 20;
inline constexpr std::int32_t kErrorInside = 1 << 21;
inline constexpr std::int32_t kDocumentErrors = 1 << 23;  // record 0 only
}  // namespace XmlRecordFlag

// The element records of one document, in segments of 65536 so that growing never moves a
// full segment. Record 0 stands for the document itself.
class XmlElementIndex {
public:
    static constexpr int kSegmentBits = 16;
    static constexpr std::int32_t kSegmentSize = 1 << kSegmentBits;
    static constexpr std::int32_t kMaxStartTagField = (1 << 22) - 1;
    static constexpr std::int32_t kMaxEndTagField = (1 << 10) - 1;
    static constexpr std::int32_t kMaxDepth = XmlRecordFlag::kDepthMask;

    XmlElementIndex() { clear(8); }

    XmlElementRecord& operator[](std::int32_t i) { return segments_[i >> kSegmentBits][i & (kSegmentSize - 1)]; }
    const XmlElementRecord& operator[](std::int32_t i) const {
        return segments_[i >> kSegmentBits][i & (kSegmentSize - 1)];
    }

    // Empties the index to a cleared record 0 with room for at least `capacity` records.
    void clear(std::int32_t capacity);
    // Makes room for at least `capacity` records in all, so that handing them out never grows
    // the index; it still grows by half beyond them.
    void reserve(std::int32_t capacity);
    // Hands out the next record index, growing the index by half when it is full.
    std::int32_t allocate() { return nextFree_ < capacity_ ? nextFree_++ : allocateGrowing(); }
    std::int32_t nextFree() const { return nextFree_; }
    std::int32_t capacity() const { return capacity_; }

    // Tag lengths beyond what the packed field holds are kept aside, so no length is ever cut.
    std::int32_t startTagLength(std::int32_t i) const
    {
        const std::int32_t packed = (*this)[i].tagLengths & kMaxStartTagField;
        return packed == kMaxStartTagField ? longTags_.at(i).first : packed;
    }
    std::int32_t endTagLength(std::int32_t i) const
    {
        const auto packed = static_cast<std::int32_t>(static_cast<std::uint32_t>((*this)[i].tagLengths) >> 22);
        return packed == kMaxEndTagField ? longTags_.at(i).second : packed;
    }
    void setTagLengths(std::int32_t i, std::int32_t startTag, std::int32_t endTag)
    {
        if (startTag >= kMaxStartTagField || endTag >= kMaxEndTagField || !longTags_.empty())
            return setLongTagLengths(i, startTag, endTag);
        (*this)[i].tagLengths = static_cast<std::int32_t>(static_cast<std::uint32_t>(startTag) |
                                                          (static_cast<std::uint32_t>(endTag) << 22));
    }

    static std::int32_t depthOf(const XmlElementRecord& r) { return r.flags & XmlRecordFlag::kDepthMask; }
    static void setDepth(XmlElementRecord& r, std::int32_t depth)
    {
        r.flags = (r.flags & ~XmlRecordFlag::kDepthMask) | (depth < kMaxDepth ? depth : kMaxDepth);
    }

private:
    void grow(std::int32_t capacity);
    std::int32_t allocateGrowing();
    void setLongTagLengths(std::int32_t i, std::int32_t startTag, std::int32_t endTag);

    // A full segment is as large as a huge page and is placed on one, so it can ask for one;
    // smaller segments (small documents, the last one of a large document) are placed as usual.
    struct SegmentDeleter {
        void operator()(XmlElementRecord* records) const;
    };
    using Segment = std::unique_ptr<XmlElementRecord[], SegmentDeleter>;
    static Segment newSegment(std::int32_t records);

    std::vector<Segment> segments_;
    std::int32_t capacity_ = 0;
    std::int32_t nextFree_ = 1;
    std::unordered_map<std::int32_t, std::pair<std::int32_t, std::int32_t>> longTags_;
};
