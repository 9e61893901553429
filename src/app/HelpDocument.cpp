#include "HelpDocument.h"

#include "AppResources.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {

HelpDocument::Opener& installedOpener()
{
    static HelpDocument::Opener opener;
    return opener;
}

}  // namespace

QString HelpDocument::path() { return AppResources::shippedPath(QString::fromLatin1(kFileName), false); }

QUrl HelpDocument::url() { return QUrl::fromLocalFile(path()); }

bool HelpDocument::open()
{
    const QString file = path();
    if (!QFileInfo(file).isFile()) return false;
    const QUrl url = QUrl::fromLocalFile(file);
    const Opener& opener = installedOpener();
    return opener ? opener(url) : QDesktopServices::openUrl(url);
}

void HelpDocument::setOpener(Opener opener) { installedOpener() = std::move(opener); }
