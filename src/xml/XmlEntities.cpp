#include "XmlEntities.h"

#include "Utf8Codec.h"
#include "XmlNamedReferences.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace {

constexpr std::size_t kLongestReference = 9;  // characters between "&" and ";"
constexpr char32_t kLastCodePoint = 0x10FFFF;

// The references of markup itself: by far the most frequent ones.
constexpr std::pair<std::u16string_view, char32_t> kMarkupReferences[] = {
    {u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"quot", u'"'}, {u"apos", u'\''},
};

bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isWhiteSpace(char16_t c) { return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t'; }

bool startsReferenceName(char16_t c) { return c == u'#' || c == u':' || c == u'_' || isAsciiLetter(c) || c > 0x7F; }
bool continuesReferenceName(char16_t c)
{
    return c == u'-' || c == u'.' || c == u':' || c == u'_' || isDigit(c) || isAsciiLetter(c) || c > 0x7F;
}

// Length of "&name;" starting at `at`, or 0 when no well-formed reference begins there.
std::size_t wellFormedReferenceLength(std::u16string_view text, std::size_t at)
{
    std::size_t i = at + 1;
    if (i >= text.size() || !startsReferenceName(text[i]))
        return 0;
    for (++i; i < text.size() && continuesReferenceName(text[i]); ++i) {
    }
    return i < text.size() && text[i] == u';' ? i + 1 - at : 0;
}

int digitValue(char16_t c, int base)
{
    int v = -1;
    if (isDigit(c))
        v = c - u'0';
    else if (c >= u'a' && c <= u'f')
        v = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        v = c - u'A' + 10;
    return v < base ? v : -1;
}

void appendCodePoint(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out.push_back(static_cast<char16_t>(cp));
        return;
    }
    out.push_back(Utf8Codec::highSurrogateOf(cp));
    out.push_back(Utf8Codec::lowSurrogateOf(cp));
}

// Collects decoded output and applies trimming and collapsing of literal white space;
// decoded references always count as content.
class TrimmingWriter {
public:
    TrimmingWriter(std::u16string& out, int flags)
        : out_(out), trim_((flags & (XmlEntities::kAttributeMode | XmlEntities::kCollapseWhiteSpace)) != 0),
          collapse_((flags & XmlEntities::kCollapseWhiteSpace) != 0)
    {
    }

    void literal(char16_t c)
    {
        if (!trim_ || !isWhiteSpace(c))
            return content(c);
        if (!seenContent_)
            return;
        if (collapse_)
            pending_.resize(1, u' ');
        else
            pending_.push_back(c);
    }
    void reference(char32_t cp)
    {
        flush();
        appendCodePoint(out_, cp);
    }

private:
    void content(char16_t c)
    {
        flush();
        out_.push_back(c);
    }
    void flush()
    {
        seenContent_ = true;
        if (!pending_.empty()) {
            out_ += pending_;
            pending_.clear();
        }
    }

    std::u16string& out_;
    std::u16string pending_;
    bool trim_;
    bool collapse_;
    bool seenContent_ = false;
};

}  // namespace

std::u16string XmlEntities::encode(std::u16string_view text, int flags)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 10 + 7);
    append(out, text, flags);
    return out;
}

namespace {

// What a character becomes when escaped; empty when it stays as it is.
constexpr std::u16string_view replacementOf(char16_t c, bool attribute)
{
    switch (c) {
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'"':
        return attribute ? u"&quot;" : u"";
    case u'\'':
        return attribute ? u"&apos;" : u"";
    default:
        return {};
    }
}

// Every character that is escaped lies below 64: what each adds to the length, by mode.
using ExtraLengths = std::array<std::uint8_t, 64>;
constexpr ExtraLengths extraLengths(bool attribute)
{
    ExtraLengths extra{};
    for (char16_t c = 0; c < 64; ++c)
        if (const std::u16string_view r = replacementOf(c, attribute); !r.empty())
            extra[c] = static_cast<std::uint8_t>(r.size() - 1);
    return extra;
}
constexpr ExtraLengths kTextExtra = extraLengths(false);
constexpr ExtraLengths kAttributeExtra = extraLengths(true);
static_assert(u'"' < 64 && u'&' < 64 && u'\'' < 64 && u'<' < 64 && u'>' < 64);

// Hands the escaped text to `put` piece by piece: runs copied as they are and replacements.
template <typename Put>
void escape(std::u16string_view text, int flags, Put put)
{
    const bool attribute = (flags & XmlEntities::kAttributeMode) != 0;
    const bool keepReferences = (flags & XmlEntities::kKeepReferences) != 0;
    std::size_t run = 0;  // start of the characters copied as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::u16string_view replacement = replacementOf(text[i], attribute);
        if (replacement.empty())
            continue;
        if (keepReferences && text[i] == u'&') {
            if (const std::size_t length = wellFormedReferenceLength(text, i)) {
                i += length - 1;
                continue;
            }
        }
        put(text.substr(run, i - run));
        put(replacement);
        run = i + 1;
    }
    put(text.substr(run));
}

}  // namespace

