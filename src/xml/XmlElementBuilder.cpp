#include "XmlElementBuilder.h"

#include "XmlDocument.h"

namespace {
constexpr std::size_t kNone = static_cast<std::size_t>(-1);
// Stacks deeper than this keep counts of their names; shallower ones are simply searched.
constexpr std::size_t kDeepStack = 64;
}

std::size_t XmlElementBuilder::NameHash::operator()(std::u16string_view name) const
{
    std::size_t h = 14695981039346656037ull;
    for (char16_t c : name) {
        if (ignoreCase && c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 32);
        h = (h ^ c) * 1099511628211ull;
    }
    return h;
}

void XmlElementBuilder::countOpen(std::u16string_view name, int change)
{
    const auto it = openNames_.try_emplace(name, 0).first;
    it->second += change;
    if (it->second == 0)
        openNames_.erase(it);
}

bool XmlElementBuilder::anyOpenNamed(std::u16string_view name)
{
    if (!countingNames_ && open_.size() > kDeepStack) {
        for (const OpenElement& open : open_)
            countOpen(nameOf(open), 1);
        countingNames_ = true;
    }
    return !countingNames_ || openNames_.count(name) != 0;
}

void XmlElementBuilder::build()
{
    XmlTokenizer tokenizer(text_);
    for (;;) {
        tokenizer.skipText();  // text between the markup builds nothing
        const XmlNode& node = tokenizer.next();
        switch (node.type) {
        case XmlNodeType::kElement:
            startTag(node);
            break;
        case XmlNodeType::kEndTag:
            endTag(node);
            break;
        case XmlNodeType::kMalformed:
            malformed(node);
            break;
        case XmlNodeType::kEndOfText:
            if (!open_.empty())
                closeUnended(0, static_cast<std::int32_t>(text_.size()));
            if (childrenMoved_)
                recomputeDepths();
            return;
        default:
            break;
        }
    }
}

void XmlElementBuilder::startTag(const XmlNode& node)
{
    const std::int32_t record = index_.allocate();
    XmlElementRecord& r = index_[record];
    r.start = node.start;
    r.length = node.length;
    r.flags = 0;
    XmlElementIndex::setDepth(r, static_cast<std::int32_t>(open_.size()));
    r.firstChild = 0;
    index_.setTagLengths(record, node.length, 0);
    linkLastChild(open_.empty() ? 0 : open_.back().record, record);
    if (!node.emptyElement) {
        open_.push_back(OpenElement{record, node.length, node.start + 1, node.nameLength});
        if (countingNames_)
            countOpen(nameOf(open_.back()), 1);
    }
}

void XmlElementBuilder::linkLastChild(std::int32_t parent, std::int32_t record)
{
    XmlElementRecord& r = index_[record];
    XmlElementRecord& p = index_[parent];
    r.parent = parent;
    r.next = 0;
    if (p.firstChild == 0) {
        p.firstChild = record;
        r.prev = record;
        r.flags |= XmlRecordFlag::kFirstChild;
        return;
    }
    XmlElementRecord& first = index_[p.firstChild];
    r.prev = first.prev;
    index_[first.prev].next = record;
    first.prev = record;
}

void XmlElementBuilder::endTag(const XmlNode& node)
{
    const std::u16string_view name(text_.data() + node.start + 2, static_cast<std::size_t>(node.nameLength));
    // Mostly the end tag closes the innermost element.
    if (!open_.empty() && XmlTokenizer::namesEqual(nameOf(open_.back()), name, ignoreCase_))
        return closeWithEndTag(node);
    std::size_t match = kNone;
    for (std::size_t i = anyOpenNamed(name) ? open_.size() : 0; i-- > 0;) {
        if (XmlTokenizer::namesEqual(nameOf(open_[i]), name, ignoreCase_)) {
            match = i;
            break;
        }
    }
    if (match == kNone) {
        XmlDocument::AddReportEntry(report_, u"lone_end_tag", name, 0, node.start);
        markError();
        return;
    }
    if (match + 1 < open_.size())
        closeUnended(match + 1, node.start + 1);
    closeWithEndTag(node);
}

