#pragma once

#include <cstddef>
#include <string_view>

class ActionList;
class KeyboardProfile;

// How large the document of a profile file becomes: the length of its text and the number of
// its elements, counted the way ProfileDocumentWriter lays the document out (one element per
// line, attributes in double quotes, values escaped). The writer reserves this much before it
// builds, so the text and the index of a large profile are allocated once instead of growing
// and being copied again and again.
class ProfileDocumentSize {
public:
    static ProfileDocumentSize of(const KeyboardProfile& profile);

    std::size_t textLength() const { return textLength_; }
    std::size_t elements() const { return elements_; }

private:
    // One element with `attributes` characters of attributes (each counted by attribute()).
    void element(std::u16string_view name, std::size_t attributes, bool withChildren);
    static std::size_t attribute(std::u16string_view name, int value);
    static std::size_t attribute(std::u16string_view name, std::u16string_view text);
    void list(const ActionList& list);

    std::size_t textLength_ = 0;
    std::size_t elements_ = 0;
};
