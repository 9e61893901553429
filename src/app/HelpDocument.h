#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// The help document Ostra.html: beside the program, or in <prefix>/share/vornictamsk for an
// installed one. It is handed to the desktop, which opens it in the user's browser.
class HelpDocument {
public:
    static constexpr const char* kFileName = "Ostra.html";

    // Where the document is; beside the program when it is found nowhere.
    static QString path();
    static QUrl url();

    // Asks the desktop to open the document; false when it is missing or nothing opened it.
    static bool open();

    // The call that hands a URL to the desktop (QDesktopServices::openUrl); tests install
    // their own. An empty function puts the desktop's back.
    using Opener = std::function<bool(const QUrl&)>;
    static void setOpener(Opener opener);
};
