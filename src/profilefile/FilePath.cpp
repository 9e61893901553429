#include "FilePath.h"

#include "UnitWriter.h"
#include "Utf8Codec.h"

std::string FilePath::toNative(const std::u16string& path)
{
    if (path.find(u'\0') != std::u16string::npos)
        return {};
    UnitWriter<unsigned char> counter(nullptr, 0);
    Utf8Codec::fromUtf16(path.data(), path.size(), counter);
    std::string bytes(counter.count(), '\0');
    UnitWriter<unsigned char> out(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    Utf8Codec::fromUtf16(path.data(), path.size(), out);
    return bytes;
}

std::optional<std::u16string> FilePath::fromNative(const std::string& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        at += Utf8Codec::decodeOne(data + at, bytes.size() - at, codePoint);
        if (codePoint == Utf8Codec::kInvalid || codePoint == 0)
            return std::nullopt;
    }
    UnitWriter<char16_t> counter(nullptr, 0);
    Utf8Codec::toUtf16(data, bytes.size(), counter);
    std::u16string path(counter.count(), u'\0');
    UnitWriter<char16_t> out(path.data(), path.size());
    Utf8Codec::toUtf16(data, bytes.size(), out);
    return path;
}
