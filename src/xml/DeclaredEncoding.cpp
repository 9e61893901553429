#include "DeclaredEncoding.h"

#include "XmlTokenizer.h"

namespace {

std::u16string_view slice(std::u16string_view text, std::int32_t start, std::int32_t length)
{
    return text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
}

bool nameIs(std::u16string_view text, const XmlNode& node, std::int32_t nameOffset, std::u16string_view name)
{
    return XmlTokenizer::namesEqualIgnoringCase(slice(text, node.start + nameOffset, node.nameLength), name);
}

std::u16string_view attribute(std::u16string_view tag, std::u16string_view name)
{
    return XmlTokenizer::attributeValue(tag, XmlTokenizer::findAttribute(tag, name, true));
}

// The name token after "charset=" in a Content-Type value such as "text/html; charset=utf-8".
std::u16string_view charsetOf(std::u16string_view content)
{
    constexpr std::u16string_view kCharset = u"charset";
    for (std::size_t i = 0; i + kCharset.size() < content.size(); ++i) {
        if (XmlTokenizer::namesEqualIgnoringCase(content.substr(i, kCharset.size()), kCharset) &&
            content[i + kCharset.size()] == u'=') {
            const auto from = static_cast<std::int32_t>(i + kCharset.size() + 1);
            return slice(content, from, XmlTokenizer::nameTokenEnd(content, from) - from);
        }
    }
    return {};
}

}  // namespace

std::u16string DeclaredEncoding(std::u16string_view text)
{
    XmlTokenizer tokenizer(text);
    const XmlNode* node = &tokenizer.next();
    if (node->type == XmlNodeType::kProcessingInstruction && node->start == 0 && nameIs(text, *node, 2, u"xml")) {
        // Seen from its "?", the declaration reads like a tag named "?xml".
        return std::u16string(attribute(slice(text, 1, node->length - 1), u"encoding"));
    }
    bool inHtml = false;
    for (; node->type != XmlNodeType::kEndOfText && node->type != XmlNodeType::kMalformed; node = &tokenizer.next()) {
        if (node->type == XmlNodeType::kElement) {
            if (!inHtml) {
                if (!nameIs(text, *node, 1, u"html"))
                    return {};
                inHtml = true;
                continue;
            }
            if (!nameIs(text, *node, 1, u"meta"))
                continue;
            const std::u16string_view tag = slice(text, node->start, node->length);
            if (!XmlTokenizer::namesEqualIgnoringCase(attribute(tag, u"http-equiv"), u"Content-Type"))
                continue;
            const XmlAttributeSpan content = XmlTokenizer::findAttribute(tag, u"content", true);
            const std::u16string_view charset = charsetOf(XmlTokenizer::attributeValue(tag, content));
            if (!charset.empty())
                return std::u16string(charset);
        } else if (node->type == XmlNodeType::kEndTag && inHtml && nameIs(text, *node, 2, u"head")) {
            return {};
        }
    }
    return {};
}
