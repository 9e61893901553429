#include "Pictogram.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

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

void draw(QPainter& p, Pictogram symbol)
{
    switch (symbol) {
    case Pictogram::Close: line(p, {-0.26, -0.26}, {0.26, 0.26}); line(p, {0.26, -0.26}, {-0.26, 0.26}); break;
    case Pictogram::Minimise: line(p, {-0.28, 0.22}, {0.28, 0.22}); break;
    case Pictogram::Help: help(p); break;
    case Pictogram::ArrowUp: fillPolygon(p, {{0, -0.24}, {0.30, 0.18}, {-0.30, 0.18}}); break;
    case Pictogram::ArrowDown: fillPolygon(p, {{0, 0.24}, {0.30, -0.18}, {-0.30, -0.18}}); break;
    case Pictogram::ArrowLeft: fillPolygon(p, {{-0.24, 0}, {0.18, -0.30}, {0.18, 0.30}}); break;
    case Pictogram::ArrowRight: fillPolygon(p, {{0.24, 0}, {-0.18, -0.30}, {-0.18, 0.30}}); break;
    case Pictogram::Play: fillPolygon(p, {{-0.22, -0.32}, {0.32, 0}, {-0.22, 0.32}}); break;
    case Pictogram::Pause:
        fillPolygon(p, {{-0.26, -0.30}, {-0.08, -0.30}, {-0.08, 0.30}, {-0.26, 0.30}});
        fillPolygon(p, {{0.08, -0.30}, {0.26, -0.30}, {0.26, 0.30}, {0.08, 0.30}});
        break;
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
