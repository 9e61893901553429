#pragma once

#include <span>
#include <string_view>

// The named character references a decoder knows: those of HTML 4.01 plus "apos".
namespace XmlNamedReferences {

struct Entry {
    std::string_view name;
    char32_t codePoint;
};

// The whole table, in the order HTML 4.01 lists it (Latin-1, symbols, special characters).
std::span<const Entry> table();
// Looks a name up ignoring ASCII case. Where two names differ only in case, the one with
// the capital letter answers for both. 0 when the name is not in the table.
char32_t codePointOf(std::u16string_view name);

}  // namespace XmlNamedReferences
