#include "Pictogram.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <numbers>

namespace {

// Symbols are drawn in a unit box centred on (0, 0), from -0.5 to 0.5 both ways.
constexpr qreal kStroke = 0.09;

QPolygonF polygon(std::initializer_list<QPointF> points) { return QPolygonF(QList<QPointF>(points)); }

void fill(QPainter& p, const QPainterPath& path)
{
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(Qt::NoPen);
    p.drawPath(path);
    p.restore();
}

void fillPolygon(QPainter& p, std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(polygon(points));
    path.closeSubpath();
    fill(p, path);
}

void line(QPainter& p, QPointF a, QPointF b) { p.drawLine(a, b); }

void speaker(QPainter& p)
{
    fillPolygon(p, {{-0.40, -0.12}, {-0.24, -0.12}, {-0.04, -0.30}, {-0.04, 0.30}, {-0.24, 0.12}, {-0.40, 0.12}});
}

void arcArrow(QPainter& p)
{
    const QRectF circle(-0.28, -0.28, 0.56, 0.56);
    QPainterPath arc;
    arc.arcMoveTo(circle, 60);
    arc.arcTo(circle, 60, 280);
    p.drawPath(arc);
    const QPointF tip = QPointF(0.28 * qCos(qDegreesToRadians(60.0)), -0.28 * qSin(qDegreesToRadians(60.0)));
    fillPolygon(p, {tip + QPointF(0.14, 0.06), tip + QPointF(-0.04, -0.14), tip + QPointF(-0.07, 0.12)});
}

void star(QPainter& p)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 0.38 : 0.16;
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * i);
        points << QPointF(radius * qCos(angle), radius * qSin(angle) + 0.03);
    }
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    fill(p, path);
}

void sun(QPainter& p)
{
    QPainterPath core;
    core.addEllipse(QPointF(0, 0), 0.15, 0.15);
    fill(p, core);
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(45.0 * i);
        const QPointF direction(qCos(angle), qSin(angle));
        line(p, direction * 0.25, direction * 0.38);
    }
}

void moon(QPainter& p)
{
    QPainterPath full;
    full.addEllipse(QPointF(0, 0), 0.33, 0.33);
    QPainterPath bite;
    bite.addEllipse(QPointF(0.16, -0.12), 0.28, 0.28);
    fill(p, full.subtracted(bite));
}

void power(QPainter& p)
{
    const QRectF circle(-0.3, -0.28, 0.6, 0.6);
    QPainterPath arc;
    arc.arcMoveTo(circle, 120);
    arc.arcTo(circle, 120, 300);
    p.drawPath(arc);
    line(p, {0, -0.40}, {0, -0.02});
}

void keyboard(QPainter& p)
{
    p.drawRoundedRect(QRectF(-0.45, -0.24, 0.9, 0.48), 0.06, 0.06);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 6; ++col) {
            QPainterPath key;
            key.addRect(QRectF(-0.34 + 0.12 * col, -0.14 + 0.11 * row, 0.07, 0.06));
            fill(p, key);
        }
    line(p, {-0.2, 0.12}, {0.2, 0.12});
}

void help(QPainter& p)
{
    QPainterPath hook;
    const QRectF circle(-0.18, -0.36, 0.36, 0.36);
    hook.arcMoveTo(circle, 160);
    hook.arcTo(circle, 160, -230);
    hook.lineTo(0, 0.1);
    p.drawPath(hook);
    QPainterPath dot;
    dot.addEllipse(QPointF(0, 0.29), 0.06, 0.06);
    fill(p, dot);
}

void musicNote(QPainter& p)
{
    QPainterPath heads;
    heads.addEllipse(QPointF(-0.22, 0.24), 0.12, 0.09);
    heads.addEllipse(QPointF(0.22, 0.16), 0.12, 0.09);
    fill(p, heads);
    line(p, {-0.11, 0.24}, {-0.11, -0.26});
    line(p, {0.33, 0.16}, {0.33, -0.34});
    fillPolygon(p, {{-0.15, -0.24}, {0.37, -0.36}, {0.37, -0.24}, {-0.15, -0.12}});
}

void mouse(QPainter& p)
{
    p.drawRoundedRect(QRectF(-0.22, -0.36, 0.44, 0.72), 0.2, 0.2);
    line(p, {-0.22, -0.06}, {0.22, -0.06});
    line(p, {0, -0.36}, {0, -0.06});
}

