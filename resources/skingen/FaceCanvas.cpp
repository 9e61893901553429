#include "FaceCanvas.h"

#include "FacePalette.h"
#include "FaceShapes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr qreal kControlRadius = 6;
constexpr qreal kKeyRadius = 5;

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QRectF centredSquare(const QRect& r, int inset)
{
    const qreal side = qMin(r.width(), r.height()) - 2 * inset;
    return QRectF(r.center().x() + 0.5 - side / 2, r.center().y() + 0.5 - side / 2, side, side);
}

}  // namespace

FaceCanvas::FaceCanvas(QSize size, ColorRef colourKey, int cornerRadius)
    : image_(size, QImage::Format_ARGB32_Premultiplied), colourKey_(colourKey), cornerRadius_(cornerRadius)
{
    image_.fill(Qt::transparent);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

void FaceCanvas::panel()
{
    const QRectF outer(0, 0, image_.width(), image_.height());
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(vertical(outer, FacePalette::PanelTop, FacePalette::PanelBottom));
    painter_.drawPath(rounded(outer, cornerRadius_));
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(FacePalette::RimShadow, 1));
    painter_.drawPath(rounded(outer.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius_));
    painter_.setPen(QPen(vertical(outer, FacePalette::Rim, withAlpha(FacePalette::Rim, 110)), 1));
    painter_.drawPath(rounded(outer.adjusted(1.5, 1.5, -1.5, -1.5), cornerRadius_ - 1));
}

void FaceCanvas::titleBand(int height)
{
    const QRectF outer(0, 0, image_.width(), image_.height());
    const QRectF band(2, 2, image_.width() - 4, height - 2);
    painter_.save();
    painter_.setClipPath(rounded(outer.adjusted(2, 2, -2, -2), cornerRadius_ - 2));
    painter_.fillRect(band, vertical(band, FacePalette::TitleBand.lighter(115), FacePalette::TitleBand));
    painter_.restore();
    painter_.setPen(QPen(FacePalette::Separator, 1));
    painter_.drawLine(QPointF(2, height + 0.5), QPointF(image_.width() - 2, height + 0.5));
    // A faint line of the accent colour under the middle of the title.
    QLinearGradient accent(QPointF(image_.width() * 0.2, 0), QPointF(image_.width() * 0.8, 0));
    accent.setColorAt(0, withAlpha(FacePalette::Accent, 0));
    accent.setColorAt(0.5, withAlpha(FacePalette::Accent, 150));
    accent.setColorAt(1, withAlpha(FacePalette::Accent, 0));
    painter_.setPen(QPen(QBrush(accent), 1));
    painter_.drawLine(QPointF(image_.width() * 0.2, height + 1.5), QPointF(image_.width() * 0.8, height + 1.5));
}

void FaceCanvas::groove(const QRect& rect)
{
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter_.setPen(QPen(FacePalette::GrooveRim, 1));
    painter_.setBrush(FacePalette::Groove);
    painter_.drawPath(rounded(r, 4));
    painter_.setBrush(Qt::NoBrush);
}

void FaceCanvas::controlBody(const QRectF& shape, qreal radius, Look look)
{
    const QPainterPath path = rounded(shape, radius);
    painter_.setPen(Qt::NoPen);
    if (look == Look::Checked) {
        QRadialGradient glow(shape.center(), qMax(shape.width(), shape.height()) * 0.75);
        glow.setColorAt(0, FacePalette::GlowCentre);
        glow.setColorAt(1, FacePalette::GlowEdge);
        painter_.setBrush(glow);
    } else {
        painter_.setBrush(vertical(shape, FacePalette::ControlTop, FacePalette::ControlBottom));
    }
    painter_.drawPath(path);

    // A thin highlight along the top edge gives the control some relief.
    painter_.setPen(QPen(withAlpha(Qt::white, look == Look::Checked ? 90 : 28), 1));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawLine(QPointF(shape.left() + radius, shape.top() + 1.5), QPointF(shape.right() - radius, shape.top() + 1.5));

    const QColor rim = look == Look::Hover    ? FacePalette::Accent
                       : look == Look::Checked ? FacePalette::GlowCentre.lighter(120)
                                               : FacePalette::ControlRim;
    painter_.setPen(QPen(rim, look == Look::Hover ? 1.6 : 1));
    painter_.drawPath(path);
    if (look == Look::Hover) {
        painter_.setPen(QPen(withAlpha(FacePalette::Accent, 60), 3));
        painter_.drawPath(rounded(shape.adjusted(2, 2, -2, -2), qMax<qreal>(radius - 2, 1)));
    }
}

