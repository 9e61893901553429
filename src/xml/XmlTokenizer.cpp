#include "XmlTokenizer.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// First offset in [from, n) that holds one of the characters Cs, or n. Markup is mostly long
// runs of ordinary characters, so eight units are compared at a time where the CPU can.
template <char16_t... Cs>
std::int32_t scanFor(const char16_t* p, std::int32_t from, std::int32_t n)
{
#if defined(__SSE2__)
    while (from + 8 <= n) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        __m128i hits = _mm_setzero_si128();
        ((hits = _mm_or_si128(hits, _mm_cmpeq_epi16(units, _mm_set1_epi16(static_cast<short>(Cs))))), ...);
        if (const int mask = _mm_movemask_epi8(hits))
            return from + (__builtin_ctz(static_cast<unsigned>(mask)) >> 1);
        from += 8;
    }
#endif
    while (from < n && ((p[from] != Cs) && ...))
        ++from;
    return from;
}

std::int32_t closingQuote(const char16_t* p, std::int32_t from, std::int32_t n, char16_t quote)
{
    return quote == u'"' ? scanFor<u'"'>(p, from, n) : scanFor<u'\''>(p, from, n);
}

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
        offset_ = scanFor<u'<'>(p, offset_, n);
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
        i = scanFor<u'<'>(p, i, n);
    }
    set(type, start, i);
}

namespace {

// The common tag, whose values all sit in double quotes right after their "=" and hold no
// ">" or apostrophe, ends at the first ">" that follows an even number of double quotes.
// That is checked eight units at a time; any other tag is left to the careful scan.
// Masks hold two bits per unit, as the byte compares give them.
bool scanQuotedTag(const char16_t* p, std::int32_t from, std::int32_t n, std::int32_t& close)
{
#if defined(__SSE2__)
    const __m128i greater = _mm_set1_epi16(u'>');
    const __m128i quote = _mm_set1_epi16(u'"');
    const __m128i apostrophe = _mm_set1_epi16(u'\'');
    const __m128i equals = _mm_set1_epi16(u'=');
    const auto mask = [](__m128i a, __m128i b) {
        return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi16(a, b)));
    };
    // Both the quote count's parity and the disqualifying cases are gathered per block and
    // judged once, at the block holding the ">".
    std::uint32_t quoteParity = 0;
    std::uint32_t disqualified = 0;
    std::uint32_t equalsAtEnd = 0;  // the previous block ended in "="
    for (; from + 8 <= n; from += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + from));
        std::uint32_t gt = mask(units, greater);
        std::uint32_t before = 0xFFFF;  // the units up to the first ">" of this block
        if (gt != 0) {
            gt &= ~gt + 1;
            before = gt - 1;
        }
        const std::uint32_t dq = mask(units, quote) & before;
        const std::uint32_t eq = mask(units, equals) & before;
        disqualified |= (mask(units, apostrophe) & before) | ((eq << 2) & 0xFFFF & ~dq) | (equalsAtEnd & ~dq & 1);
        equalsAtEnd = eq >> 14;
        quoteParity ^= dq;
        if (gt != 0) {
            quoteParity &= 0x5555;
            quoteParity ^= quoteParity >> 8;
            quoteParity ^= quoteParity >> 4;
            quoteParity ^= quoteParity >> 2;
            if (disqualified != 0 || (quoteParity & 1) != 0)
                return false;
            close = from + (__builtin_ctz(gt) >> 1);
            return true;
        }
    }
#else
    (void)p;
    (void)from;
    (void)n;
    (void)close;
#endif
    return false;
}

}  // namespace

void XmlTokenizer::readStartTag(std::int32_t start)
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    const std::int32_t nameEnd = nameTokenEnd(text_, start + 1);
    const std::int32_t nameLength = nameEnd - start - 1;
    std::int32_t i = nameEnd;
    if (scanQuotedTag(p, i, n, i)) {
        set(XmlNodeType::kElement, start, i + 1, nameLength, p[i - 1] == u'/');
        return;
    }
    while (i < n) {
        const char16_t c = p[i];
        // Letters, the bulk of a tag, sort above every character that matters here.
        if (c > u'>') {
            ++i;
            continue;
        }
        if (c == u'>') {
            set(XmlNodeType::kElement, start, i + 1, nameLength, p[i - 1] == u'/');
            return;
        }
        if (isQuote(c)) {
            i = closingQuote(p, i + 1, n, c) + 1;
            if (i > n)
                break;
        } else if (c == u'=') {
            ++i;
            while (i < n && isWhiteSpace(p[i]))
                ++i;
            if (i < n && !isQuote(p[i]) && p[i] != u'>') {
                // An unquoted value runs to white space or ">"; a "/" at its end is part of it.
                while (i < n && p[i] != u'>' && !isWhiteSpace(p[i]))
                    ++i;
                if (i < n && p[i] == u'>') {
                    set(XmlNodeType::kElement, start, i + 1, nameLength, false);
                    return;
                }
            }
        } else {
            ++i;
        }
    }
    unterminated(start, u"start_tag");
}

void XmlTokenizer::readEndTag(std::int32_t start)
{
    const std::int32_t close = scanFor<u'>'>(text_.data(), start + 2, size());
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
        const std::int32_t close = closingQuote(p, open + 1, n, p[open]);
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

void XmlTokenizer::listAttributes(std::u16string_view tag, std::vector<XmlAttributeSpan>& out)
{
    out.clear();
    scanAttributes(tag, [&](const XmlAttributeSpan& here) {
        out.push_back(here);
        return false;
    });
}

