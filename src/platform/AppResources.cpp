#include "AppResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

namespace {

// Faces of every window: main window 101-103, key mapping pages 107-127, firmware 128-130,
// backlight settings 131, scroll bar skin 138, progress 139-141, multi-key 142-143.
constexpr std::array kBitmapIds = {
    101, 102, 103, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120,
    121, 122, 123, 124, 125, 126, 127, 128, 129, 130, 131, 138, 139, 140, 141, 142, 143,
};

constexpr std::array kAppIconSizes = {16, 24, 32, 48, 64, 128, 256};

const QString kSkinFolderName = QStringLiteral("VornicTamskRES");
const QString kCjkFallback = QStringLiteral("Noto Sans CJK SC");

}  // namespace

AppResources::AppResources() : brush_(QColor(20, 20, 20))
{
    const QFont system = QGuiApplication::font();
    for (int n = 0; n < kFontCount; ++n) {
        QFont font = system;
        font.setFamilies({system.family(), kCjkFallback});
        if (n > 0) font.setPixelSize(n);
        fonts_[static_cast<std::size_t>(n)] = font;
    }
}

AppResources& AppResources::mutableInstance()
{
    static AppResources* const resources = [] {
        auto* r = new AppResources;  // lives for the whole run: windows never free resources
        r->loadBitmaps(defaultSkinFolder());
        return r;
    }();
    return *resources;
}

const AppResources& AppResources::instance() { return mutableInstance(); }

void AppResources::load() { loadFrom(defaultSkinFolder()); }

void AppResources::loadFrom(const QString& folder) { mutableInstance().loadBitmaps(folder); }

void AppResources::release()
{
    AppResources& resources = mutableInstance();
    resources.bitmaps_.clear();
    resources.appIcon_ = QIcon();
}

std::span<const int> AppResources::appIconSizes() { return kAppIconSizes; }

QString AppResources::defaultSkinFolder()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(kSkinFolderName);
    const QString installed = programDir.filePath(QStringLiteral("../share/vornictamsk/") + kSkinFolderName);
    if (!QDir(beside).exists() && QDir(installed).exists()) return QDir::cleanPath(installed);
    return beside;
}

std::span<const int> AppResources::bitmapIds() { return kBitmapIds; }

void AppResources::loadBitmaps(const QString& folder)
{
    folder_ = folder;
    bitmaps_.clear();
    const QDir dir(folder);
    for (int id : kBitmapIds) {
        QPixmap pixmap(dir.filePath(QString::number(id) + QStringLiteral(".png")));
        if (!pixmap.isNull()) bitmaps_.insert(id, pixmap);
    }
    appIcon_ = QIcon();
    for (int size : kAppIconSizes) {
        const QPixmap icon(dir.filePath(QStringLiteral("icon-%1.png").arg(size)));
        if (!icon.isNull()) appIcon_.addPixmap(icon);
    }
}

const QFont& AppResources::font(int index) const
{
    if (index < 0 || index >= kFontCount) index = 0;
    return fonts_[static_cast<std::size_t>(index)];
}