void XmlEntities::append(std::u16string& out, std::u16string_view text, int flags)
{
    escape(text, flags, [&out](std::u16string_view piece) {
        if (out.size() + piece.size() > out.capacity())
            out.reserve(std::max(out.capacity() * 4, out.size() + piece.size()));
        out += piece;
    });
}

std::size_t XmlEntities::encodedLength(std::u16string_view text, int flags)
{
    std::size_t length = text.size();
    if (flags & kKeepReferences) {
        // Whether an ampersand is escaped depends on what follows it.
        length = 0;
        escape(text, flags, [&length](std::u16string_view piece) { length += piece.size(); });
        return length;
    }
    const ExtraLengths& extra = (flags & kAttributeMode) ? kAttributeExtra : kTextExtra;
    for (const char16_t c : text)
        if (c < 64)
            length += extra[c];
    return length;
}

char16_t* XmlEntities::encodeInto(char16_t* out, std::u16string_view text, int flags)
{
    escape(text, flags, [&out](std::u16string_view piece) { out = std::copy(piece.begin(), piece.end(), out); });
    return out;
}

char32_t XmlEntities::codePointOfReference(std::u16string_view name)
{
    if (name.empty() || name[0] != u'#') {
        // The references markup itself needs come first, ahead of the whole table.
        for (const auto& [known, codePoint] : kMarkupReferences)
            if (name == known)
                return codePoint;
        return XmlNamedReferences::codePointOf(name);
    }
    int base = 10;
    std::size_t i = 1;
    if (i < name.size() && (name[i] == u'x' || name[i] == u'X')) {
        base = 16;
        ++i;
    }
    // The longest leading run of digits counts; nine characters can't overflow 64 bits.
    std::int64_t value = 0;
    for (int d = 0; i < name.size() && (d = digitValue(name[i], base)) >= 0; ++i)
        value = value * base + d;
    // Values beyond Unicode have no character to stand for; they stay text.
    return value > 0 && value <= static_cast<std::int64_t>(kLastCodePoint) ? static_cast<char32_t>(value) : 0;
}

namespace {

// The reference that begins with the ampersand at `at`: where its ";" is, and what it stands
// for. Zero when no reference begins there and the ampersand is an ordinary character.
char32_t referenceAt(std::u16string_view text, std::size_t at, std::size_t& end)
{
    end = at + 1;
    while (end < text.size() && end - at - 1 <= kLongestReference && text[end] != u';' && text[end] <= 0x7F)
        ++end;
    if (end < text.size() && text[end] == u';' && end - at - 1 <= kLongestReference)
        return XmlEntities::codePointOfReference(text.substr(at + 1, end - at - 1));
    return 0;
}

}  // namespace

std::u16string XmlEntities::decode(std::u16string_view text, int flags)
{
    std::u16string out;
    if ((flags & (kAttributeMode | kCollapseWhiteSpace)) == 0) {
        // Without trimming, the text between references is copied as it stands.
        std::size_t amp = text.find(u'&');
        if (amp == std::u16string_view::npos)
            return std::u16string(text);
        out.reserve(text.size());
        std::size_t run = 0;
        for (; amp != std::u16string_view::npos; amp = text.find(u'&', amp + 1)) {
            std::size_t end = 0;
            if (const char32_t cp = referenceAt(text, amp, end)) {
                out.append(text.substr(run, amp - run));
                appendCodePoint(out, cp);
                run = end + 1;
                amp = end;
            }
        }
        out.append(text.substr(run));
        return out;
    }
    out.reserve(text.size());
    TrimmingWriter writer(out, flags);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        std::size_t end = 0;
        if (c == u'&') {
            if (const char32_t cp = referenceAt(text, i, end)) {
                writer.reference(cp);
                i = end;
                continue;
            }
        }
        writer.literal(c);
    }
    return out;
}
