#pragma once

#include "Pictogram.h"
#include "SkinColor.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

// How a control is drawn: each window's three face bitmaps (background, hover, checked) are
// the same face drawn three times, with every control in one look, so a rectangle copied from
// the hover or checked bitmap shows exactly that control's hover or checked look.
enum class Look { Normal, Hover, Checked };

// One face bitmap being drawn. Draw the panel, then the controls; finish() cuts the window's
// shape: everything outside the rounded panel becomes exactly the colour key, and no pixel
// inside it keeps that colour by accident.
//
//   FaceCanvas face({370, 250}, RGB(255, 0, 0));
//   face.panel();
//   face.barButton(rect, look);
//   writer.save(139, face.finish());
class FaceCanvas {
public:
    FaceCanvas(QSize size, ColorRef colourKey, int cornerRadius = 12);

    QPainter& painter() { return painter_; }
    QSize size() const { return image_.size(); }

    // The window's dark panel with its rim; titleBand() a header strip of that height.
    void panel();
    void titleBand(int height);
    // A sunken area (list or text field background).
    void groove(const QRect& rect);
    // A rounded bar button without text: the program draws the caption over it.
    void barButton(const QRect& rect, Look look);
    // A small square button holding a pictogram (close, minimise, help, arrows).
    void iconButton(const QRect& rect, Pictogram symbol, Look look);
    // A keycap with its legend; Checked gives the warm glow of an assigned key.
    void keycap(const QRect& rect, const QString& legend, Look look);
    // A progress bar: the empty track, and the track filled.
    void progressTrack(const QRect& rect);
    void progressFill(const QRect& rect);

    QImage finish();

private:
    void controlBody(const QRectF& shape, qreal radius, Look look);

    QImage image_;
    QPainter painter_;
    ColorRef colourKey_;
    int cornerRadius_;
};
