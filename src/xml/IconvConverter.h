#pragma once

#include "UnitWriter.h"

#include <cstddef>
#include <iconv.h>

// One glibc iconv conversion descriptor between a byte encoding and native UTF-16, with the
// error handling of a platform converter: bad input never stops the conversion, and a
// character the target can't hold is written as "?".
class IconvConverter {
public:
    // Both names are iconv names; one side must be the native UTF-16 of EncodingTable.
    IconvConverter(const char* targetName, const char* sourceName);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool isOpen() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Bytes to native UTF-16; a code unit that can't start a character becomes U+FFFD and
    // decoding goes on after it, and a character cut off by the end becomes one U+FFFD.
    // unitBytes is the source's code unit: 1, or 2 and 4 for UTF-16 and UTF-32 as bytes, so
    // skipping a bad unit never shifts the rest out of step.
    void decode(const unsigned char* bytes, std::size_t length, UnitWriter<char16_t>& out,
                std::size_t unitBytes = 1);

    // Native UTF-16 to bytes. Returns whether some character had no representation (or was a
    // lone surrogate) and was written as "?".
    bool encode(const char16_t* units, std::size_t length, UnitWriter<unsigned char>& out);

private:
    // Runs iconv over the input (nullptr: ends the output's shift state) until it is used up
    // or an error other than a full scratch buffer stops it. Returns 0 or the errno value.
    template <class Unit>
    int run(char** input, std::size_t* inputLeft, UnitWriter<Unit>& out);

    iconv_t descriptor_;
    bool irreversible_ = false;  // iconv counted a conversion it can't undo
};
