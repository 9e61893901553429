#include "AppResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

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

// Decoding the pictures is most of the start-up time; it runs on every core (QImage may be
// read on any thread), while the pixmaps are made on the UI thread afterwards.
std::vector<QImage> readImages(const QStringList& paths)
{
    std::vector<QImage> images(static_cast<std::size_t>(paths.size()));
    std::atomic<std::size_t> next{0};
    auto readSome = [&] {
        for (std::size_t i = next++; i < images.size(); i = next++) images[i] = QImage(paths[static_cast<qsizetype>(i)]);
    };
    const unsigned helpers = std::min(std::max(std::thread::hardware_concurrency(), 1u), 8u) - 1;
    std::vector<std::thread> threads;
    for (unsigned n = 0; n < helpers; ++n) threads.emplace_back(readSome);
    readSome();
    for (std::thread& t : threads) t.join();
    return images;
}

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
    static AppResources* const resources = new AppResources;  // lives for the whole run
    return *resources;
}

const AppResources& AppResources::instance()
{
    AppResources& resources = mutableInstance();
    // Loaded on first use unless the application loaded them first; never twice at start.
    if (!resources.loaded_) resources.loadBitmaps(defaultSkinFolder());
    return resources;
}

void AppResources::load() { loadFrom(defaultSkinFolder()); }

void AppResources::loadFrom(const QString& folder) { mutableInstance().loadBitmaps(folder); }

void AppResources::release()
{
    AppResources& resources = mutableInstance();
    resources.bitmaps_.clear();
    resources.appIcon_ = QIcon();
}

std::span<const int> AppResources::appIconSizes() { return kAppIconSizes; }

QString AppResources::defaultSkinFolder() { return shippedPath(kSkinFolderName, true); }

QString AppResources::shippedPath(const QString& name, bool isFolder)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(name);
    const QString installed = programDir.filePath(QStringLiteral("../share/vornictamsk/") + name);
    const auto exists = [isFolder](const QString& path) { return isFolder ? QDir(path).exists() : QFileInfo::exists(path); };
    if (!exists(beside) && exists(installed)) return QDir::cleanPath(installed);
    return beside;
}

std::span<const int> AppResources::bitmapIds() { return kBitmapIds; }

void AppResources::loadBitmaps(const QString& folder)
{
    loaded_ = true;
    folder_ = folder;
    const QDir dir(folder);
    QStringList paths;
    for (int id : kBitmapIds) paths << dir.filePath(QString::number(id) + QStringLiteral(".png"));
    for (int size : kAppIconSizes) paths << dir.filePath(QStringLiteral("icon-%1.png").arg(size));
    const std::vector<QImage> images = readImages(paths);

    // In ascending id order, then the icon's sizes.
    bitmaps_.clear();
    std::size_t next = 0;
    for (int id : kBitmapIds) {
        const QImage& image = images[next++];
        if (!image.isNull()) bitmaps_.insert(id, QPixmap::fromImage(image));
    }
    appIcon_ = QIcon();
    for (std::size_t i = next; i < images.size(); ++i)
        if (!images[i].isNull()) appIcon_.addPixmap(QPixmap::fromImage(images[i]));
}

const QFont& AppResources::font(int index) const
{
    if (index < 0 || index >= kFontCount) index = 0;
    return fonts_[static_cast<std::size_t>(index)];
}
