#pragma once

#include <cstddef>

// The quick test of whether bytes look like UTF-8, used to guess a file's encoding. It scans
// until a zero byte or the end. A lead byte is judged by bits 5, 4 and 3 alone, and overlong
// forms and surrogates are not rejected: it is a guess, not a validation.
// nonAsciiSequences receives the number of non-ASCII sequences started (the failing one
// included); failedAtEnd is true when the answer is no because the data ended inside a
// sequence, as a block cut from a longer file may. Both are optional.
bool IsUtf8(const unsigned char* bytes, std::size_t length, int* nonAsciiSequences = nullptr,
            bool* failedAtEnd = nullptr);