void swap(QPainter& p)
{
    line(p, {-0.34, -0.14}, {0.22, -0.14});
    fillPolygon(p, {{0.38, -0.14}, {0.18, -0.28}, {0.18, 0.0}});
    line(p, {0.34, 0.16}, {-0.22, 0.16});
    fillPolygon(p, {{-0.38, 0.16}, {-0.18, 0.02}, {-0.18, 0.30}});
}

void windowsPanes(QPainter& p)
{
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 2; ++col) {
            QPainterPath pane;
            pane.addRect(QRectF(-0.32 + 0.34 * col, -0.32 + 0.34 * row, 0.3, 0.3));
            fill(p, pane);
        }
}

// Two layers of keys, the lower one taken.
void layers(QPainter& p)
{
    p.drawPolygon(polygon({{0, -0.36}, {0.40, -0.16}, {0, 0.04}, {-0.40, -0.16}}));
    QPainterPath lower;
    lower.addPolygon(polygon({{0, 0.0}, {0.40, 0.18}, {0, 0.38}, {-0.40, 0.18}}));
    lower.closeSubpath();
    fill(p, lower);
}

QPainterPath fourPointStar(QPointF centre, qreal radius)
{
    QPainterPath star;
    const qreal waist = radius * 0.28;
    star.moveTo(centre + QPointF(0, -radius));
    star.quadTo(centre + QPointF(waist, -waist), centre + QPointF(radius, 0));
    star.quadTo(centre + QPointF(waist, waist), centre + QPointF(0, radius));
    star.quadTo(centre + QPointF(-waist, waist), centre + QPointF(-radius, 0));
    star.quadTo(centre + QPointF(-waist, -waist), centre + QPointF(0, -radius));
    return star;
}

void sparkle(QPainter& p)
{
    fill(p, fourPointStar({-0.08, 0.06}, 0.34));
    fill(p, fourPointStar({0.28, -0.26}, 0.14));
}

// Falling stars: bright heads low on the left, their trails up to the right.
void meteor(QPainter& p)
{
    const QPointF heads[3] = {{-0.24, 0.26}, {0.10, 0.30}, {-0.30, -0.08}};
    const qreal lengths[3] = {0.46, 0.26, 0.26};
    for (int i = 0; i < 3; ++i) {
        line(p, heads[i], heads[i] + QPointF(lengths[i], -lengths[i]));
        fill(p, fourPointStar(heads[i], 0.13));
    }
}

void ripple(QPainter& p)
{
    QPainterPath drop;
    drop.addEllipse(QPointF(0, 0), 0.07, 0.05);
    fill(p, drop);
    p.drawEllipse(QPointF(0, 0), 0.22, 0.14);
    p.drawEllipse(QPointF(0, 0), 0.40, 0.26);
}

void bulb(QPainter& p)
{
    QPainterPath glass;
    const QRectF circle(-0.24, -0.40, 0.48, 0.48);
    glass.arcMoveTo(circle, -45);
    glass.arcTo(circle, -45, 270);
    glass.lineTo(-0.1, 0.14);
    glass.lineTo(0.1, 0.14);
    glass.closeSubpath();
    p.drawPath(glass);
    line(p, {-0.1, 0.24}, {0.1, 0.24});
    line(p, {-0.06, 0.34}, {0.06, 0.34});
}

void wave(QPainter& p)
{
    QPainterPath path;
    path.moveTo(-0.42, 0);
    for (int i = 1; i <= 40; ++i) {
        const qreal x = -0.42 + 0.84 * i / 40;
        path.lineTo(x, -0.2 * qSin(x / 0.84 * 3 * std::numbers::pi));
    }
    p.drawPath(path);
}

void palette(QPainter& p)
{
    QPainterPath board;
    board.addEllipse(QPointF(0, 0), 0.40, 0.32);
    QPainterPath thumb;
    thumb.addEllipse(QPointF(0.16, 0.14), 0.08, 0.07);
    p.drawPath(board);
    p.drawPath(thumb);
    const QPointF wells[3] = {{-0.2, -0.06}, {-0.04, -0.18}, {0.16, -0.14}};
    for (const QPointF& at : wells) {
        QPainterPath well;
        well.addEllipse(at, 0.065, 0.065);
        fill(p, well);
    }
}

