#pragma once

#include <QString>

#include <string>

// The message box texts of the firmware window, by language ("zh-CN", "en-US"). Any other
// language, and a result code without a text, give an empty text: no message is shown.
class FirmwareMessages {
public:
    // The text for the completion message's result code (see FirmwareUpload::Result).
    static QString result(int code, const std::string& language);
    // Reading the keyboard's version failed.
    static QString versionReadFailed(const std::string& language);
};
