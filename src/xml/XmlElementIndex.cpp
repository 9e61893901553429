#include "XmlElementIndex.h"

#include "HugePages.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

static_assert(sizeof(XmlElementRecord) * XmlElementIndex::kSegmentSize == HugePages::kSize);

namespace {
constexpr std::int32_t kMaxCapacity = std::numeric_limits<std::int32_t>::max() - XmlElementIndex::kSegmentSize;
}

void XmlElementIndex::clear(std::int32_t capacity)
{
    capacity = std::clamp<std::int32_t>(capacity, 1, kMaxCapacity);
    // A small document must not keep the memory of a large one it replaced.
    if (capacity_ > capacity + capacity / 2 + kSegmentSize || capacity_ == 0) {
        segments_.clear();
        capacity_ = 0;
    }
    grow(capacity);
    longTags_.clear();
    nextFree_ = 1;
    (*this)[0] = XmlElementRecord{};
}

void XmlElementIndex::reserve(std::int32_t capacity)
{
    grow(std::min(capacity, kMaxCapacity));
}

std::int32_t XmlElementIndex::allocateGrowing()
{
    grow(capacity_ < kMaxCapacity - capacity_ / 2 ? capacity_ + capacity_ / 2 + 1 : kMaxCapacity);
    return nextFree_++;
}

void XmlElementIndex::grow(std::int32_t capacity)
{
    if (capacity <= capacity_)
        return;
    const auto segmentLength = [&](std::size_t s, std::int32_t cap) {
        const std::int64_t first = static_cast<std::int64_t>(s) << kSegmentBits;
        return static_cast<std::int32_t>(std::min<std::int64_t>(kSegmentSize, cap - first));
    };
    // Only a partly used last segment is ever replaced; full segments stay where they are.
    if (!segments_.empty()) {
        const std::size_t last = segments_.size() - 1;
        const std::int32_t had = segmentLength(last, capacity_);
        const std::int32_t wants = segmentLength(last, capacity);
        if (wants > had) {
            Segment bigger = newSegment(wants);
            std::memcpy(bigger.get(), segments_[last].get(), sizeof(XmlElementRecord) * static_cast<std::size_t>(had));
            segments_[last] = std::move(bigger);
        }
    }
    while ((static_cast<std::int64_t>(segments_.size()) << kSegmentBits) < capacity) {
        const std::int32_t length = segmentLength(segments_.size(), capacity);
        segments_.push_back(newSegment(length));
    }
    capacity_ = capacity;
}

XmlElementIndex::Segment XmlElementIndex::newSegment(std::int32_t records)
{
    const std::size_t bytes = sizeof(XmlElementRecord) * static_cast<std::size_t>(records);
    const bool full = records == kSegmentSize;
    void* memory = full ? std::aligned_alloc(HugePages::kSize, bytes) : std::malloc(bytes);
    if (memory == nullptr)
        throw std::bad_alloc();
    if (full)
        HugePages::prefer(memory, bytes);
    return Segment(static_cast<XmlElementRecord*>(memory));
}

void XmlElementIndex::SegmentDeleter::operator()(XmlElementRecord* records) const { std::free(records); }

void XmlElementIndex::setLongTagLengths(std::int32_t i, std::int32_t startTag, std::int32_t endTag)
{
    const bool longStart = startTag >= kMaxStartTagField;
    const bool longEnd = endTag >= kMaxEndTagField;
    if (longStart || longEnd)
        longTags_[i] = {startTag, endTag};
    else
        longTags_.erase(i);
    const auto startField = static_cast<std::uint32_t>(longStart ? kMaxStartTagField : startTag);
    const auto endField = static_cast<std::uint32_t>(longEnd ? kMaxEndTagField : endTag);
    (*this)[i].tagLengths = static_cast<std::int32_t>(startField | (endField << 22));
}
