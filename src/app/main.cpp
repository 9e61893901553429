// vornictamsk: the keyboard configuration program.
#include "CZelkApp.h"
#include "KeyboardProfile.h"

#include <QApplication>

namespace {
// Built before the application starts and destroyed after it has ended, with the device inside.
KeyboardProfile profile;
}  // namespace

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vornictamsk"));
    QApplication::setApplicationDisplayName(QStringLiteral("VornicTamsk"));
    QGuiApplication::setDesktopFileName(QStringLiteral("vornictamsk"));
    CZelkApp app(profile);
    app.run();
    return 0;
}
