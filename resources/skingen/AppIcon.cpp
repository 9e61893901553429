#include "AppIcon.h"

#include "AppResources.h"
#include "FacePalette.h"
#include "FaceWriter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

QImage drawAppIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient panel(tile.topLeft(), tile.bottomLeft());
    panel.setColorAt(0, QColor(52, 52, 58));
    panel.setColorAt(1, QColor(16, 16, 18));
    p.setPen(QPen(FacePalette::Rim, qMax(1.0, s / 64)));
    p.setBrush(panel);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);

    // The keycap: skirt, then its top face, glowing in the program's orange.
    const QRectF skirt(s * 0.2, s * 0.2, s * 0.6, s * 0.6);
    QRadialGradient glow(skirt.center(), s * 0.45);
    glow.setColorAt(0, FacePalette::GlowCentre);
    glow.setColorAt(1, FacePalette::GlowEdge);
    p.setPen(QPen(FacePalette::GlowCentre.lighter(125), qMax(1.0, s / 80)));
    p.setBrush(glow);
    p.drawRoundedRect(skirt, s * 0.08, s * 0.08);
    const QRectF top = skirt.adjusted(s * 0.06, s * 0.04, -s * 0.06, -s * 0.1);
    QLinearGradient face(top.topLeft(), top.bottomLeft());
    face.setColorAt(0, FacePalette::GlowCentre.lighter(118));
    face.setColorAt(1, FacePalette::GlowCentre);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(top, s * 0.06, s * 0.06);

    if (size >= 32) {
        QFont letters;
        letters.setFamilies({QStringLiteral("DejaVu Sans")});
        letters.setPixelSize(qRound(s * 0.22));
        letters.setWeight(QFont::Black);
        p.setFont(letters);
        p.setPen(FacePalette::AssignedLegend);
        p.drawText(top, Qt::AlignCenter, QStringLiteral("VT"));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void drawAppIcons(FaceWriter& out)
{
    for (int size : AppResources::appIconSizes()) out.saveNamed(QStringLiteral("icon-%1").arg(size), drawAppIcon(size));
}
