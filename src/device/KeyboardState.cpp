#include "KeyboardState.h"

#include <algorithm>

bool KeyboardState::validVersion(std::string_view text)
{
    return !text.empty() && text.size() <= static_cast<std::size_t>(kMaxVersionChars)
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}
