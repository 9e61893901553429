#include "XmlTokenizer.h"

#include <array>

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
    while (from < n && !endsName(p[from]))
        ++from;
    return from;
}

bool XmlTokenizer::namesEqual(std::u16string_view a, std::u16string_view b, bool ignoreCase)
{
    if (!ignoreCase)
        return a == b;
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

std::int32_t XmlTokenizer::find(char16_t c, std::int32_t from) const
{
    const std::size_t at = text_.find(c, static_cast<std::size_t>(from));
    return at == std::u16string_view::npos ? -1 : static_cast<std::int32_t>(at);
}

std::int32_t XmlTokenizer::find(std::u16string_view s, std::int32_t from) const
{
    if (from > size())
        return -1;
    const std::size_t at = text_.find(s, static_cast<std::size_t>(from));
    return at == std::u16string_view::npos ? -1 : static_cast<std::int32_t>(at);
}

XmlNode XmlTokenizer::next()
{
    const std::int32_t start = offset_;
    const std::int32_t n = size();
    if (start >= n)
        return XmlNode{XmlNodeType::kEndOfText, n, 0, 0, false, {}};
    if (text_[start] != u'<')
        return finish(readText(start));
    if (start + 1 >= n)
        return finish(unterminated(start, u"tag"));
    const char16_t c = text_[start + 1];
    if (startsStartTag(c))
        return finish(readStartTag(start));
    switch (c) {
    case u'/':
        return finish(readEndTag(start));
    case u'?': {
        XmlNode node = readUntil(start, start + 2, u"?>", XmlNodeType::kProcessingInstruction, u"processing_instruction");
        node.nameLength = nameTokenEnd(text_.substr(0, static_cast<std::size_t>(start + node.length)), start + 2) - (start + 2);
        return finish(node);
    }
    case u'!':
        return finish(readExclamation(start));
    default:
        return finish(malformed(start, start + 1, u"first_tag_syntax"));
    }
}

XmlNode XmlTokenizer::finish(XmlNode node)
{
    offset_ = node.start + node.length;
    return node;
}

XmlNode XmlTokenizer::readText(std::int32_t start)
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    std::int32_t i = start;
    while (i < n && isWhiteSpace(p[i]))
        ++i;
    int type = XmlNodeType::kWhiteSpace;
    if (i < n && p[i] != u'<') {
        type = XmlNodeType::kText;
        while (i < n && p[i] != u'<')
            ++i;
    }
    return XmlNode{type, start, i - start, 0, false, {}};
}

XmlNode XmlTokenizer::readStartTag(std::int32_t start)
{
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    const std::int32_t nameEnd = nameTokenEnd(text_, start + 1);
    const auto tag = [&](std::int32_t close, bool empty) {
        return XmlNode{XmlNodeType::kElement, start, close + 1 - start, nameEnd - start - 1, empty, {}};
    };
    std::int32_t i = nameEnd;
    while (i < n) {
        const char16_t c = p[i];
        if (c == u'>')
            return tag(i, p[i - 1] == u'/');
        if (isQuote(c)) {
            const std::int32_t close = find(c, i + 1);
            if (close < 0)
                break;
            i = close + 1;
        } else if (c == u'=') {
            ++i;
            while (i < n && isWhiteSpace(p[i]))
                ++i;
            if (i < n && !isQuote(p[i]) && p[i] != u'>') {
                // An unquoted value runs to white space or ">"; a "/" at its end is part of it.
                while (i < n && p[i] != u'>' && !isWhiteSpace(p[i]))
                    ++i;
                if (i < n && p[i] == u'>')
                    return tag(i, false);
            }
        } else {
            ++i;
        }
    }
    return unterminated(start, u"start_tag");
}

XmlNode XmlTokenizer::readEndTag(std::int32_t start)
{
    const std::int32_t close = find(u'>', start + 2);
    if (close < 0)
        return unterminated(start, u"end_tag");
    const std::int32_t nameEnd = nameTokenEnd(text_.substr(0, static_cast<std::size_t>(close)), start + 2);
    return XmlNode{XmlNodeType::kEndTag, start, close + 1 - start, nameEnd - start - 2, false, {}};
}

XmlNode XmlTokenizer::readUntil(std::int32_t start, std::int32_t from, std::u16string_view terminator, int type,
                                const char16_t* kind)
{
    const std::int32_t at = find(terminator, from);
    if (at < 0)
        return unterminated(start, kind);
    return XmlNode{type, start, at + static_cast<std::int32_t>(terminator.size()) - start, 0, false, {}};
}

