#pragma once

#include "XmlElementIndex.h"
#include "XmlTokenizer.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Builds the element index of a text from the tokenizer's nodes and reports every problem.
// Works without recursion, so no nesting depth can exhaust the stack.
class XmlElementBuilder {
public:
    XmlElementBuilder(std::u16string_view text, XmlElementIndex& index, std::u16string& report, bool ignoreCase)
        : text_(text), index_(index), report_(report), ignoreCase_(ignoreCase)
    {
    }

    void build();
    // Start of markup left open at the end of the text, or -1.
    std::int32_t unterminatedAt() const { return unterminatedAt_; }

private:
    struct OpenElement {
        std::int32_t record;
        std::int32_t startTagLength;
        std::int32_t nameStart;
        std::int32_t nameLength;
    };

    void startTag(const XmlNode& node);
    void endTag(const XmlNode& node);
    void malformed(const XmlNode& node);
    // Closes the open elements above the first `keep` as elements without end tag.
    void closeUnended(std::size_t keep, std::int32_t offset2);
    void linkLastChild(std::int32_t parent, std::int32_t record);
    void markError();
    void recomputeDepths();
    std::u16string_view nameOf(const OpenElement& open) const
    {
        return {text_.data() + open.nameStart, static_cast<std::size_t>(open.nameLength)};
    }
    void closeWithEndTag(const XmlNode& node);
    bool anyOpenNamed(std::u16string_view name);
    void popTo(std::size_t size);
    void countOpen(std::u16string_view name, int change);

    // Names compared as the builder compares them: exactly, or ignoring ASCII case.
    struct NameHash {
        bool ignoreCase;
        std::size_t operator()(std::u16string_view name) const;
    };
    struct NameEqual {
        bool ignoreCase;
        bool operator()(std::u16string_view a, std::u16string_view b) const
        {
            return XmlTokenizer::namesEqual(a, b, ignoreCase);
        }
    };

    std::u16string_view text_;
    XmlElementIndex& index_;
    std::u16string& report_;
    bool ignoreCase_;
    std::vector<OpenElement> open_;
    // While the stack is deep, how many open elements bear each name: an end tag that matches
    // none is then told apart without walking the whole stack.
    std::unordered_map<std::u16string_view, int, NameHash, NameEqual> openNames_{
        0, NameHash{ignoreCase_}, NameEqual{ignoreCase_}};
    bool countingNames_ = false;
    bool childrenMoved_ = false;
    std::int32_t unterminatedAt_ = -1;
};
