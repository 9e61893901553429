// The drawn scroll bar skin: its cell grid, its looks and the shapes the bar relies on.
#include "ScrollBarSkin.h"
#include "ScrollBarSkinLayout.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>

#include <vector>

namespace {

using namespace ScrollBarSkinLayout;

constexpr int s = 15; // the program's cell size
const QColor accent(255, 111, 0);

QImage cellOf(const QImage& skin, int column, Look look)
{
    return skin.copy(column * s, look * s, s, s);
}

// A cell of a horizontal piece read as if it were vertical, so both can be checked alike.
QImage transposed(const QImage& cell)
{
    QImage out(cell.height(), cell.width(), cell.format());
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            out.setPixel(y, x, cell.pixel(x, y));
    return out;
}

QImage verticalCell(const QImage& skin, bool vertical, Piece piece, Look look)
{
    const QImage cell = cellOf(skin, column(vertical, piece), look);
    return vertical ? cell : transposed(cell);
}

bool contains(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

class ScrollBarSkinTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        skin = new QImage(drawScrollBarSkin(s));
        QDir().mkpath(QStringLiteral("shots"));
        skin->scaled(skin->size() * 8).save(QStringLiteral("shots/scrollbar-skin.png"));
    }
    static void TearDownTestSuite()
    {
        delete skin;
        skin = nullptr;
    }
    static QImage* skin;
};

QImage* ScrollBarSkinTest::skin = nullptr;

TEST_F(ScrollBarSkinTest, NineByThreeCellsWithTheSpareColumnEmpty)
{
    for (const int size : {15, 20}) {
        const QImage image = drawScrollBarSkin(size);
        EXPECT_EQ(image.size(), QSize(9 * size, 3 * size));
        EXPECT_EQ(image.pixelColor(8 * size + size / 2, size / 2).alpha(), 0);
    }
    // The cells the bar draws from are fully opaque: nothing of the window shows through.
    for (int y = 0; y < 3 * s; ++y)
        for (int x = 0; x < 8 * s; ++x)
            ASSERT_EQ(skin->pixelColor(x, y).alpha(), 255) << x << "," << y;
}

TEST_F(ScrollBarSkinTest, TrackIsDarkAndSeamlessAlongTheBar)
{
    for (const bool vertical : {true, false}) {
        const QImage track = verticalCell(*skin, vertical, Track, Normal);
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x) {
                const QColor c = track.pixelColor(x, y);
                ASSERT_LT(std::max({c.red(), c.green(), c.blue()}), 50) << x << "," << y;
                ASSERT_EQ(track.pixel(x, y), track.pixel(x, 0)) << "rows differ at " << y;
            }
        for (const Look look : {Hover, Pressed})
            EXPECT_EQ(verticalCell(*skin, vertical, Track, look), track);
    }
}

TEST_F(ScrollBarSkinTest, ArrowsPointTheirWay)
{
    // Width of the bright triangle in each pixel row of a cell seen as vertical.
    const auto glyphWidths = [](const QImage& cell) {
        std::vector<int> widths;
        for (int y = 0; y < s; ++y) {
            int width = 0;
            for (int x = 0; x < s; ++x)
                width += cell.pixelColor(x, y).lightness() > 150 ? 1 : 0;
            if (width > 0)
                widths.push_back(width);
        }
        return widths;
    };
    for (const bool vertical : {true, false}) {
        const std::vector<int> first =
            glyphWidths(verticalCell(*skin, vertical, FirstArrow, Normal));
        const std::vector<int> last =
            glyphWidths(verticalCell(*skin, vertical, LastArrow, Normal));
        ASSERT_GE(first.size(), 3u);
        EXPECT_EQ(first.front(), 1) << "first arrow's tip faces the bar's start";
        EXPECT_GT(first.back(), first.front());
        EXPECT_EQ(last, std::vector<int>(first.rbegin(), first.rend()));
    }
}

TEST_F(ScrollBarSkinTest, HoverLightsTheRimAndPressedGlowsOrange)
{
    for (const bool vertical : {true, false}) {
        for (const Piece piece : {FirstArrow, LastArrow, Thumb}) {
            EXPECT_FALSE(contains(verticalCell(*skin, vertical, piece, Normal), accent));
            EXPECT_TRUE(contains(verticalCell(*skin, vertical, piece, Hover), accent));
        }
        const QColor normal = verticalCell(*skin, vertical, Thumb, Normal).pixelColor(5, 6);
        EXPECT_LT(normal.red(), 110);
        EXPECT_LE(std::abs(normal.red() - normal.blue()), 12) << "a grey thumb";
        const QColor pressed = verticalCell(*skin, vertical, Thumb, Pressed).pixelColor(5, 6);
        EXPECT_GT(pressed.red(), 150);
        EXPECT_GT(pressed.red(), pressed.green());
        EXPECT_GT(pressed.green(), pressed.blue());
    }
}

TEST_F(ScrollBarSkinTest, ThumbIsRoundedInItsCapsAndRibbedEvenlyWhenTiled)
{
    const int cap = thumbCapLength;
    for (const bool vertical : {true, false}) {
        for (const Look look : {Normal, Hover, Pressed}) {
            const QImage thumb = verticalCell(*skin, vertical, Thumb, look);
            const QRgb rim = thumb.pixel(1, s / 2);
            EXPECT_NE(thumb.pixel(1, 0), rim) << "square corner";
            EXPECT_NE(thumb.pixel(1, s - 1), rim) << "square corner";
            // The tiled middle: the rim runs straight, grip lines keep one pitch across seams.
            std::vector<int> grips;
            for (int y = cap; y < s - cap; ++y) {
                EXPECT_EQ(thumb.pixel(1, y), rim);
                if (thumb.pixel(s / 2, y) != thumb.pixel(s / 2, cap))
                    grips.push_back(y);
            }
            ASSERT_GE(grips.size(), 2u);
            const int pitch = grips[1] - grips[0];
            for (std::size_t i = 1; i < grips.size(); ++i)
                EXPECT_EQ(grips[i] - grips[i - 1], pitch);
            EXPECT_EQ((grips.front() - cap) + (s - cap - grips.back()), pitch) << "seam";
        }
    }
}

} // namespace
