#include "FirmwareMessages.h"

#include "FirmwareUpload.h"
#include "SkinButton.h"

#include <array>
#include <string_view>

namespace {

struct Texts {
    int code;
    std::u16string_view chinese;
    std::u16string_view english;
};

constexpr std::array<Texts, 3> kResults = {{
    {FirmwareUpload::Downloaded,
     u"固件下载完成。\r\n请勿插拔USB直至三个状态指示灯同时闪烁则固件更新完成，请拔下USB重新上电。",
     u"The Firmware is downloaded successfully.\r\nPlease keep the USB plug in until three indicator lights "
     u"flash simultaneously.\r\nThen firmware updated completely,pleased unplug the USB and plug in."},
    {FirmwareUpload::DownloadFailed, u"固件下载失败!", u"Firmware download failed."},
    {FirmwareUpload::CannotOpenFile, u"打开固件文件失败", u"Can't open firmware file"},
}};

constexpr Texts kVersionFailed = {0, u"读取键盘版本失败", u"Failed on reading keyboard version infomation"};

QString inLanguage(const Texts& texts, const std::string& language)
{
    std::u16string_view text;
    if (language == LanguageCode::Chinese) text = texts.chinese;
    else if (language == LanguageCode::English) text = texts.english;
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString FirmwareMessages::result(int code, const std::string& language)
{
    for (const Texts& texts : kResults)
        if (texts.code == code) return inLanguage(texts, language);
    return QString();
}

QString FirmwareMessages::versionReadFailed(const std::string& language) { return inLanguage(kVersionFailed, language); }
