#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

// Node types the tokenizer returns.
namespace XmlNodeType {
inline constexpr int kEndTag = 0;
inline constexpr int kElement = 1;
inline constexpr int kText = 2;
inline constexpr int kWhiteSpace = 4;
inline constexpr int kCdataSection = 8;
inline constexpr int kProcessingInstruction = 16;
inline constexpr int kComment = 32;
inline constexpr int kDocumentType = 64;
inline constexpr int kMalformed = -1;
inline constexpr int kEndOfText = -2;
}  // namespace XmlNodeType

// The report entry a malformed node carries to whoever consumes the node.
struct XmlSyntaxError {
    const char16_t* entry = nullptr;  // report entry name; null when the node is sound
    const char16_t* kind = nullptr;   // "type" of an unterminated node, else null
    std::int32_t offset = 0;
};

struct XmlNode {
    int type = XmlNodeType::kEndOfText;
    std::int32_t start = 0;
    std::int32_t length = 0;
    std::int32_t nameLength = 0;  // tags and processing instructions: the name token after "<", "</" or "<?"
    bool emptyElement = false;    // start tags ending in "/>"
    XmlSyntaxError error;         // malformed nodes only
};

// Where an attribute sits inside a start tag's text (offsets relative to the tag).
struct XmlAttributeSpan {
    bool found = false;
    std::int32_t nameStart = 0;
    std::int32_t nameEnd = 0;     // just after the attribute's name
    bool hasValue = false;        // false for a bare name without "="
    std::int32_t valueStart = 0;  // the value as written, quotes included
    std::int32_t valueEnd = 0;
    bool quoted = false;
    std::int32_t lastTokenEnd = 0;  // after the last name or value of the tag
    // The last attribute ends in "=" with no value: whatever is written behind it would
    // become its value, so a writer must give it an empty quoted value first.
    bool danglingEquals = false;
};

// Reads a text one node at a time. Never fails: bad markup becomes a malformed node that
// carries its report entry. Also scans the attributes of a start tag's text.
class XmlTokenizer {
public:
    explicit XmlTokenizer(std::u16string_view text, std::int32_t offset = 0) : text_(text), offset_(offset) {}

    // Reads the next node; the reference stays valid until the following call.
    const XmlNode& next();
    std::int32_t offset() const { return offset_; }
    // Moves past text to the next markup without reading it as a node.
    void skipText();

    static bool isWhiteSpace(char16_t c) { return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t'; }
    // Characters that end a name token besides white space.
    static bool isNameDelimiter(char16_t c);
    static bool startsStartTag(char16_t c) { return c >= u'a' || (c >= u'A' && c <= u'Z') || c == u'_' || c == u':'; }
    // End of the name token that begins at `from`.
    static std::int32_t nameTokenEnd(std::u16string_view text, std::int32_t from);
    static bool namesEqual(std::u16string_view a, std::u16string_view b, bool ignoreCase)
    {
        if (ignoreCase)
            return namesEqualIgnoringCase(a, b);
        // Equality only: names that differ mostly do so in length or first character, and the
        // bytes of the rest compare quicker than characters ordered one by one.
        return a.size() == b.size() &&
               (a.empty() || (a[0] == b[0] && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0));
    }
    static bool namesEqualIgnoringCase(std::u16string_view a, std::u16string_view b);
    // A name that can be written as a tag or attribute name without breaking the markup.
    static bool isWritableName(std::u16string_view name, bool asTagName);

    // Scans a start tag's text ("<name ...>") for the attribute `name`; also reports where
    // the last name or value of the tag ends, so a new attribute can be placed there.
    static XmlAttributeSpan findAttribute(std::u16string_view tag, std::u16string_view name, bool ignoreCase);
    // Every attribute of a start tag's text, in order. Returns what findAttribute returns for a
    // name the tag doesn't have: where a new attribute would go.
    static XmlAttributeSpan listAttributes(std::u16string_view tag, std::vector<XmlAttributeSpan>& out);
    static std::u16string_view attributeName(std::u16string_view tag, const XmlAttributeSpan& span)
    {
        return tag.substr(static_cast<std::size_t>(span.nameStart),
                          static_cast<std::size_t>(span.nameEnd - span.nameStart));
    }
    // The value between the quotes (or the unquoted value) of a found attribute.
    static std::u16string_view attributeValue(std::u16string_view tag, const XmlAttributeSpan& span)
    {
        if (!span.found || !span.hasValue)
            return {};
        std::int32_t from = span.valueStart;
        std::int32_t to = span.valueEnd;
        if (span.quoted) {
            ++from;
            if (to > from && tag[static_cast<std::size_t>(to - 1)] == tag[static_cast<std::size_t>(span.valueStart)])
                --to;
        }
        return tag.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
    }

private:
    void readStartTag(std::int32_t start);
    void readEndTag(std::int32_t start);
    void readUntil(std::int32_t start, std::int32_t from, std::u16string_view terminator, int type, const char16_t* kind);
    void readExclamation(std::int32_t start);
    void readDocumentType(std::int32_t start);
    void readText(std::int32_t start);
    void malformed(std::int32_t start, std::int32_t from, const char16_t* entry);
    void unterminated(std::int32_t start, const char16_t* kind);
    void set(int type, std::int32_t start, std::int32_t end, std::int32_t nameLength = 0, bool emptyElement = false);
    std::int32_t find(std::u16string_view s, std::int32_t from) const;
    std::int32_t size() const { return static_cast<std::int32_t>(text_.size()); }

    std::u16string_view text_;
    std::int32_t offset_ = 0;
    XmlNode node_;
};
