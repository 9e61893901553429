// Faces of the main window: 101 normal, 102 every control hovered, 103 every control checked;
// drawn from the window's own layout table. Also draws the application icon.
#include "AppIcon.h"
#include "CSkinDialog.h"
#include "FaceCanvas.h"
#include "FacePalette.h"
#include "FaceWriter.h"
#include "MainWindowLayout.h"
#include "SkinStyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

using namespace MainWindowId;

const QSize kFaceSize(1180, 690);
constexpr int kCornerRadius = 16;
constexpr int kTitleBandHeight = 72;
// The keyboard's case around the keys, the layer switch's plate, the frame of the summary box
// and the plate beside it.
const QRect kKeyboardCase(160, 148, 986, 332);
const QRect kLayerPlate(38, 176, 94, 134);
const QRect kSummaryFrame = toQRect(MainWindowLayout::kSummaryBox).adjusted(-4, -4, 4, 4);
const QRect kSidePlate(kSummaryFrame.right() + 14, kSummaryFrame.top(), 1144 - kSummaryFrame.right() - 14,
                       kSummaryFrame.height());

QFont font(int pixelSize, QFont::Weight weight)
{
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    return f;
}

void drawWordmark(QPainter& p)
{
    drawPictogram(p, Pictogram::Keyboard, QRectF(32, 16, 40, 40), FacePalette::Accent);
    p.setFont(font(22, QFont::Bold));
    p.setPen(FacePalette::Legend);
    QFont spaced = p.font();
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(spaced);
    p.drawText(QRect(84, 14, 400, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VORNIC TAMSK"));
    QFont small = font(10, QFont::Normal);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(small);
    p.setPen(QColor(140, 140, 148));
    p.drawText(QRect(86, 42, 400, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("87-KEY PROGRAMMABLE GAMING KEYBOARD"));
}

// A sunken plate with a soft inner shade.
void plate(QPainter& p, const QRect& rect, int radius)
{
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(16, 16, 18));
    fill.setColorAt(1, QColor(26, 26, 29));
    p.setPen(QPen(FacePalette::GrooveRim, 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
}

// The layer switch: a vertical track whose knob sits up for the upper layer and, checked,
// down in the accent glow for the lower one.
void drawLayerSwitch(QPainter& p, const QRect& rect, Look look)
{
    const QRectF track(rect.center().x() + 0.5 - 14, rect.top() + 4.5, 28, rect.height() - 9);
    const bool down = look == Look::Checked;
    p.setPen(QPen(look == Look::Hover ? FacePalette::Accent : FacePalette::ControlRim, look == Look::Hover ? 1.6 : 1));
    QLinearGradient groove(track.topLeft(), track.topRight());
    groove.setColorAt(0, QColor(10, 10, 11));
    groove.setColorAt(1, QColor(30, 30, 33));
    p.setBrush(down ? QBrush(FacePalette::GlowEdge.darker(160)) : QBrush(groove));
    p.drawRoundedRect(track, 14, 14);

    const qreal knobSide = 22;
    const QPointF centre(track.center().x(), down ? track.bottom() - 3 - knobSide / 2 : track.top() + 3 + knobSide / 2);
    QRadialGradient knob(centre - QPointF(3, 4), knobSide);
    if (down) {
        knob.setColorAt(0, FacePalette::GlowCentre.lighter(115));
        knob.setColorAt(1, FacePalette::GlowEdge);
    } else {
        knob.setColorAt(0, FacePalette::ControlTop.lighter(150));
        knob.setColorAt(1, FacePalette::ControlBottom);
    }
    p.setPen(QPen(down ? FacePalette::GlowCentre.lighter(120) : FacePalette::ControlRim, 1));
    p.setBrush(knob);
    p.drawEllipse(centre, knobSide / 2, knobSide / 2);
    p.setBrush(Qt::NoBrush);
}

// The checked language button: a deep amber body, dark enough for the grey caption the program
// draws over it to stay readable.
void checkedBarButton(QPainter& p, const QRect& rect)
{
    const QRectF r = QRectF(rect).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0, QColor(132, 56, 6));
    body.setColorAt(1, QColor(78, 30, 2));
    p.setPen(QPen(FacePalette::GlowCentre, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(QPen(QColor(255, 200, 150, 70), 1));
    p.drawLine(QPointF(r.left() + 6, r.top() + 1.5), QPointF(r.right() - 6, r.top() + 1.5));
    p.setBrush(Qt::NoBrush);
}

// Beside the summary: an unassigned and an assigned key, the keyboard's two looks.
void drawSidePlate(FaceCanvas& face)
{
    plate(face.painter(), kSidePlate, 6);
    const int side = 46;
    const int y = kSidePlate.center().y() - side / 2;
    const int gap = 12;
    const int x = kSidePlate.center().x() - side - gap / 2;
    face.keycap(QRect(x, y, side, side), QString(), Look::Normal);
    face.keycap(QRect(x + side + gap, y, side, side), QString(), Look::Checked);
}

QImage drawFace(const SkinStyle& style, Look look)
{
    FaceCanvas face(kFaceSize, style.colourKey, kCornerRadius);
    QPainter& p = face.painter();
    face.panel();
    face.titleBand(kTitleBandHeight);
    drawWordmark(p);

    plate(p, kKeyboardCase, 10);
    plate(p, kLayerPlate, 8);
    face.groove(kSummaryFrame);
    drawSidePlate(face);

    for (const SkinButton& b : MainWindowLayout::records()) {
        if (b.isLabel || b.keyIndex > 0) continue;
        const QRect r = toQRect(b.rect);
        switch (b.id) {
        case Help: face.iconButton(r, Pictogram::Help, look); break;
        case Hide: face.iconButton(r, Pictogram::Minimise, look); break;
        case Exit: face.iconButton(r, Pictogram::Close, look); break;
        case Layer: drawLayerSwitch(p, r, look); break;
        case Language:
            if (look == Look::Checked) checkedBarButton(p, r);
            else face.barButton(r, look);
            break;
        default: face.barButton(r, look); break;
        }
    }
    for (const MainWindowKey& key : MainWindowLayout::keys())
        face.keycap(toQRect(key.rect), QString::fromUtf16(key.legend), look);
    return face.finish();
}

}  // namespace

void drawMainWindowFaces(FaceWriter& out)
{
    const SkinStyle& style = SkinStyle::of(SkinWindow::MainWindow);
    out.save(style.backgroundImage, drawFace(style, Look::Normal));
    out.save(style.hoverImage, drawFace(style, Look::Hover));
    out.save(style.checkedImage, drawFace(style, Look::Checked));
    drawAppIcons(out);
}
