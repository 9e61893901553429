#include "XmlTokenizer.h"

#include "XmlTagScan.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Characters below 0x80 that end a name token: white space and the markup delimiters.
constexpr std::array<bool, 128> kNameStop = [] {
    std::array<bool, 128> stop{};
    for (char c : std::string_view(" \t\r\n!\"'/;<=>?\\"))
        stop[static_cast<unsigned char>(c)] = true;
    return stop;
}();

bool endsName(char16_t c) { return c < 128 && kNameStop[c]; }

bool isQuote(char16_t c) { return c == u'"' || c == u'\''; }

char16_t foldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

bool XmlTokenizer::isNameDelimiter(char16_t c) { return endsName(c) && !isWhiteSpace(c); }

std::int32_t XmlTokenizer::nameTokenEnd(std::u16string_view text, std::int32_t from)
{
    const auto n = static_cast<std::int32_t>(text.size());
    const char16_t* p = text.data();
#if defined(__SSE2__)
    // Names are mostly letters, which lie above every delimiter but the backslash: eight units
    // at a time are passed over until one lies below 64 or is a backslash, and that one decides.
    const __m128i below64 = _mm_set1_epi16(63);
    const __m128i backslash = _mm_set1_epi16(static_cast<short>(u'\\'));
    while (from + 8 <= n) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        const __m128i low = _mm_cmpeq_epi16(_mm_subs_epu16(units, below64), _mm_setzero_si128());
        const int mask = _mm_movemask_epi8(_mm_or_si128(low, _mm_cmpeq_epi16(units, backslash)));
        if (mask == 0) {
            from += 8;
            continue;
        }
        from += __builtin_ctz(static_cast<unsigned>(mask)) >> 1;
        if (endsName(p[from]))
            return from;
        ++from;  // a digit, "-", "." or ":" goes on the name
    }
#endif
    while (from < n && !endsName(p[from]))
        ++from;
    return from;
}

bool XmlTokenizer::namesEqualIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    return true;
}

bool XmlTokenizer::isWritableName(std::u16string_view name, bool asTagName)
{
    if (name.empty() || (asTagName && !startsStartTag(name.front())))
        return false;
    return nameTokenEnd(name, 0) == static_cast<std::int32_t>(name.size());
}

std::int32_t XmlTokenizer::find(std::u16string_view s, std::int32_t from) const
{
    if (from > size())
        return -1;
    const std::size_t at = text_.find(s, static_cast<std::size_t>(from));
    return at == std::u16string_view::npos ? -1 : static_cast<std::int32_t>(at);
}

void XmlTokenizer::set(int type, std::int32_t start, std::int32_t end, std::int32_t nameLength, bool emptyElement)
{
    node_.type = type;
    node_.start = start;
    node_.length = end - start;
    node_.nameLength = nameLength;
    node_.emptyElement = emptyElement;
    node_.error = {};
    offset_ = end;
}

const XmlNode& XmlTokenizer::next()
{
    const std::int32_t start = offset_;
    const std::int32_t n = size();
    if (start >= n) {
        set(XmlNodeType::kEndOfText, n, n);
        return node_;
    }
    if (text_[start] != u'<') {
        readText(start);
        return node_;
    }
    if (start + 1 >= n) {
        unterminated(start, u"tag");
        return node_;
    }
    const char16_t c = text_[start + 1];
    if (startsStartTag(c)) {
        readStartTag(start);
        return node_;
    }
    switch (c) {
    case u'/':
        readEndTag(start);
        break;
    case u'?':
        readUntil(start, start + 2, u"?>", XmlNodeType::kProcessingInstruction, u"processing_instruction");
        node_.nameLength = nameTokenEnd(text_.substr(0, static_cast<std::size_t>(offset_)), start + 2) - (start + 2);
        break;
    case u'!':
        readExclamation(start);
        break;
    default:
        malformed(start, start + 1, u"first_tag_syntax");
    }
    return node_;
}

void XmlTokenizer::skipText()
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    while (offset_ < n && isWhiteSpace(p[offset_]))
        ++offset_;
    if (offset_ < n && p[offset_] != u'<')
        offset_ = XmlTagScan::scanFor<u'<'>(p, offset_, n);
}

