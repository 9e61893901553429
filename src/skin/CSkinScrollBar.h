#pragma once

#include "ScrollBarGeometry.h"
#include "ScrollBarSkinLayout.h"
#include "ScrollInfo.h"

#include <QPixmap>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <array>

// A scroll bar painted entirely from one skin bitmap (9 x 3 square cells: rows normal, hover,
// pressed; columns up/down/thumb/track for a vertical bar, then the same for a horizontal one).
// It keeps its own scroll state and never moves its position on a line or page action: it
// reports the action through scrolled() and the owner sets the new position back, as with a
// platform scroll bar.
class CSkinScrollBar : public QWidget {
    Q_OBJECT

public:
    explicit CSkinScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    Qt::Orientation orientation() const { return m_orientation; }

    // Stores the skin, takes its cell size from its width / 9 and makes the bar one cell thick,
    // keeping its position and length.
    void setBitmap(const QPixmap& bitmap);
    int cellSize() const { return m_cellSize; }

    // Copies the fields named by info.mask (range, page, position; the track position cannot be
    // set). With redraw the track and thumb are repainted. Always succeeds.
    bool setScrollInfo(const ScrollInfo& info, bool redraw = true);
    // Fills the fields named by info.mask. Always succeeds.
    bool getScrollInfo(ScrollInfo& info) const;
    ScrollInfo scrollInfo() const { return m_state; }

    int minimum() const { return m_state.minimum; }
    int maximum() const { return m_state.maximum; }
    int page() const { return m_state.page; }
    int position() const { return m_state.position; }

    // For a list that grew or shrank by delta lines: moves the maximum (an empty list gets
    // maximum = page - 1), keeps the position within reach and repaints.
    void changeRange(int delta);

    QSize sizeHint() const override;

signals:
    // code: ScrollCode 0-3 on press and auto-repeat, 5 while the thumb is dragged, 4 when a drag
    // ends. position: for 4 and 5 the low 16 bits of the dragged position, else 0.
    void scrolled(int code, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    using Look = ScrollBarSkinLayout::Look;

    bool isVertical() const { return m_orientation == Qt::Vertical; }
    int barLength() const;
    int along(QPoint point) const;
    ScrollBarGeometry geometry(ScrollBarGeometry::Purpose purpose) const;
    QRect partRect(int part) const;
    QRect rectFor(ScrollBarGeometry::Extent extent) const;
    QRect cellRect(ScrollBarSkinLayout::Piece piece, Look look) const;

    void showPart(int part, Look look);
    void notify(int code, int position = 0);
    void endInteraction();

    void pressPart(int part);
    void startDrag(QPoint point);
    void moveDrag(QPoint point);
    void moveHover(QPoint point);
    void movePressed(QPoint point);
    void endDrag(QPoint point);
    void endPress();
    void firstRepeat();
    void repeatStep();

    void drawArrow(QPainter& painter, const ScrollBarGeometry& geo, int part) const;
    void drawThumb(QPainter& painter, const ScrollBarGeometry& geo) const;
    void drawTrack(QPainter& painter, const ScrollBarGeometry& geo, int part) const;
    void tile(QPainter& painter, const QRect& target, const QPixmap& piece) const;
    QRect thumbMiddle(const QRect& cell) const;

    Qt::Orientation m_orientation;
    QPixmap m_skin;
    // The pieces that repeat along the bar, cut once per bitmap rather than on every paint.
    QPixmap m_trackTile;
    std::array<QPixmap, ScrollBarSkinLayout::rowCount> m_thumbTiles;  // by look
    int m_cellSize = 0;
    ScrollInfo m_state;
    bool m_dragging = false;
    QPoint m_dragStart;
    int m_dragStartPos = 0;
    int m_pressedPart = ScrollCode::NoPart;
    bool m_repeating = false;
    int m_hoverPart = ScrollCode::NoPart;
    bool m_paused = false;
    QPoint m_pointer; // last pointer position seen while a part is held
    // Current look of the parts that have more than one (arrows and thumb), by part code.
    std::array<Look, 6> m_looks{};
    QTimer m_repeatDelay;  // first auto-repeat step after the initial delay
    QTimer m_repeatTimer;  // the following steps
};