void XmlElementBuilder::closeWithEndTag(const XmlNode& node)
{
    const OpenElement closed = open_.back();
    XmlElementRecord& r = index_[closed.record];
    r.length = node.start + node.length - r.start;
    index_.setTagLengths(closed.record, closed.startTagLength, node.length);
    popTo(open_.size() - 1);
}

void XmlElementBuilder::popTo(std::size_t size)
{
    if (countingNames_) [[unlikely]] {
        for (std::size_t i = size; i < open_.size(); ++i)
            countOpen(nameOf(open_[i]), -1);
        if (size < kDeepStack / 2) {
            openNames_.clear();
            countingNames_ = false;
        }
    }
    open_.resize(size);
}

void XmlElementBuilder::malformed(const XmlNode& node)
{
    const XmlSyntaxError& e = node.error;
    if (node.start + node.length == static_cast<std::int32_t>(text_.size()) && e.kind != nullptr)
        unterminatedAt_ = node.start;
    if (e.kind != nullptr)
        XmlDocument::AddReportEntry(report_, e.entry, std::u16string_view(e.kind), XmlDocument::kReportType, e.offset);
    else
        XmlDocument::AddReportEntry(report_, e.entry, std::nullopt, 0, e.offset);
    markError();
}

void XmlElementBuilder::markError()
{
    index_[0].flags |= XmlRecordFlag::kDocumentErrors;
    if (!open_.empty())
        index_[open_.back().record].flags |= XmlRecordFlag::kErrorInside;
}

void XmlElementBuilder::closeUnended(std::size_t keep, std::int32_t offset2)
{
    const std::int32_t parent = keep == 0 ? 0 : open_[keep - 1].record;
    for (std::size_t i = open_.size(); i-- > keep;) {
        const OpenElement& open = open_[i];
        XmlElementRecord& r = index_[open.record];
        r.length = open.startTagLength;
        r.flags |= XmlRecordFlag::kNoEndTag;
        index_.setTagLengths(open.record, open.startTagLength, 0);
        XmlDocument::AddReportEntry(report_, u"unended_start_tag", nameOf(open), 0, r.start, offset2);
    }
    // Closing innermost first would move each level's children up once per level above it;
    // the result is the same as appending every closed element's children, outermost first,
    // to the surviving parent, which touches each moved element once.
    bool errorInside = false;
    for (std::size_t i = keep; i < open_.size(); ++i) {
        XmlElementRecord& closed = index_[open_[i].record];
        errorInside = errorInside || (closed.flags & XmlRecordFlag::kErrorInside) != 0;
        closed.flags &= ~XmlRecordFlag::kErrorInside;
        const std::int32_t first = closed.firstChild;
        if (first == 0)
            continue;
        closed.firstChild = 0;
        const std::int32_t last = index_[first].prev;
        for (std::int32_t c = first; c != 0; c = index_[c].next) {
            index_[c].parent = parent;
            index_[c].flags &= ~XmlRecordFlag::kFirstChild;
        }
        // The closed element is a child of `parent`, so `parent` has a first child here.
        XmlElementRecord& parentFirst = index_[index_[parent].firstChild];
        const std::int32_t parentLast = parentFirst.prev;
        index_[parentLast].next = first;
        index_[first].prev = parentLast;
        parentFirst.prev = last;
        childrenMoved_ = true;
    }
    if (errorInside && parent != 0)
        index_[parent].flags |= XmlRecordFlag::kErrorInside;
    index_[0].flags |= XmlRecordFlag::kDocumentErrors;
    popTo(keep);
}

void XmlElementBuilder::recomputeDepths()
{
    // A parent always has a smaller record index than its children, also after moves.
    for (std::int32_t i = 1; i < index_.nextFree(); ++i) {
        XmlElementRecord& r = index_[i];
        XmlElementIndex::setDepth(r, r.parent == 0 ? 0 : XmlElementIndex::depthOf(index_[r.parent]) + 1);
    }
}