void FaceCanvas::barButton(const QRect& rect, Look look)
{
    controlBody(QRectF(rect).adjusted(1, 1, -1, -1), kControlRadius, look);
}

void FaceCanvas::iconButton(const QRect& rect, Pictogram symbol, Look look)
{
    const QRectF square = centredSquare(rect, 1);
    controlBody(square, 5, look);
    const QColor colour = look == Look::Hover ? FacePalette::Accent
                          : look == Look::Checked ? FacePalette::AssignedLegend
                                                  : FacePalette::Symbol;
    const qreal inner = square.width() * 0.56;
    drawPictogram(painter_, symbol, QRectF(square.center().x() - inner / 2, square.center().y() - inner / 2, inner, inner), colour);
}

void FaceCanvas::keycap(const QRect& rect, const QString& legend, Look look)
{
    const QRectF skirt = QRectF(rect).adjusted(1, 1, -1, -1);
    controlBody(skirt, kKeyRadius, look);
    // The top face of the key sits a little above its skirt.
    const QRectF top = skirt.adjusted(3, 2, -3, -5);
    const QColor faceTop = look == Look::Checked ? FacePalette::GlowCentre.lighter(110) : FacePalette::ControlTop.lighter(112);
    const QColor faceBottom = look == Look::Checked ? FacePalette::GlowCentre : FacePalette::ControlTop;
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(vertical(top, faceTop, faceBottom));
    painter_.drawPath(rounded(top, kKeyRadius - 1));
    painter_.setBrush(Qt::NoBrush);

    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(legend.size() <= 2 ? 12 : 10);
    font.setWeight(QFont::DemiBold);
    painter_.setFont(font);
    painter_.setPen(look == Look::Checked ? FacePalette::AssignedLegend : FacePalette::Legend);
    painter_.drawText(top.adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, legend);
}

void FaceCanvas::progressTrack(const QRect& rect) { groove(rect); }

void FaceCanvas::progressFill(const QRect& rect)
{
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter_.setPen(QPen(FacePalette::GlowEdge, 1));
    painter_.setBrush(vertical(r, FacePalette::GlowCentre, FacePalette::GlowEdge));
    painter_.drawPath(rounded(r, 4));
    painter_.setPen(QPen(withAlpha(Qt::white, 80), 1));
    painter_.drawLine(QPointF(r.left() + 4, r.top() + 2), QPointF(r.right() - 4, r.top() + 2));
    painter_.setBrush(Qt::NoBrush);
}

QImage FaceCanvas::finish()
{
    painter_.end();
    const QImage drawn = image_.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(redOf(colourKey_), greenOf(colourKey_), blueOf(colourKey_));
    // Near-key colours must not show as a fringe, and no inside pixel may be cut out.
    const QRgb nudged = qRgb(qRed(key), qGreen(key) ^ 1, qBlue(key));
    const QColor backdrop = FacePalette::PanelBottom;
    QImage face(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(face.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a < 128) {
                out[x] = key;
                continue;
            }
            auto blend = [a](int c, int b) { return (c * a + b * (255 - a)) / 255; };
            const QRgb pixel = qRgb(blend(qRed(in[x]), backdrop.red()), blend(qGreen(in[x]), backdrop.green()),
                                    blend(qBlue(in[x]), backdrop.blue()));
            out[x] = (pixel & 0xFFFFFF) == (key & 0xFFFFFF) ? nudged : pixel;
        }
    }
    return face;
}
