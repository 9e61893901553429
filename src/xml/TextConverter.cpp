#include "TextConverter.h"

#include "EncodingTable.h"
#include "IconvConverter.h"
#include "UnitWriter.h"
#include "Utf32Codec.h"
#include "Utf8Codec.h"

namespace {

using Bytes = unsigned char;

const char* nativeUtf16() { return EncodingTable::iconvNameOf(EncodingTable::kUtf16); }

// Code pages without a converter behave like the system default, loss reporting included.
int effectivePage(int codePage)
{
    return EncodingTable::iconvNameOf(codePage) ? codePage : EncodingTable::kSystemDefault;
}

// Code unit of the byte encodings that aren't byte-oriented.
std::size_t unitBytesOf(int codePage)
{
    switch (codePage) {
    case EncodingTable::kUtf16BigEndian: return 2;
    case 12000: case 12001: return 4;  // UTF-32 as bytes
    default: return 1;
    }
}

void decodeBytes(int codePage, const Bytes* bytes, std::size_t length, UnitWriter<char16_t>& out)
{
    if (codePage == EncodingTable::kUtf8) {
        Utf8Codec::toUtf16(bytes, length, out);
        return;
    }
    IconvConverter converter(nativeUtf16(), EncodingTable::iconvNameOrDefault(codePage));
    converter.decode(bytes, length, out, unitBytesOf(codePage));
}

// Returns whether a character had no representation, where the code page can tell.
bool encodeBytes(int codePage, const char16_t* units, std::size_t length, UnitWriter<Bytes>& out)
{
    if (codePage == EncodingTable::kUtf8) {
        Utf8Codec::fromUtf16(units, length, out);
        return false;
    }
    const int page = effectivePage(codePage);
    IconvConverter converter(EncodingTable::iconvNameOf(page), nativeUtf16());
    return converter.encode(units, length, out) && EncodingTable::reportsLoss(page);
}

// UTF-16 to UTF-16: a plain copy that never splits a surrogate pair at the capacity.
void copyUtf16(const char16_t* units, std::size_t length, UnitWriter<char16_t>& out)
{
    for (std::size_t i = 0; i < length; ++i) {
        const bool pair = Utf8Codec::isHighSurrogate(units[i]) && i + 1 < length &&
                          Utf8Codec::isLowSurrogate(units[i + 1]);
        if (!(pair ? out.put(units[i], units[i + 1]) : out.put(units[i]))) return;
        if (pair) ++i;
    }
}

// Runs one conversion function from In units to Out units and reports its result.
template <class In, class Out, class Convert>
std::size_t runInto(const void* source, std::size_t length, void* target, std::size_t capacity,
                    bool& truncated, Convert convert)
{
    UnitWriter<Out> out(static_cast<Out*>(target), capacity);
    convert(static_cast<const In*>(source), length, out);
    truncated = out.full();
    return out.count();
}

}  // namespace

TextConverter::TextConverter(std::u16string_view sourceEncodingName, const void* sourceData,
                             std::size_t units)
    : sourceEncoding(sourceEncodingName), source(sourceData), sourceUnits(sourceData ? units : 0)
{
}

std::size_t TextConverter::convert(void* target, std::size_t targetCapacity,
                                   std::u16string_view targetEncodingName)
{
    targetEncoding = targetEncodingName;
    lossy = false;
    truncated = false;
    const int sourcePage = EncodingTable::codePageOf(sourceEncoding);
    const int targetPage = EncodingTable::codePageOf(targetEncoding);
    if (sourcePage == EncodingTable::kUtf32 || targetPage == EncodingTable::kUtf32)
        targetCount = convertUtf32(sourcePage, targetPage, target, targetCapacity);
    else
        targetCount = convertBytes(sourcePage, targetPage, target, targetCapacity);
    return targetCount;
}

std::size_t TextConverter::convertUtf32(int sourcePage, int targetPage, void* target,
                                        std::size_t capacity)
{
    using Table = EncodingTable;
    if (sourcePage == Table::kUtf32 && targetPage == Table::kUtf8)
        return runInto<char32_t, Bytes>(source, sourceUnits, target, capacity, truncated,
                                        Utf32Codec::toUtf8);
    if (sourcePage == Table::kUtf32 && targetPage == Table::kUtf16)
        return runInto<char32_t, char16_t>(source, sourceUnits, target, capacity, truncated,
                                           Utf32Codec::toUtf16);
    if (sourcePage == Table::kUtf16 && targetPage == Table::kUtf32)
        return runInto<char16_t, char32_t>(source, sourceUnits, target, capacity, truncated,
                                           Utf32Codec::fromUtf16);
    if (sourcePage == Table::kUtf8 && targetPage == Table::kUtf32)
        return runInto<Bytes, char32_t>(source, sourceUnits, target, capacity, truncated,
                                        Utf32Codec::fromUtf8);
    return 0;
}

std::size_t TextConverter::convertBytes(int sourcePage, int targetPage, void* target,
                                        std::size_t capacity)
{
    using Table = EncodingTable;
    const bool fromUtf16 = sourcePage == Table::kUtf16;
    const bool toUtf16 = targetPage == Table::kUtf16;
    if (fromUtf16 && toUtf16)
        return runInto<char16_t, char16_t>(source, sourceUnits, target, capacity, truncated,
                                           copyUtf16);
    if (toUtf16)
        return runInto<Bytes, char16_t>(
            source, sourceUnits, target, capacity, truncated,
            [&](const Bytes* in, std::size_t n, auto& out) { decodeBytes(sourcePage, in, n, out); });
    if (fromUtf16)
        return runInto<char16_t, Bytes>(
            source, sourceUnits, target, capacity, truncated,
            [&](const char16_t* in, std::size_t n, auto& out) {
                lossy = encodeBytes(targetPage, in, n, out);
            });

    // Byte encoding to byte encoding goes through UTF-16, counted first so nothing is cut.
    const auto* bytes = static_cast<const Bytes*>(source);
    UnitWriter<char16_t> counter(nullptr, 0);
    decodeBytes(sourcePage, bytes, sourceUnits, counter);
    std::u16string middle(counter.count(), u'\0');
    UnitWriter<char16_t> decoded(middle.data(), middle.size());
    decodeBytes(sourcePage, bytes, sourceUnits, decoded);
    return runInto<char16_t, Bytes>(middle.data(), decoded.count(), target, capacity, truncated,
                                    [&](const char16_t* in, std::size_t n, auto& out) {
                                        lossy = encodeBytes(targetPage, in, n, out);
                                    });
}