void XmlTokenizer::readText(std::int32_t start)
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    std::int32_t i = start;
    while (i < n && isWhiteSpace(p[i]))
        ++i;
    int type = XmlNodeType::kWhiteSpace;
    if (i < n && p[i] != u'<') {
        type = XmlNodeType::kText;
        i = XmlTagScan::scanFor<u'<'>(p, i, n);
    }
    set(type, start, i);
}


void XmlTokenizer::readStartTag(std::int32_t start)
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    const std::int32_t nameEnd = nameTokenEnd(text_, start + 1);
    XmlTagEnd end;
    if (!XmlTagScan::quoted(p, nameEnd, n, end))
        end = XmlTagScan::careful(p, nameEnd, n);
    if (end.close < 0)
        return unterminated(start, u"start_tag");
    set(XmlNodeType::kElement, start, end.close + 1, nameEnd - start - 1, end.empty);
}

void XmlTokenizer::readEndTag(std::int32_t start)
{
    const std::int32_t close = XmlTagScan::scanFor<u'>'>(text_.data(), start + 2, size());
    if (close >= size())
        return unterminated(start, u"end_tag");
    const std::int32_t nameEnd = nameTokenEnd(text_.substr(0, static_cast<std::size_t>(close)), start + 2);
    set(XmlNodeType::kEndTag, start, close + 1, nameEnd - start - 2);
}

void XmlTokenizer::readUntil(std::int32_t start, std::int32_t from, std::u16string_view terminator, int type,
                             const char16_t* kind)
{
    const std::int32_t at = find(terminator, from);
    if (at < 0)
        return unterminated(start, kind);
    set(type, start, at + static_cast<std::int32_t>(terminator.size()));
}

void XmlTokenizer::readExclamation(std::int32_t start)
{
    const std::int32_t n = size();
    const std::int32_t i = start + 2;
    if (i >= n)
        return unterminated(start, u"tag");
    switch (text_[i]) {
    case u'-':
        if (i + 1 >= n)
            return unterminated(start, u"tag");
        if (text_[i + 1] != u'-')
            return malformed(start, i + 1, u"comment_tag_syntax");
        return readUntil(start, start + 4, u"-->", XmlNodeType::kComment, u"comment");
    case u'[':
        if (i + 1 >= n)
            return unterminated(start, u"tag");
        if (text_[i + 1] != u'C')
            return malformed(start, i + 1, u"cdata_section_syntax");
        return readUntil(start, start + 3, u"]]>", XmlNodeType::kCdataSection, u"cdata_section");
    case u'D':
        return readDocumentType(start);
    default:
        return malformed(start, i, u"exclamation_tag_syntax");
    }
}

void XmlTokenizer::readDocumentType(std::int32_t start)
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    bool inSubset = false;
    char16_t quote = 0;
    std::int32_t i = start + 2;
    while (i < n) {
        const char16_t c = p[i];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            ++i;
        } else if (!inSubset) {
            if (c == u'>')
                return set(XmlNodeType::kDocumentType, start, i + 1);
            if (isQuote(c))
                quote = c;
            else if (c == u'[')
                inSubset = true;
            ++i;
        } else if (c == u']') {
            inSubset = false;
            ++i;
        } else if (c == u'<' && i + 1 < n && p[i + 1] == u'!') {
            if (i + 2 >= n)
                break;
            const char16_t kind = p[i + 2];
            if (kind == u'-') {
                if (i + 3 >= n)
                    break;
                if (p[i + 3] != u'-')
                    return malformed(start, i + 3, u"comment_tag_syntax");
                const std::int32_t end = find(u"-->", i + 4);
                if (end < 0)
                    break;
                i = end + 3;
            } else if (kind == u'A' || kind == u'E' || kind == u'N') {
                // A markup declaration runs to its own ">"; quoted values may hold one.
                std::int32_t j = i + 3;
                char16_t inner = 0;
                while (j < n && (inner != 0 || p[j] != u'>')) {
                    if (inner != 0 && p[j] == inner)
                        inner = 0;
                    else if (inner == 0 && isQuote(p[j]))
                        inner = p[j];
                    ++j;
                }
                if (j >= n)
                    break;
                i = j + 1;
            } else {
                return malformed(start, i + 2, u"doctype_tag_syntax");
            }
        } else {
            ++i;
        }
    }
    unterminated(start, u"document_type");
}

