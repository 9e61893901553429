#include "SummaryText.h"

#include "KeyboardProfile.h"
#include "SkinButton.h"

namespace {

struct Texts {
    const char16_t* title;
    const char16_t* upperLayer;
    const char16_t* lowerLayer;
};

// The colons are full-width in both languages.
constexpr Texts kEnglish{u"Vornic Tamsk Programming Software [Ver 1.0.4]", u"\r\n\r\nKey settings L1：",
                         u"\r\nKey settings L2："};
constexpr Texts kChinese{u"Vornic Tamsk 编程软件 [版本 1.0.4]", u"\r\n\r\n上档键：", u"\r\n下档键："};

const Texts& textsOf(const std::string& language)
{
    return language == LanguageCode::Chinese ? kChinese : kEnglish;
}

std::u16string layerLine(const KeyboardProfile& profile, int keyIndex, int layer)
{
    return profile.kindName(profile.assignment(keyIndex, layer).kind) + u" " +
           profile.describeAssignment(keyIndex, layer) + u"\r\n";
}

}  // namespace

std::u16string SummaryText::title(const std::string& language) { return textsOf(language).title; }

std::u16string SummaryText::forKey(const KeyboardProfile& profile, int keyIndex)
{
    const Texts& texts = textsOf(profile.language);
    if (!KeyboardProfile::hasEntry(keyIndex, 0)) return texts.title;
    return texts.title + (texts.upperLayer + layerLine(profile, keyIndex, 0)) +
           (texts.lowerLayer + layerLine(profile, keyIndex, 1));
}