void sunset(QPainter& p)
{
    QPainterPath half;
    half.moveTo(-0.2, 0.16);
    half.arcTo(QRectF(-0.2, -0.04, 0.4, 0.4), 180, -180);
    half.closeSubpath();
    fill(p, half);
    line(p, {-0.42, 0.2}, {0.42, 0.2});
    line(p, {-0.26, 0.32}, {0.26, 0.32});
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(180.0 + 30.0 + 30.0 * i);
        const QPointF direction(qCos(angle), qSin(angle));
        line(p, QPointF(0, 0.16) + direction * 0.28, QPointF(0, 0.16) + direction * 0.38);
    }
}

// Three overlapping light circles: colours mixed.
void colourWheel(QPainter& p)
{
    for (int i = 0; i < 3; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 120.0 * i);
        p.drawEllipse(QPointF(0.13 * qCos(angle), 0.13 * qSin(angle) + 0.02), 0.22, 0.22);
    }
}

void alarm(QPainter& p)
{
    p.drawEllipse(QPointF(0, 0.06), 0.28, 0.28);
    line(p, {0, 0.06}, {0, -0.1});
    line(p, {0, 0.06}, {0.12, 0.12});
    QPainterPath bells;
    bells.moveTo(-0.40, -0.16);
    bells.arcTo(QRectF(-0.42, -0.42, 0.3, 0.3), 200, -110);
    bells.closeSubpath();
    bells.moveTo(0.40, -0.16);
    bells.arcTo(QRectF(0.12, -0.42, 0.3, 0.3), -20, 110);
    bells.closeSubpath();
    fill(p, bells);
    line(p, {-0.2, 0.3}, {-0.28, 0.4});
    line(p, {0.2, 0.3}, {0.28, 0.4});
}

void gear(QPainter& p)
{
    QPolygonF teeth;
    for (int i = 0; i < 16; ++i) {
        const qreal radius = (i / 2) % 2 == 0 ? 0.40 : 0.29;
        const qreal angle = qDegreesToRadians(22.5 * i + 11.25);
        teeth << QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    QPainterPath body;
    body.addPolygon(teeth);
    body.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(0, 0), 0.13, 0.13);
    fill(p, body.subtracted(hole));
}

