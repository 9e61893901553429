#include "XmlDocument.h"

#include "HugePages.h"
#include "TextFile.h"
#include "XmlElementBuilder.h"
#include "XmlEntities.h"
#include "XmlTokenizer.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <limits>

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

std::u16string_view lineBreakOf(int flags)
{
    return (flags & XmlDocument::kAddNoLineBreaks) ? std::u16string_view() : kLineBreak;
}

// Writes a number in decimal ("%d") at the end of `buffer`; returns the digits.
std::u16string_view decimal(int value, char16_t (&buffer)[12])
{
    char16_t* begin = std::end(buffer);
    // Taken apart on the negative side, where every int has a value.
    int rest = value < 0 ? value : -value;
    do {
        *--begin = static_cast<char16_t>(u'0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (value < 0)
        *--begin = u'-';
    return {begin, static_cast<std::size_t>(std::end(buffer) - begin)};
}

bool overlaps(std::u16string_view view, const std::u16string& text)
{
    const std::less<const char16_t*> before;
    return !view.empty() && !text.empty() && before(view.data(), text.data() + text.size()) &&
           before(text.data(), view.data() + view.size());
}

}  // namespace

bool XmlDocument::SetText(std::u16string_view text)
{
    if (streaming() || text.size() > kMaxTextLength)
        return false;
    text_.assign(text);
    report_.clear();
    parse();
    return CheckWellFormed();
}

void XmlDocument::Reserve(std::size_t textLength, std::int32_t elements)
{
    text_.reserve(std::min(textLength, kMaxTextLength));
    HugePages::prefer(text_.data(), text_.capacity() * sizeof(char16_t));
    // Record 0 stands for the document; the elements come after it.
    index_.reserve(elements < std::numeric_limits<std::int32_t>::max() ? elements + 1 : elements);
}

bool XmlDocument::LoadFromFile(const std::u16string& path)
{
    if (streaming())
        return false;
    const bool read = ReadTextFile(path, text_, &report_, &flags_);
    // Even after a failed read the index must describe the (now empty) text.
    parse();
    return read && CheckWellFormed();
}

bool XmlDocument::SaveToFile(const std::u16string& path)
{
    if (streaming())
        return false;
    return WriteTextFile(path, text_, &report_, &flags_);
}

void XmlDocument::parse()
{
    ResetPosition();
    attributesOf_ = -1;
    path_.clear();
    const auto length = static_cast<std::int32_t>(text_.size());
    index_.clear(length / 64 + 8);
    openMarkupAt_ = -1;
    if (length == 0)
        return;
    XmlElementBuilder builder(text_, index_, report_, ignoreCase());
    builder.build();
    openMarkupAt_ = builder.unterminatedAt();
    XmlElementRecord& document = index_[0];
    document.start = 0;
    document.length = length;
    if (document.firstChild == 0)
        AddReportEntry(report_, u"no_root_element", std::nullopt, 0);
    else if (index_[document.firstChild].next != 0)
        AddReportEntry(report_, u"root_has_sibling", std::nullopt, 0);
    ResetPosition();
}

bool XmlDocument::CheckWellFormed() const
{
    if (flags_ & kWriteStream)
        return true;
    const XmlElementRecord& document = index_[0];
    if (document.flags & XmlRecordFlag::kDocumentErrors)
        return false;
    if (flags_ & kReadStream)
        return true;
    return document.firstChild != 0 && index_[document.firstChild].next == 0;
}

void XmlDocument::ResetPosition()
{
    parentPos_ = 0;
    currentPos_ = 0;
    childPos_ = 0;
}

std::u16string_view XmlDocument::TagName(std::int32_t record) const
{
    const std::int32_t from = index_[record].start + 1;
    const std::int32_t end = XmlTokenizer::nameTokenEnd(text_, from);
    return std::u16string_view(text_).substr(static_cast<std::size_t>(from), static_cast<std::size_t>(end - from));
}

bool XmlDocument::tagNameIs(std::int32_t record, std::u16string_view name) const
{
    if (name.empty())
        return true;
    const auto from = static_cast<std::size_t>(index_[record].start + 1);
    if (from + name.size() > text_.size())
        return false;
    const std::u16string_view candidate = std::u16string_view(text_).substr(from, name.size());
    if (!XmlTokenizer::namesEqual(candidate, name, ignoreCase()))
        return false;
    // The name token must end right there.
    return XmlTokenizer::nameTokenEnd(text_, static_cast<std::int32_t>(from + name.size())) ==
           static_cast<std::int32_t>(from + name.size());
}

bool XmlDocument::FindElement(std::u16string_view name)
{
    if (flags_ & kWriteStream)
        return false;
    std::int32_t candidate = currentPos_ != 0 ? index_[currentPos_].next : index_[parentPos_].firstChild;
    for (; candidate != 0; candidate = index_[candidate].next) {
        if (tagNameIs(candidate, name)) {
            currentPos_ = candidate;
            parentPos_ = index_[candidate].parent;
            childPos_ = 0;
            return true;
        }
    }
    return false;
}

bool XmlDocument::EnterElement()
{
    if (currentPos_ == 0)
        return false;
    parentPos_ = currentPos_;
    currentPos_ = childPos_;
    childPos_ = 0;
    return true;
}

bool XmlDocument::LeaveElement()
{
    if (parentPos_ == 0)
        return false;
    childPos_ = currentPos_;
    currentPos_ = parentPos_;
    parentPos_ = index_[parentPos_].parent;
    return true;
}

XmlDocument::ElementMarkup XmlDocument::composeElement(std::u16string& out, std::u16string_view name,
                                                       std::u16string_view value, int flags)
{
    ElementMarkup e;
    out.clear();
    out += u'<';
    out += name;
    if (value.empty()) {
        if (flags & kAddStartTagOnly)
            out += u'>';
        else
            out += (flags & kAddSpacedEmpty) ? u" />" : u"/>";
        e.startTag = static_cast<std::int32_t>(out.size());
        return e;
    }
    out += u'>';
    e.startTag = static_cast<std::int32_t>(out.size());
    if (flags & kAddCdata) {
        // A section can't hold its own terminator; it is split around every "]]>".
        out += u"<![CDATA[";
        for (std::size_t from = 0;;) {
            const std::size_t at = value.find(u"]]>", from);
            if (at == std::u16string_view::npos) {
                out += value.substr(from);
                break;
            }
            out += value.substr(from, at - from);
            out += u"]]]]><![CDATA[>";
            from = at + 3;
        }
        out += u"]]>";
    } else {
        XmlEntities::append(out, value, flags);
    }
    const std::size_t endStart = out.size();
    out += u"</";
    out += name;
    out += u'>';
    e.endTag = static_cast<std::int32_t>(out.size() - endStart);
    return e;
}

bool XmlDocument::AddChildElement(std::u16string_view name, std::u16string_view value, int flags)
{
    return AddElement(name, value, flags | kAddChild);
}

bool XmlDocument::AddElement(std::u16string_view name, std::u16string_view value, int flags)
{
    if (flags_ & kReadStream)
        return false;
    const bool asChild = (flags & kAddChild) != 0;
    if (asChild && (currentPos_ == 0 || (flags_ & kWriteStream)))
        return false;
    if ((flags & kAddStartTagOnly) && !value.empty())
        return false;
    // A name that isn't a name token would break the markup around it.
    if ((flags & kAddReplaceContent) || !XmlTokenizer::isWritableName(name, true))
        return false;

    const std::int32_t parent = asChild ? currentPos_ : parentPos_;
    const std::int32_t ref = asChild ? childPos_ : currentPos_;
    // Composed apart first: name and value may be pieces of the text, which moves as it grows.
    const ElementMarkup element = composeElement(markup_, name, value, flags);
    Insertion insertion;
    if (ref != 0)
        insertion = besideReference(ref, flags);
    else if (parent != 0 && index_.endTagLength(parent) == 0)
        insertion = openingUp(parent, flags);
    else
        insertion = insideParent(parent, flags);
    if (insertion.at < 0)
        return false;
    const std::size_t size = insertion.before.size() + markup_.size() + insertion.after.size() +
                             (insertion.closeParent ? 2 + static_cast<std::size_t>(insertion.parentNameLength) : 0);
    char16_t* out = openGap(insertion.at, insertion.removed, size);
    if (out == nullptr)
        return false;
    out = std::copy(insertion.before.begin(), insertion.before.end(), out);
    out = std::copy(markup_.begin(), markup_.end(), out);
    out = std::copy(insertion.after.begin(), insertion.after.end(), out);
    if (insertion.closeParent) {
        // The parent's name lies before the gap, so it is still where it was.
        *out++ = u'<';
        *out++ = u'/';
        const char16_t* parentName = text_.data() + insertion.parentNameAt;
        std::copy(parentName, parentName + insertion.parentNameLength, out);
    }
    shiftRecords(parent, insertion.at, static_cast<std::int32_t>(size) - insertion.removed);
    if (insertion.parentStartTag >= 0) {
        index_.setTagLengths(parent, insertion.parentStartTag, insertion.parentEndTag);
        index_[parent].flags &= ~XmlRecordFlag::kNoEndTag;
    }
    const auto start = insertion.at + static_cast<std::int32_t>(insertion.before.size());
    const std::int32_t record = addRecord(parent, ref, start, element, static_cast<std::int32_t>(markup_.size()), flags);

    if (asChild) {
        childPos_ = record;
    } else {
        parentPos_ = parent;
        currentPos_ = record;
        childPos_ = 0;
    }
    return true;
}

XmlDocument::Insertion XmlDocument::besideReference(std::int32_t ref, int flags) const
{
    const XmlElementRecord& r = index_[ref];
    Insertion insertion;
    insertion.at = (flags & kAddBefore) ? r.start : r.start + r.length;
    if ((flags & kAddNoLineBreaks) == 0)
        insertion.at = skipWhiteSpaceToMarkup(insertion.at);
    insertion.after = lineBreakOf(flags);
    return insertion;
}

// An empty parent ("<a/>") or one without end tag ("<a>") is opened up around the child.
XmlDocument::Insertion XmlDocument::openingUp(std::int32_t parent, int flags) const
{
    const XmlElementRecord& p = index_[parent];
    const bool startTagOnly = (p.flags & XmlRecordFlag::kNoEndTag) != 0;
    Insertion insertion;
    insertion.at = p.start + index_.startTagLength(parent) - (startTagOnly ? 1 : 2);
    insertion.removed = startTagOnly ? 0 : 1;
    if (text_[static_cast<std::size_t>(insertion.at)] != (startTagOnly ? u'>' : u'/')) {
        insertion.at = -1;
        return insertion;
    }
    // "<a //>" minus its last slash would still end in "/>" and stay empty.
    const bool slashBefore = !startTagOnly && text_[static_cast<std::size_t>(insertion.at - 1)] == u'/';
    const std::u16string_view lineBreak = lineBreakOf(flags);
    if (lineBreak.empty())
        insertion.before = slashBefore ? u" >" : u">";
    else
        insertion.before = slashBefore ? u" >\r\n" : u">\r\n";
    insertion.after = lineBreak;
    insertion.closeParent = true;
    insertion.parentNameAt = p.start + 1;
    insertion.parentNameLength = static_cast<std::int32_t>(TagName(parent).size());
    // The start tag now ends at the first character inserted: "<a" plus ">" or " >".
    insertion.parentStartTag = insertion.at - p.start + static_cast<std::int32_t>(slashBefore ? 2 : 1);
    insertion.parentEndTag = insertion.parentNameLength + 3;
    return insertion;
}

XmlDocument::Insertion XmlDocument::insideParent(std::int32_t parent, int flags) const
{
    const XmlElementRecord& p = index_[parent];
    const std::int32_t startTag = parent != 0 ? index_.startTagLength(parent) : 0;
    const std::int32_t endTag = parent != 0 ? index_.endTagLength(parent) : 0;
    const bool first = (flags & kAddBefore) != 0;
    const std::u16string_view lineBreak = lineBreakOf(flags);
    Insertion insertion;
    insertion.at = first ? p.start + startTag : p.start + p.length - endTag;
    if (parent == 0 && !first && openMarkupAt_ >= 0)
        insertion.at = openMarkupAt_;
    if (parent != 0 && p.length == startTag + endTag) {
        // Nothing between the tags: the child gets a line of its own.
        insertion.before = lineBreak;
    } else if ((flags & kAddNoLineBreaks) == 0) {
        insertion.at = skipWhiteSpaceToMarkup(insertion.at);
    }
    insertion.after = lineBreak;
    return insertion;
}

std::int32_t XmlDocument::addRecord(std::int32_t parent, std::int32_t ref, std::int32_t start,
                                    const ElementMarkup& element, std::int32_t length, int flags)
{
    const std::int32_t record = index_.allocate();
    XmlElementRecord& r = index_[record];
    r.start = start;
    r.length = length;
    r.flags = (flags & kAddStartTagOnly) ? XmlRecordFlag::kNoEndTag : 0;
    XmlElementIndex::setDepth(r, parent == 0 ? 0 : XmlElementIndex::depthOf(index_[parent]) + 1);
    r.firstChild = 0;
    index_.setTagLengths(record, element.startTag, element.endTag);
    const bool before = (flags & kAddBefore) != 0;
    if (ref != 0)
        before ? linkBefore(parent, ref, record) : linkAfter(parent, ref, record);
    else if (before && index_[parent].firstChild != 0)
        linkBefore(parent, index_[parent].firstChild, record);
    else
        linkLast(parent, record);
    return record;
}

std::int32_t XmlDocument::skipWhiteSpaceToMarkup(std::int32_t at) const
{
    auto i = static_cast<std::size_t>(at);
    while (i < text_.size() && XmlTokenizer::isWhiteSpace(text_[i]))
        ++i;
    return (i == text_.size() || text_[i] == u'<') ? static_cast<std::int32_t>(i) : at;
}

bool XmlDocument::splice(std::int32_t at, std::int32_t removed, std::u16string_view inserted)
{
    if (overlaps(inserted, text_)) {
        // The text may move while it makes room; the inserted characters go first.
        const std::u16string copy(inserted);
        return splice(at, removed, copy);
    }
    char16_t* gap = openGap(at, removed, inserted.size());
    if (gap != nullptr)
        std::copy(inserted.begin(), inserted.end(), gap);
    return gap != nullptr;
}

char16_t* XmlDocument::openGap(std::int32_t at, std::int32_t removed, std::size_t inserted)
{
    const std::size_t length = text_.size() - static_cast<std::size_t>(removed) + inserted;
    if (length > kMaxTextLength)
        return nullptr;
    // Room for half as much again, so a run of additions doesn't copy the text each time.
    if (length > text_.capacity()) {
        text_.reserve(length + length / 2 + 128);
        HugePages::prefer(text_.data(), text_.capacity() * sizeof(char16_t));
    }
    text_.replace(static_cast<std::size_t>(at), static_cast<std::size_t>(removed), inserted, u' ');
    attributesOf_ = -1;
    if (openMarkupAt_ >= at)
        openMarkupAt_ += static_cast<std::int32_t>(inserted) - removed;
    return text_.data() + at;
}

void XmlDocument::shiftRecords(std::int32_t enclosing, std::int32_t at, std::int32_t delta)
{
    if (delta == 0)
        return;
    // Children of the enclosing element that begin at or after the splice: a run at the end
    // of its child list, found from the last child backwards.
    if (const std::int32_t first = index_[enclosing].firstChild) {
        std::int32_t child = index_[first].prev;
        for (;;) {
            if (index_[child].start < at)
                break;
            shiftSubtree(child, delta);
            if (child == first)
                break;
            child = index_[child].prev;
        }
    }
    if (followPath(enclosing)) {
        for (std::size_t k = path_.size(); k-- > 0;) {
            XmlElementRecord& r = index_[path_[k]];
            r.length += delta;
            for (std::int32_t s = r.next; s != 0; s = index_[s].next)
                shiftSubtree(s, delta);
        }
        index_[0].length += delta;
        return;
    }
    for (std::int32_t a = enclosing;; a = index_[a].parent) {
        index_[a].length += delta;
        if (a == 0)
            break;
        for (std::int32_t s = index_[a].next; s != 0; s = index_[s].next)
            shiftSubtree(s, delta);
    }
}

bool XmlDocument::followPath(std::int32_t enclosing)
{
    constexpr std::int32_t kLongestPath = 1024;  // deeper documents walk the parent links
    if (enclosing == 0) {
        path_.clear();
        return true;
    }
    const std::int32_t depth = XmlElementIndex::depthOf(index_[enclosing]);
    if (depth >= kLongestPath)
        return false;
    path_.resize(static_cast<std::size_t>(depth) + 1, -1);
    std::int32_t a = enclosing;
    std::int32_t k = depth;
    for (; k >= 0 && path_[static_cast<std::size_t>(k)] != a; --k) {
        if (a == 0)
            break;
        path_[static_cast<std::size_t>(k)] = a;
        a = index_[a].parent;
    }
    // Either an ancestor was found in place, or the walk ran out exactly at the top. Anything
    // else is a depth that doesn't match the parent links: walk them instead.
    const bool consistent = k >= 0 ? a != 0 : a == 0;
    if (!consistent) {
        path_.clear();
        return false;
    }
    return true;
}

void XmlDocument::shiftSubtree(std::int32_t root, std::int32_t delta)
{
    std::int32_t node = root;
    for (;;) {
        index_[node].start += delta;
        if (index_[node].firstChild != 0) {
            node = index_[node].firstChild;
            continue;
        }
        while (node != root && index_[node].next == 0)
            node = index_[node].parent;
        if (node == root)
            return;
        node = index_[node].next;
    }
}

void XmlDocument::linkLast(std::int32_t parent, std::int32_t record)
{
    XmlElementRecord& r = index_[record];
    r.parent = parent;
    r.next = 0;
    const std::int32_t first = index_[parent].firstChild;
    if (first == 0) {
        index_[parent].firstChild = record;
        r.prev = record;
        r.flags |= XmlRecordFlag::kFirstChild;
        return;
    }
    const std::int32_t last = index_[first].prev;
    r.prev = last;
    index_[last].next = record;
    index_[first].prev = record;
}

void XmlDocument::linkAfter(std::int32_t parent, std::int32_t ref, std::int32_t record)
{
    XmlElementRecord& r = index_[record];
    r.parent = parent;
    r.prev = ref;
    r.next = index_[ref].next;
    if (r.next != 0)
        index_[r.next].prev = record;
    else
        index_[index_[parent].firstChild].prev = record;
    index_[ref].next = record;
}

void XmlDocument::linkBefore(std::int32_t parent, std::int32_t ref, std::int32_t record)
{
    XmlElementRecord& r = index_[record];
    r.parent = parent;
    r.next = ref;
    r.prev = index_[ref].prev;
    if (index_[parent].firstChild == ref) {
        index_[parent].firstChild = record;
        index_[ref].flags &= ~XmlRecordFlag::kFirstChild;
        r.flags |= XmlRecordFlag::kFirstChild;
    } else {
        index_[r.prev].next = record;
    }
    index_[ref].prev = record;
}

bool XmlDocument::SetAttribute(std::u16string_view name, int value)
{
    char16_t digits[12];
    return SetAttribute(name, decimal(value, digits));
}

bool XmlDocument::SetAttribute(std::u16string_view name, std::u16string_view value)
{
    if ((flags_ & kReadStream) || currentPos_ == 0 || !XmlTokenizer::isWritableName(name, false))
        return false;
    if (overlaps(name, text_) || overlaps(value, text_)) {
        // Name or value lie in the text, which moves as it makes room: they go first.
        const std::u16string ownName(name);
        const std::u16string ownValue(value);
        return SetAttribute(ownName, ownValue);
    }
    const std::int32_t record = currentPos_;
    const std::int32_t start = index_[record].start;
    const std::int32_t startTag = index_.startTagLength(record);
    const std::u16string_view tag = std::u16string_view(text_).substr(static_cast<std::size_t>(start),
                                                                       static_cast<std::size_t>(startTag));
    const std::vector<XmlAttributeSpan>& attributes = attributesOf(record, tag);
    XmlAttributeSpan span = attributesEnd_;
    for (const XmlAttributeSpan& here : attributes) {
        if (XmlTokenizer::namesEqual(XmlTokenizer::attributeName(tag, here), name, ignoreCase())) {
            span = here;
            break;
        }
    }

    // What goes before the quoted value: nothing when the value is replaced, "=" after a bare
    // name, else the whole new attribute after an empty value for a dangling "=".
    std::int32_t at = 0;
    std::int32_t removed = 0;
    std::u16string_view dangling;
    std::u16string_view opening;
    if (span.found && span.hasValue) {
        at = span.valueStart;
        removed = span.valueEnd - span.valueStart;
    } else if (span.found) {
        at = span.nameEnd;
        opening = u"=";
    } else {
        at = span.lastTokenEnd;
        if (span.danglingEquals)
            dangling = u"\"\"";
        opening = u" ";
    }
    const bool named = !span.found;
    const std::size_t escaped = XmlEntities::encodedLength(value, XmlEntities::kAttributeMode);
    const std::size_t size = dangling.size() + opening.size() + (named ? name.size() + 1 : 0) + escaped + 2;
    at += start;
    char16_t* out = openGap(at, removed, size);
    if (out == nullptr)
        return false;
    out = std::copy(dangling.begin(), dangling.end(), out);
    out = std::copy(opening.begin(), opening.end(), out);
    if (named) {
        out = std::copy(name.begin(), name.end(), out);
        *out++ = u'=';
    }
    *out++ = u'"';
    // Most values need no escaping at all: a length that didn't grow says so.
    out = escaped == value.size() ? std::copy(value.begin(), value.end(), out)
                                  : XmlEntities::encodeInto(out, value, XmlEntities::kAttributeMode);
    *out = u'"';

    const auto delta = static_cast<std::int32_t>(size) - removed;
    index_.setTagLengths(record, startTag + delta, index_.endTagLength(record));
    shiftRecords(record, at, delta);
    if (!span.found && !span.danglingEquals) {
        // Appended after the last attribute: the earlier ones stay where they were.
        XmlAttributeSpan added;
        added.found = true;
        added.nameStart = span.lastTokenEnd + 1;
        added.nameEnd = added.nameStart + static_cast<std::int32_t>(name.size());
        added.hasValue = true;
        added.quoted = true;
        added.valueStart = added.nameEnd + 1;
        added.valueEnd = span.lastTokenEnd + static_cast<std::int32_t>(size);
        added.lastTokenEnd = added.valueEnd;
        attributes_.push_back(added);
        attributesEnd_.lastTokenEnd = added.valueEnd;
        attributesEnd_.danglingEquals = false;
        attributesOf_ = record;
    }
    return true;
}

const std::vector<XmlAttributeSpan>& XmlDocument::attributesOf(std::int32_t record, std::u16string_view tag) const
{
    if (attributesOf_ != record) {
        attributesEnd_ = XmlTokenizer::listAttributes(tag, attributes_);
        attributesOf_ = record;
    }
    return attributes_;
}

std::u16string XmlDocument::GetAttribute(std::u16string_view name) const
{
    if (currentPos_ == 0 || name.empty())
        return {};
    const std::u16string_view tag = std::u16string_view(text_).substr(
        static_cast<std::size_t>(index_[currentPos_].start), static_cast<std::size_t>(index_.startTagLength(currentPos_)));
    for (const XmlAttributeSpan& span : attributesOf(currentPos_, tag))
        if (XmlTokenizer::namesEqual(XmlTokenizer::attributeName(tag, span), name, ignoreCase()))
            return XmlEntities::decode(XmlTokenizer::attributeValue(tag, span), flags_);
    return {};
}

std::u16string XmlDocument::EncodeEntities(std::u16string_view text, int flags)
{
    return XmlEntities::encode(text, flags);
}

std::size_t XmlDocument::EncodedLength(std::u16string_view text, int flags)
{
    return XmlEntities::encodedLength(text, flags);
}

std::u16string XmlDocument::DecodeEntities(std::u16string_view text, int flags)
{
    return XmlEntities::decode(text, flags);
}

void XmlDocument::AddReportEntry(std::u16string& report, std::u16string_view entry,
                                 std::optional<std::u16string_view> text, int flags, int number, int number2)
{
    if (report.size() >= kReportCap)
        return;
    XmlDocument document;
    document.SetText(report);
    const bool amending = (flags & kReportAmend) && document.FindElement(entry);
    if (!amending && !document.AddElement(entry, {}, kAddNoLineBreaks))
        return;
    if (text) {
        const char16_t* attribute = u"tagname";
        if (flags & kReportType)
            attribute = u"type";
        else if (flags & kReportEncoding)
            attribute = u"encoding";
        else if (flags & kReportMsg)
            attribute = u"msg";
        document.SetAttribute(attribute, *text);
    }
    if (flags & kReportN)
        document.SetAttribute(u"n", number);
    else if (flags & kReportCount)
        document.SetAttribute(u"count", number);
    else if (flags & kReportLength)
        document.SetAttribute(u"length", number);
    else if (number != -1)
        document.SetAttribute(u"offset", number);
    if (number2 != -1)
        document.SetAttribute(u"offset2", number2);
    report = std::move(document.text_);
}
