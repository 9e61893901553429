#pragma once

#include <QBrush>
#include <QFont>
#include <QHash>
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <array>
#include <span>

// The resources every window shares, made once and never freed by a window: the face bitmaps
// by numeric id, the brush RGB(20, 20, 20) behind text controls, and the 20 fonts (font n is
// n pixels high, font 0 the system's default size; the system's default face with a CJK
// fallback so Chinese captions render).
//
// Bitmaps are the files <id>.png of the skin folder VornicTamskRES beside the program (or, for
// an installed program, <prefix>/share/vornictamsk/VornicTamskRES). A missing folder or file
// gives a null pixmap; windows then draw a plain face. The application icon comes from the
// same folder (icon-<size>.png). UI thread only.
class AppResources {
public:
    static constexpr int kFontCount = 20;

    // The shared resources; the first call loads them from defaultSkinFolder().
    static const AppResources& instance();
    // (Re)loads the bitmaps from a folder; the application calls load() at start, tests may
    // point at a folder of their own. Windows read bitmaps when they paint, so they see the
    // new ones; references to fonts and the brush stay valid.
    static void load();
    static void loadFrom(const QString& folder);
    // Frees the bitmaps and the icon once the last window has closed; fonts and brush stay.
    static void release();

    static QString defaultSkinFolder();
    // A file or folder the program ships: beside the program (a build folder), unless it is
    // missing there and present where an installation puts it (../share/vornictamsk).
    static QString shippedPath(const QString& name, bool isFolder);
    // Ids of all face bitmaps, ascending (the order they are loaded in).
    static std::span<const int> bitmapIds();

    QString folder() const { return folder_; }
    // Null when the bitmap is missing.
    QPixmap bitmap(int id) const { return bitmaps_.value(id); }
    // The application icon in every size the folder holds; null when it holds none.
    const QIcon& appIcon() const { return appIcon_; }
    static std::span<const int> appIconSizes();
    const QBrush& brush() const { return brush_; }
    // Font 0 for an index outside 0..19.
    const QFont& font(int index) const;

private:
    AppResources();
    void loadBitmaps(const QString& folder);
    static AppResources& mutableInstance();

    bool loaded_ = false;
    QString folder_;
    QHash<int, QPixmap> bitmaps_;
    QIcon appIcon_;
    QBrush brush_;
    std::array<QFont, kFontCount> fonts_;
};