XmlNode XmlTokenizer::readExclamation(std::int32_t start)
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

XmlNode XmlTokenizer::readDocumentType(std::int32_t start)
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
                return XmlNode{XmlNodeType::kDocumentType, start, i + 1 - start, 0, false, {}};
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
    return unterminated(start, u"document_type");
}

XmlNode XmlTokenizer::malformed(std::int32_t start, std::int32_t from, const char16_t* entry)
{
    // The bad markup runs through the next ">", or up to the next "<", or to the end.
    const char16_t* p = text_.data();
    const std::int32_t n = size();
    std::int32_t end = from;
    while (end < n && p[end] != u'>' && p[end] != u'<')
        ++end;
    if (end < n && p[end] == u'>')
        ++end;
    return XmlNode{XmlNodeType::kMalformed, start, end - start, 0, false, {entry, nullptr, start}};
}

XmlNode XmlTokenizer::unterminated(std::int32_t start, const char16_t* kind)
{
    return XmlNode{XmlNodeType::kMalformed, start, size() - start, 0, false, {u"unterminated_tag_syntax", kind, start}};
}

XmlAttributeSpan XmlTokenizer::findAttribute(std::u16string_view tag, std::u16string_view name, bool ignoreCase)
{
    const auto n = static_cast<std::int32_t>(tag.size());
    const char16_t* p = tag.data();
    XmlAttributeSpan span;
    std::int32_t i = nameTokenEnd(tag, 1);
    span.lastTokenEnd = i;
    const auto skipWhiteSpace = [&](std::int32_t j) {
        while (j < n && isWhiteSpace(p[j]))
            ++j;
        return j;
    };
    for (;;) {
        i = skipWhiteSpace(i);
        if (i >= n || p[i] == u'/' || p[i] == u'>' || p[i] == u'?')
            return span;
        if (isQuote(p[i])) {  // a stray quoted run: passed over whole, as the tokenizer does
            const std::size_t close = tag.find(p[i], static_cast<std::size_t>(i + 1));
            i = close == std::u16string_view::npos ? n : static_cast<std::int32_t>(close) + 1;
            span.lastTokenEnd = i;
            span.danglingEquals = false;
            continue;
        }
        if (endsName(p[i]) && p[i] != u'=') {  // a stray delimiter such as ";"
            ++i;
            continue;
        }
        const std::int32_t nameStart = i;
        const std::int32_t nameEnd = nameTokenEnd(tag, i);
        XmlAttributeSpan here;
        here.nameEnd = nameEnd;
        here.lastTokenEnd = nameEnd;
        i = nameEnd;
        std::int32_t j = skipWhiteSpace(i);
        if (j < n && p[j] == u'=') {
            j = skipWhiteSpace(j + 1);
            here.hasValue = true;
            here.valueStart = j;
            if (j < n && isQuote(p[j])) {
                const std::size_t close = tag.find(p[j], static_cast<std::size_t>(j + 1));
                here.quoted = true;
                here.valueEnd = close == std::u16string_view::npos ? n : static_cast<std::int32_t>(close) + 1;
            } else {
                while (j < n && p[j] != u'>' && !isWhiteSpace(p[j]))
                    ++j;
                here.valueEnd = j;
            }
            i = here.valueEnd;
            here.lastTokenEnd = here.valueEnd;
            here.danglingEquals = here.valueEnd == here.valueStart;
        }
        const std::u16string_view found =
            tag.substr(static_cast<std::size_t>(nameStart), static_cast<std::size_t>(nameEnd - nameStart));
        // A stray "=" reads as a value without a name, as the tokenizer reads it.
        if (!found.empty() && namesEqual(found, name, ignoreCase)) {
            here.found = true;
            return here;
        }
        span.lastTokenEnd = here.lastTokenEnd;
        span.danglingEquals = here.danglingEquals;
    }
}

std::u16string_view XmlTokenizer::attributeValue(std::u16string_view tag, const XmlAttributeSpan& span)
{
    if (!span.found || !span.hasValue)
        return {};
    std::int32_t from = span.valueStart;
    std::int32_t to = span.valueEnd;
    if (span.quoted) {
        const char16_t quote = tag[static_cast<std::size_t>(from)];
        ++from;
        if (to > from && tag[static_cast<std::size_t>(to - 1)] == quote)
            --to;
    }
    return tag.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
}
