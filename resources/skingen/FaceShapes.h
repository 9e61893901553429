#pragma once

// Small shape helpers every face draws with.
#include <QColor>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRectF>

// A top-to-bottom gradient over r.
inline QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

inline QPainterPath rounded(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}
