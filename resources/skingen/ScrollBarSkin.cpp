#include "ScrollBarSkin.h"

#include "ScrollBarSkinLayout.h"

#include <QColor>
#include <QPainter>
#include <QTransform>

#include <algorithm>

namespace {

using namespace ScrollBarSkinLayout;

const QColor accent(255, 111, 0);

// Colours of one look of the arrow buttons and the thumb.
struct LookColours {
    QColor fillLight;
    QColor fillDark;
    QColor rim;
    QColor glyph; // arrow triangles
    QColor grip;  // thumb grip lines, quieter than the glyphs so a long thumb stays calm
};

LookColours coloursOf(Look look)
{
    switch (look) {
    case Hover:
        return {QColor(74, 74, 80), QColor(52, 52, 57), accent, QColor(236, 236, 240),
                QColor(128, 128, 136)};
    case Pressed:
        return {QColor(255, 140, 40), QColor(200, 76, 0), QColor(255, 176, 100),
                QColor(40, 18, 4), QColor(150, 58, 0)};
    case Normal:
    default:
        return {QColor(66, 66, 72), QColor(46, 46, 51), QColor(104, 104, 112),
                QColor(200, 200, 206), QColor(100, 100, 108)};
    }
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

// One cell of a vertical bar, drawn pixel by pixel so edges stay crisp at small sizes.
class Cell {
public:
    explicit Cell(int size) : m_size(size), m_image(size, size, QImage::Format_ARGB32)
    {
        m_image.fill(Qt::transparent);
    }

    int size() const { return m_size; }
    const QImage& image() const { return m_image; }

    void set(int x, int y, const QColor& colour)
    {
        if (x >= 0 && y >= 0 && x < m_size && y < m_size)
            m_image.setPixelColor(x, y, colour);
    }

    void row(int y, int fromX, int toX, const QColor& colour)
    {
        for (int x = fromX; x <= toX; ++x)
            set(x, y, colour);
    }

private:
    int m_size;
    QImage m_image;
};

// The dark channel the thumb runs in: every row alike, so it tiles without seams.
void drawTrack(Cell& cell)
{
    const int s = cell.size();
    const QColor edge(40, 40, 45);
    const QColor floor(22, 22, 25);
    const QColor groove(31, 31, 35);
    for (int y = 0; y < s; ++y) {
        cell.row(y, 0, s - 1, floor);
        cell.set(0, y, edge);
        cell.set(s - 1, y, edge);
        cell.set(s / 2, y, groove);
    }
}

// A rounded button face with a lighter top, inset one pixel from the cell's edges.
void drawButton(Cell& cell, const LookColours& c)
{
    const int s = cell.size();
    const int last = s - 2;
    for (int y = 1; y <= last; ++y) {
        const QColor fill = mix(c.fillLight, c.fillDark, double(y - 1) / std::max(1, last - 1));
        cell.row(y, 1, last, fill);
        cell.set(1, y, c.rim);
        cell.set(last, y, c.rim);
    }
    cell.row(1, 2, last - 1, c.rim);
    cell.row(last, 2, last - 1, c.rim);
    // Softened corners.
    const QColor corner = mix(c.rim, QColor(22, 22, 25), 0.6);
    for (const auto& [x, y] : {std::pair{1, 1}, {last, 1}, {1, last}, {last, last}})
        cell.set(x, y, corner);
}

// A crisp triangle of whole pixel rows, pointing up or down.
void drawTriangle(Cell& cell, bool pointsUp, const QColor& colour)
{
    const int s = cell.size();
    const int height = std::max(2, (s + 1) / 4 + 1);
    const int top = (s - height) / 2;
    const bool odd = s % 2 != 0;
    const int centre = odd ? s / 2 : s / 2 - 1;
    for (int k = 0; k < height; ++k) {
        const int y = pointsUp ? top + k : top + height - 1 - k;
        cell.row(y, centre - k, centre + k + (odd ? 0 : 1), colour);
    }
}

// The thumb: a rounded bar one pixel in from the channel's edges, whose rounded ends fit in the
// caps that are copied whole, and whose middle rows repeat seamlessly when tiled.
void drawThumb(Cell& cell, const LookColours& c)
{
    drawTrack(cell); // the rounded corners show the channel behind them
    const int s = cell.size();
    const int left = 1;
    const int right = s - 2;
    const int cap = thumbCapLength;
    auto body = [&](int y, int inset) {
        for (int x = left + inset; x <= right - inset; ++x)
            cell.set(x, y, mix(c.fillLight, c.fillDark, double(x - left) / (right - left)));
        cell.set(left + inset, y, c.rim);
        cell.set(right - inset, y, c.rim);
    };
    for (int y = 0; y < s; ++y) {
        const int fromEnd = std::min(y, s - 1 - y);
        body(y, fromEnd < cap - 1 ? cap - 1 - fromEnd : 0);
    }
    for (const int y : {0, s - 1})
        cell.row(y, left + cap - 1, right - cap + 1, c.rim);
    // Grip lines every third row of the tiled middle, so any thumb length looks ribbed evenly.
    for (int y = cap; y < s - cap; ++y)
        if ((y - cap) % 3 == 1)
            cell.row(y, left + 3, right - 3, c.grip);
}

Cell drawPiece(int size, Piece piece, Look look)
{
    Cell cell(size);
    const LookColours colours = coloursOf(look);
    switch (piece) {
    case FirstArrow:
    case LastArrow:
        drawTrack(cell);
        drawButton(cell, colours);
        drawTriangle(cell, piece == FirstArrow, colours.glyph);
        break;
    case Thumb:
        drawThumb(cell, colours);
        break;
    case Track:
        drawTrack(cell);
        break;
    }
    return cell;
}

// Horizontal pieces are the vertical ones mirrored across the diagonal: up becomes left,
// down becomes right, and the light still falls from the top-left.
QImage transposed(const QImage& image)
{
    return image.transformed(QTransform().rotate(90)).mirrored(true, false);
}

} // namespace

QImage drawScrollBarSkin(int cellSize)
{
    const int s = std::max(cellSize, 1);
    QImage skin(columnCount * s, rowCount * s, QImage::Format_ARGB32);
    skin.fill(Qt::transparent);
    QPainter painter(&skin);
    for (const Look look : {Normal, Hover, Pressed}) {
        for (const Piece piece : {FirstArrow, LastArrow, Thumb, Track}) {
            // The track has one look; every row carries it so any row reads right.
            const QImage cell = drawPiece(s, piece, piece == Track ? trackLook : look).image();
            const int y = look * s;
            painter.drawImage(column(true, piece) * s, y, cell);
            painter.drawImage(column(false, piece) * s, y, transposed(cell));
        }
    }
    return skin;
}