void XmlTokenizer::malformed(std::int32_t start, std::int32_t from, const char16_t* entry)
{
    // The bad markup runs through the next ">", or up to the next "<", or to the end.
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    std::int32_t end = from;
    while (end < n && p[end] != u'>' && p[end] != u'<')
        ++end;
    if (end < n && p[end] == u'>')
        ++end;
    set(XmlNodeType::kMalformed, start, end);
    node_.error = {entry, nullptr, start};
}

void XmlTokenizer::unterminated(std::int32_t start, const char16_t* kind)
{
    set(XmlNodeType::kMalformed, start, size());
    node_.error = {u"unterminated_tag_syntax", kind, start};
}

namespace {

// Walks the attributes of a start tag's text in order, handing each to `visit` until it
// returns true. Returns the state after the last attribute seen, for placing a new one.
template <typename Visit>
XmlAttributeSpan scanAttributes(std::u16string_view tag, Visit visit)
{
    const auto n = static_cast<std::int32_t>(tag.size());
    const char16_t* p = tag.data();
    XmlAttributeSpan span;
    std::int32_t i = XmlTokenizer::nameTokenEnd(tag, 1);
    span.lastTokenEnd = i;
    const auto skipWhiteSpace = [&](std::int32_t j) {
        while (j < n && XmlTokenizer::isWhiteSpace(p[j]))
            ++j;
        return j;
    };
    const auto afterQuote = [&](std::int32_t open) {
        const std::int32_t close = XmlTagScan::closingQuote(p, open + 1, n, p[open]);
        return close < n ? close + 1 : n;
    };
    for (;;) {
        i = skipWhiteSpace(i);
        if (i >= n || p[i] == u'/' || p[i] == u'>' || p[i] == u'?')
            return span;
        if (isQuote(p[i])) {  // a stray quoted run: passed over whole, as the tokenizer does
            i = afterQuote(i);
            span.lastTokenEnd = i;
            span.danglingEquals = false;
            continue;
        }
        if (endsName(p[i]) && p[i] != u'=') {  // a stray delimiter such as ";"
            ++i;
            continue;
        }
        XmlAttributeSpan here;
        here.nameStart = i;
        here.nameEnd = XmlTokenizer::nameTokenEnd(tag, i);
        here.lastTokenEnd = here.nameEnd;
        i = here.nameEnd;
        std::int32_t j = skipWhiteSpace(i);
        if (j < n && p[j] == u'=') {
            j = skipWhiteSpace(j + 1);
            here.hasValue = true;
            here.valueStart = j;
            if (j < n && isQuote(p[j])) {
                here.quoted = true;
                here.valueEnd = afterQuote(j);
            } else {
                while (j < n && p[j] != u'>' && !XmlTokenizer::isWhiteSpace(p[j]))
                    ++j;
                here.valueEnd = j;
            }
            i = here.valueEnd;
            here.lastTokenEnd = here.valueEnd;
            here.danglingEquals = here.valueEnd == here.valueStart;
        }
        // A stray "=" reads as a value without a name, as the tokenizer reads it.
        if (here.nameEnd > here.nameStart) {
            here.found = true;
            if (visit(here))
                return here;
        }
        span.lastTokenEnd = here.lastTokenEnd;
        span.danglingEquals = here.danglingEquals;
    }
}

}  // namespace

XmlAttributeSpan XmlTokenizer::findAttribute(std::u16string_view tag, std::u16string_view name, bool ignoreCase)
{
    return scanAttributes(
        tag, [&](const XmlAttributeSpan& here) { return namesEqual(attributeName(tag, here), name, ignoreCase); });
}

XmlAttributeSpan XmlTokenizer::listAttributes(std::u16string_view tag, std::vector<XmlAttributeSpan>& out)
{
    out.clear();
    return scanAttributes(tag, [&](const XmlAttributeSpan& here) {
        out.push_back(here);
        return false;
    });
}

