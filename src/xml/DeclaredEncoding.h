#pragma once

#include <string>
#include <string_view>

// The encoding a text declares: the "encoding" of its XML declaration, or for an HTML page
// the charset of its Content-Type meta element. Empty when it declares none.
std::u16string DeclaredEncoding(std::u16string_view text);
