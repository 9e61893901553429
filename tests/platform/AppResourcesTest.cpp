#include "AppResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Puts the default skin back whatever a test loaded.
class AppResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { AppResources::load(); }
};

int litPixels(const QImage& image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) lit += qGray(image.pixel(x, y)) > 100 ? 1 : 0;
    return lit;
}

}  // namespace

TEST_F(AppResourcesTest, FontNIsNPixelsHighAndFontZeroHasTheSystemSize)
{
    const AppResources& r = AppResources::instance();
    for (int n = 1; n < AppResources::kFontCount; ++n) EXPECT_EQ(r.font(n).pixelSize(), n) << "font " << n;
    EXPECT_EQ(r.font(0).pointSizeF(), QGuiApplication::font().pointSizeF());
    EXPECT_EQ(r.font(0).families().value(0), QGuiApplication::font().family());
    // Out of range falls back to font 0 rather than reading past the table.
    EXPECT_EQ(r.font(-1), r.font(0));
    EXPECT_EQ(r.font(20), r.font(0));
}

TEST_F(AppResourcesTest, ChineseCaptionsRenderAsRealGlyphs)
{
    const QString caption = QStringLiteral("正在读写键盘，请勿插拔！");
    for (int n : {0, 11, 13}) {
        const QFont& font = AppResources::instance().font(n);
        QTextLayout layout(caption, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        int glyphs = 0;
        for (const QGlyphRun& run : layout.glyphRuns())
            for (quint32 index : run.glyphIndexes()) {
                EXPECT_NE(index, 0u) << "missing glyph in font " << n;
                ++glyphs;
            }
        EXPECT_EQ(glyphs, caption.size());

        QImage image(300, 40, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, caption);
        painter.end();
        EXPECT_GT(litPixels(image), 150) << "font " << n;
    }
}

TEST_F(AppResourcesTest, TheBrushIsSolidDarkGrey)
{
    EXPECT_EQ(AppResources::instance().brush().color(), QColor(20, 20, 20));
    EXPECT_EQ(AppResources::instance().brush().style(), Qt::SolidPattern);
}

TEST_F(AppResourcesTest, BitmapIdsAreAscendingAndDistinct)
{
    const auto ids = AppResources::bitmapIds();
    EXPECT_TRUE(std::adjacent_find(ids.begin(), ids.end(), std::greater_equal<int>()) == ids.end());
}

TEST_F(AppResourcesTest, TheSkinFolderLiesBesideTheProgram)
{
    EXPECT_EQ(AppResources::defaultSkinFolder(),
              QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VornicTamskRES")));
}

TEST_F(AppResourcesTest, MissingOrBrokenBitmapsAreNullAndHarmless)
{
    AppResources::loadFrom(QStringLiteral("/nonexistent/VornicTamskRES"));
    for (int id : AppResources::bitmapIds()) EXPECT_TRUE(AppResources::instance().bitmap(id).isNull()) << id;

    QTemporaryDir folder;
    QImage face(370, 250, QImage::Format_RGB32);
    face.fill(QColor(30, 30, 30));
    ASSERT_TRUE(face.save(QDir(folder.path()).filePath(QStringLiteral("139.png"))));
    QFile broken(QDir(folder.path()).filePath(QStringLiteral("140.png")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    AppResources::loadFrom(folder.path());
    EXPECT_EQ(AppResources::instance().folder(), folder.path());
    EXPECT_EQ(AppResources::instance().bitmap(139).size(), QSize(370, 250));
    EXPECT_TRUE(AppResources::instance().bitmap(140).isNull());
    EXPECT_TRUE(AppResources::instance().bitmap(999).isNull());  // not a face id at all
}

TEST_F(AppResourcesTest, TheIconHasTheSizesTheFolderHoldsAndReleaseFreesBitmapsAndIcon)
{
    QTemporaryDir folder;
    for (int size : {16, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32);
        icon.fill(QColor(255, 111, 0));
        ASSERT_TRUE(icon.save(QDir(folder.path()).filePath(QStringLiteral("icon-%1.png").arg(size))));
    }
    QImage face(40, 30, QImage::Format_RGB32);
    face.fill(Qt::black);
    ASSERT_TRUE(face.save(QDir(folder.path()).filePath(QStringLiteral("101.png"))));

    AppResources::loadFrom(folder.path());
    EXPECT_EQ(AppResources::instance().appIcon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(256, 256)}));
    EXPECT_FALSE(AppResources::instance().bitmap(101).isNull());

    AppResources::release();
    EXPECT_TRUE(AppResources::instance().bitmap(101).isNull());
    EXPECT_TRUE(AppResources::instance().appIcon().isNull());
    EXPECT_EQ(AppResources::instance().font(13).pixelSize(), 13);  // fonts stay for the rest of the run
}
