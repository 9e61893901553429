#include "HelpDocument.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {

HelpDocument::Opener& installedOpener()
{
    static HelpDocument::Opener opener;
    return opener;
}

}  // namespace

QString HelpDocument::path()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QString::fromLatin1(kFileName));
    const QString installed = QDir::cleanPath(programDir.filePath(QStringLiteral("../share/vornictamsk/") + QString::fromLatin1(kFileName)));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) return installed;
    return beside;
}

QUrl HelpDocument::url() { return QUrl::fromLocalFile(path()); }

bool HelpDocument::open()
{
    if (!QFileInfo(path()).isFile()) return false;
    const Opener& opener = installedOpener();
    return opener ? opener(url()) : QDesktopServices::openUrl(url());
}

void HelpDocument::setOpener(Opener opener) { installedOpener() = std::move(opener); }
