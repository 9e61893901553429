#pragma once

#include <string>

class KeyboardProfile;

// The texts of the main window's summary box, in the profile's language: the title alone, or
// the title followed by what a key does on both layers. Lines end in "\r\n".
class SummaryText {
public:
    static std::u16string title(const std::string& language);
    // The title, a blank line, the upper layer's line, a blank line and the lower layer's line,
    // each "<kind name> <assignment text>".
    static std::u16string forKey(const KeyboardProfile& profile, int keyIndex);
};
