#pragma once

#include <string>
#include <string_view>

// Escaping of text for markup and decoding of character references.
class XmlEntities {
public:
    static constexpr int kKeepReferences = 0x08;  // encoding: copy existing references unchanged
    static constexpr int kAttributeMode = 0x100;  // encoding: escape quotes too; decoding: trim
    static constexpr int kCollapseWhiteSpace = 0x200;  // decoding: trim, and inner runs become one space

    static std::u16string encode(std::u16string_view text, int flags);
    // Appends the escaped text to `out`.
    static void append(std::u16string& out, std::u16string_view text, int flags);
    // How long the escaped text is, without making it.
    static std::size_t encodedLength(std::u16string_view text, int flags);
    // Writes the escaped text, encodedLength() characters, at `out`; returns where it ends.
    static char16_t* encodeInto(char16_t* out, std::u16string_view text, int flags);
    static std::u16string decode(std::u16string_view text, int flags);

    // Code point of a reference name ("#65", "#x41", "amp"); 0 when it names nothing usable.
    static char32_t codePointOfReference(std::u16string_view name);
};