void draw(QPainter& p, Pictogram symbol)
{
    switch (symbol) {
    case Pictogram::Close: line(p, {-0.26, -0.26}, {0.26, 0.26}); line(p, {0.26, -0.26}, {-0.26, 0.26}); break;
    case Pictogram::Minimise: line(p, {-0.28, 0.22}, {0.28, 0.22}); break;
    case Pictogram::Help: help(p); break;
    case Pictogram::PlayPause:
        fillPolygon(p, {{-0.40, -0.26}, {0.0, 0}, {-0.40, 0.26}});
        fillPolygon(p, {{0.08, -0.26}, {0.18, -0.26}, {0.18, 0.26}, {0.08, 0.26}});
        fillPolygon(p, {{0.28, -0.26}, {0.38, -0.26}, {0.38, 0.26}, {0.28, 0.26}});
        break;
    case Pictogram::Stop: fillPolygon(p, {{-0.26, -0.26}, {0.26, -0.26}, {0.26, 0.26}, {-0.26, 0.26}}); break;
    case Pictogram::Next:
        fillPolygon(p, {{-0.32, -0.28}, {0.14, 0}, {-0.32, 0.28}});
        fillPolygon(p, {{0.18, -0.28}, {0.30, -0.28}, {0.30, 0.28}, {0.18, 0.28}});
        break;
    case Pictogram::Previous:
        fillPolygon(p, {{0.32, -0.28}, {-0.14, 0}, {0.32, 0.28}});
        fillPolygon(p, {{-0.18, -0.28}, {-0.30, -0.28}, {-0.30, 0.28}, {-0.18, 0.28}});
        break;
    case Pictogram::VolumeUp: speaker(p); line(p, {0.10, 0}, {0.38, 0}); line(p, {0.24, -0.14}, {0.24, 0.14}); break;
    case Pictogram::VolumeDown: speaker(p); line(p, {0.10, 0}, {0.38, 0}); break;
    case Pictogram::Mute: speaker(p); line(p, {0.12, -0.12}, {0.36, 0.12}); line(p, {0.36, -0.12}, {0.12, 0.12}); break;
    case Pictogram::Back:
        line(p, {-0.30, 0}, {0.30, 0}); line(p, {-0.30, 0}, {-0.08, -0.22}); line(p, {-0.30, 0}, {-0.08, 0.22});
        break;
    case Pictogram::Forward:
        line(p, {-0.30, 0}, {0.30, 0}); line(p, {0.30, 0}, {0.08, -0.22}); line(p, {0.30, 0}, {0.08, 0.22});
        break;
    case Pictogram::Refresh: arcArrow(p); break;
    case Pictogram::Star: star(p); break;
    case Pictogram::Search:
        p.drawEllipse(QPointF(-0.07, -0.07), 0.2, 0.2);
        line(p, {0.08, 0.08}, {0.32, 0.32});
        break;
    case Pictogram::Mail:
        p.drawRect(QRectF(-0.36, -0.22, 0.72, 0.46));
        line(p, {-0.36, -0.22}, {0, 0.06}); line(p, {0.36, -0.22}, {0, 0.06});
        break;
    case Pictogram::Home:
        line(p, {-0.38, 0.02}, {0, -0.32}); line(p, {0, -0.32}, {0.38, 0.02});
        p.drawPolyline(polygon({{-0.24, -0.08}, {-0.24, 0.32}, {0.24, 0.32}, {0.24, -0.08}}));
        p.drawPolyline(polygon({{-0.07, 0.32}, {-0.07, 0.12}, {0.07, 0.12}, {0.07, 0.32}}));
        break;
    case Pictogram::Computer:
        p.drawRect(QRectF(-0.36, -0.30, 0.72, 0.44));
        line(p, {0, 0.14}, {0, 0.28}); line(p, {-0.18, 0.32}, {0.18, 0.32});
        break;
    case Pictogram::Calculator:
        p.drawRect(QRectF(-0.25, -0.36, 0.5, 0.72));
        p.drawRect(QRectF(-0.14, -0.25, 0.28, 0.12));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) {
                QPainterPath key;
                key.addEllipse(QPointF(-0.08 + 0.16 * col, 0.02 + 0.12 * row), 0.035, 0.035);
                fill(p, key);
            }
        break;
    case Pictogram::Lock: {
        QPainterPath body;
        body.addRoundedRect(QRectF(-0.26, -0.04, 0.52, 0.38), 0.05, 0.05);
        fill(p, body);
        QPainterPath shackle;
        shackle.moveTo(-0.16, -0.04);
        shackle.lineTo(-0.16, -0.16);
        shackle.arcTo(QRectF(-0.16, -0.36, 0.32, 0.4), 180, -180);
        shackle.lineTo(0.16, -0.04);
        p.drawPath(shackle);
        break;
    }
    case Pictogram::Sun: sun(p); break;
    case Pictogram::Moon: moon(p); break;
    case Pictogram::Power: power(p); break;
    case Pictogram::Keyboard: keyboard(p); break;
    case Pictogram::MusicNote: musicNote(p); break;
    case Pictogram::CircleCross:
        p.drawEllipse(QPointF(0, 0), 0.34, 0.34);
        line(p, {-0.14, -0.14}, {0.14, 0.14}); line(p, {0.14, -0.14}, {-0.14, 0.14});
        break;
    case Pictogram::Mouse: mouse(p); break;
    case Pictogram::Swap: swap(p); break;
    case Pictogram::Windows: windowsPanes(p); break;
    case Pictogram::Layers: layers(p); break;
    case Pictogram::Sparkle: sparkle(p); break;
    case Pictogram::Meteor: meteor(p); break;
    case Pictogram::Ripple: ripple(p); break;
    case Pictogram::Bulb: bulb(p); break;
    case Pictogram::Wave: wave(p); break;
    case Pictogram::Palette: palette(p); break;
    case Pictogram::Sunset: sunset(p); break;
    case Pictogram::ColourWheel: colourWheel(p); break;
    case Pictogram::Alarm: alarm(p); break;
    case Pictogram::RecordDot: {
        QPainterPath dot;
        dot.addEllipse(QPointF(0, 0), 0.3, 0.3);
        fill(p, dot);
        break;
    }
    case Pictogram::Plus: line(p, {-0.3, 0}, {0.3, 0}); line(p, {0, -0.3}, {0, 0.3}); break;
    case Pictogram::Minus: line(p, {-0.3, 0}, {0.3, 0}); break;
    case Pictogram::Gear: gear(p); break;
    }
}

}  // namespace

void drawPictogram(QPainter& painter, Pictogram symbol, const QRectF& box, const QColor& colour)
{
    const qreal side = qMin(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center());
    painter.scale(side, side);
    // Outlines are stroked with the pen; filled shapes take the pen's colour as their brush.
    painter.setPen(QPen(colour, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    draw(painter, symbol);
    painter.restore();
}
