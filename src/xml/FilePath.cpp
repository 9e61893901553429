#include "FilePath.h"

#include "Utf8Codec.h"

std::string FilePath::toNative(const std::u16string& path)
{
    if (path.find(u'\0') != std::u16string::npos)
        return {};
    return Utf8Codec::toUtf8(path);
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
    return Utf8Codec::toUtf16(bytes);
}
