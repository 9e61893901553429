#include "CSkinScrollBar.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

using namespace ScrollBarSkinLayout;
using Purpose = ScrollBarGeometry::Purpose;

constexpr int firstRepeatDelayMs = 500;
constexpr int repeatPeriodMs = 100;
// Only the low 16 bits of a dragged position travel with a notification.
constexpr int positionBits = 0xFFFF;

bool isArrow(int part)
{
    return part == ScrollCode::LineUp || part == ScrollCode::LineDown;
}

// The track has a single look; arrows and thumb change with hover and press.
bool hasLooks(int part)
{
    return isArrow(part) || part == ScrollCode::ThumbTrack;
}

int toInt(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

CSkinScrollBar::CSkinScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), m_orientation(orientation)
{
    setMouseTracking(true); // hover looks follow the pointer while no button is held
    m_repeatDelay.setSingleShot(true);
    m_repeatDelay.setInterval(firstRepeatDelayMs);
    m_repeatTimer.setInterval(repeatPeriodMs);
    connect(&m_repeatDelay, &QTimer::timeout, this, &CSkinScrollBar::firstRepeat);
    connect(&m_repeatTimer, &QTimer::timeout, this, &CSkinScrollBar::repeatStep);
}

void CSkinScrollBar::setBitmap(const QPixmap& bitmap)
{
    m_skin = bitmap;
    m_cellSize = bitmap.width() / columnCount;
    // An empty source would copy the whole bitmap; such a piece draws nothing instead.
    const auto cut = [this](const QRect& source) { return source.isEmpty() ? QPixmap() : m_skin.copy(source); };
    m_trackTile = cut(cellRect(Track, trackLook));
    for (Look look : {Normal, Hover, Pressed})
        m_thumbTiles[look] = cut(thumbMiddle(cellRect(Thumb, look)));
    if (isVertical())
        resize(m_cellSize, height());
    else
        resize(width(), m_cellSize);
    update();
}

bool CSkinScrollBar::setScrollInfo(const ScrollInfo& info, bool redraw)
{
    if (info.mask & ScrollInfo::Page)
        m_state.page = info.page;
    if (info.mask & ScrollInfo::Position)
        m_state.position = info.position;
    if (info.mask & ScrollInfo::Range) {
        m_state.minimum = info.minimum;
        m_state.maximum = info.maximum;
    }
    if (redraw) {
        // A dragged thumb keeps its pressed look while the owner follows the drag.
        if (!m_dragging)
            m_looks[ScrollCode::ThumbTrack] = Normal;
        const ScrollBarGeometry geo = geometry(Purpose::Drawing);
        update(rectFor({geo.extent(ScrollCode::PageUp).begin,
                        geo.extent(ScrollCode::PageDown).end}));
    }
    return true;
}

bool CSkinScrollBar::getScrollInfo(ScrollInfo& info) const
{
    if (info.mask & ScrollInfo::Page)
        info.page = m_state.page;
    if (info.mask & ScrollInfo::Position)
        info.position = m_state.position;
    if (info.mask & ScrollInfo::TrackPosition)
        info.trackPosition = m_state.trackPosition;
    if (info.mask & ScrollInfo::Range) {
        info.minimum = m_state.minimum;
        info.maximum = m_state.maximum;
    }
    return true;
}

void CSkinScrollBar::changeRange(int delta)
{
    ScrollInfo info;
    getScrollInfo(info);
    const std::int64_t sum = std::int64_t{info.maximum} + delta;
    info.maximum = toInt(sum < 0 ? std::int64_t{info.page} - 1 : sum);
    const std::int64_t largest = std::int64_t{info.maximum} - info.minimum - info.page + 1;
    std::int64_t position = info.position;
    if (position > largest)
        position = largest;
    if (position < info.minimum)
        position = info.minimum;
    info.position = toInt(position);
    setScrollInfo(info, true);
}

QSize CSkinScrollBar::sizeHint() const
{
    const int length = 4 * std::max(m_cellSize, 1);
    return isVertical() ? QSize(m_cellSize, length) : QSize(length, m_cellSize);
}

// --- geometry ---------------------------------------------------------------------------------

int CSkinScrollBar::barLength() const
{
    return isVertical() ? height() : width();
}

int CSkinScrollBar::along(QPoint point) const
{
    return isVertical() ? point.y() : point.x();
}

ScrollBarGeometry CSkinScrollBar::geometry(Purpose purpose) const
{
    return ScrollBarGeometry(barLength(), m_cellSize, m_state, purpose);
}

QRect CSkinScrollBar::rectFor(ScrollBarGeometry::Extent extent) const
{
    return isVertical() ? QRect(0, extent.begin, m_cellSize, extent.length())
                        : QRect(extent.begin, 0, extent.length(), m_cellSize);
}

QRect CSkinScrollBar::partRect(int part) const
{
    return rectFor(geometry(Purpose::Drawing).extent(part));
}

QRect CSkinScrollBar::cellRect(Piece piece, Look look) const
{
    return QRect(column(isVertical(), piece) * m_cellSize, look * m_cellSize, m_cellSize,
                 m_cellSize);
}

// --- painting ---------------------------------------------------------------------------------

void CSkinScrollBar::paintEvent(QPaintEvent*)
{
    if (m_skin.isNull() || m_cellSize <= 0)
        return;
    QPainter painter(this);
    const ScrollBarGeometry geo = geometry(Purpose::Drawing);
    drawArrow(painter, geo, ScrollCode::LineUp);
    drawArrow(painter, geo, ScrollCode::LineDown);
    drawThumb(painter, geo);
    drawTrack(painter, geo, ScrollCode::PageUp);
    drawTrack(painter, geo, ScrollCode::PageDown);
}

void CSkinScrollBar::drawArrow(QPainter& painter, const ScrollBarGeometry& geo, int part) const
{
    const QRect target = rectFor(geo.extent(part));
    if (target.isEmpty())
        return;
    const Piece piece = part == ScrollCode::LineUp ? FirstArrow : LastArrow;
    // A one-cell rectangle is a plain copy; a shorter bar squeezes the whole cell in.
    painter.drawPixmap(target, m_skin, cellRect(piece, m_looks[part]));
}

void CSkinScrollBar::drawThumb(QPainter& painter, const ScrollBarGeometry& geo) const
{
    const QRect target = rectFor(geo.extent(ScrollCode::ThumbTrack));
    if (target.isEmpty())
        return;
    const Look look = m_looks[ScrollCode::ThumbTrack];
    const QRect cell = cellRect(Thumb, look);
    const int cap = thumbCapLength;
    // The caps keep their shape; only the middle of the cell repeats along the thumb.
    if (isVertical()) {
        painter.drawPixmap(QRect(target.left(), target.top(), target.width(), cap), m_skin,
                           QRect(cell.left(), cell.top(), cell.width(), cap));
        painter.drawPixmap(QRect(target.left(), target.bottom() + 1 - cap, target.width(), cap),
                           m_skin, QRect(cell.left(), cell.bottom() + 1 - cap, cell.width(), cap));
        tile(painter, target.adjusted(0, cap, 0, -cap), m_thumbTiles[look]);
    } else {
        painter.drawPixmap(QRect(target.left(), target.top(), cap, target.height()), m_skin,
                           QRect(cell.left(), cell.top(), cap, cell.height()));
        painter.drawPixmap(QRect(target.right() + 1 - cap, target.top(), cap, target.height()),
                           m_skin, QRect(cell.right() + 1 - cap, cell.top(), cap, cell.height()));
        tile(painter, target.adjusted(cap, 0, -cap, 0), m_thumbTiles[look]);
    }
}

void CSkinScrollBar::drawTrack(QPainter& painter, const ScrollBarGeometry& geo, int part) const
{
    tile(painter, rectFor(geo.extent(part)), m_trackTile);
}

// The middle of a thumb cell: the part that repeats between the two caps.
QRect CSkinScrollBar::thumbMiddle(const QRect& cell) const
{
    const int cap = thumbCapLength;
    return isVertical() ? cell.adjusted(0, cap, 0, -cap) : cell.adjusted(cap, 0, -cap, 0);
}

void CSkinScrollBar::tile(QPainter& painter, const QRect& target, const QPixmap& piece) const
{
    if (target.isEmpty() || piece.isNull())
        return;
    // Tiles start at the target's top-left corner; the last ones are cut short, never scaled.
    painter.drawTiledPixmap(target, piece);
}

// Interaction feedback repaints only the rectangle of the part that changed.
void CSkinScrollBar::showPart(int part, Look look)
{
    if (hasLooks(part))
        m_looks[part] = look;
    update(partRect(part));
}

void CSkinScrollBar::notify(int code, int position)
{
    emit scrolled(code, position & positionBits);
}

// --- pointer ----------------------------------------------------------------------------------

void CSkinScrollBar::mousePressEvent(QMouseEvent* event)
{
    // Presses stay with the bar (none reaches the window beneath); only the left button acts.
    if (event->button() != Qt::LeftButton || m_dragging || m_pressedPart != ScrollCode::NoPart)
        return;
    const QPoint point = event->position().toPoint();
    m_pointer = point;
    const int part = geometry(Purpose::HitTesting).hitTest(along(point));
    if (part == ScrollCode::ThumbTrack)
        startDrag(point);
    else if (part != ScrollCode::NoPart)
        pressPart(part);
}

void CSkinScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_dragging)
        moveDrag(point);
    else if (m_pressedPart != ScrollCode::NoPart)
        movePressed(point);
    else if (event->buttons() == Qt::NoButton)
        moveHover(point);
}

void CSkinScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_dragging)
        endDrag(event->position().toPoint());
    else if (m_pressedPart != ScrollCode::NoPart)
        endPress();
}

void CSkinScrollBar::mouseDoubleClickEvent(QMouseEvent*)
{
    // Swallowed: the second click of a double click is not another press.
}

void CSkinScrollBar::leaveEvent(QEvent*)
{
    // The pointer has left: hover looks go back to normal. Held parts and drags keep following
    // the pointer's own moves.
    if (!m_dragging && m_pressedPart == ScrollCode::NoPart)
        moveHover(QPoint(-1, -1));
}

void CSkinScrollBar::hideEvent(QHideEvent*)
{
    // A hidden bar gets no release: stop any repeat so it cannot keep scrolling unseen.
    endInteraction();
}

void CSkinScrollBar::startDrag(QPoint point)
{
    m_dragging = true;
    m_dragStart = point;
    m_state.trackPosition = m_state.position;
    m_dragStartPos = m_state.position;
}

void CSkinScrollBar::pressPart(int part)
{
    m_pressedPart = part;
    notify(part);
    m_repeatDelay.start();
    m_paused = false;
    if (isArrow(part))
        showPart(part, Pressed);
}

void CSkinScrollBar::moveDrag(QPoint point)
{
    const int q = geometry(Purpose::Drawing).dragPosition(m_dragStartPos,
                                                          along(point) - along(m_dragStart));
    if (q == m_state.trackPosition)
        return;
    const QRect oldThumb = partRect(ScrollCode::ThumbTrack);
    m_state.trackPosition = q;
    m_looks[ScrollCode::ThumbTrack] = Pressed;
    update(oldThumb.united(partRect(ScrollCode::ThumbTrack)));
    notify(ScrollCode::ThumbTrack, q);
}

void CSkinScrollBar::movePressed(QPoint point)
{
    m_pointer = point;
    m_paused = !partRect(m_pressedPart).contains(point);
    const Look look = m_paused ? Normal : Pressed;
    if (isArrow(m_pressedPart) && m_looks[m_pressedPart] != look)
        showPart(m_pressedPart, look);
}

void CSkinScrollBar::moveHover(QPoint point)
{
    const int part = geometry(Purpose::HitTesting).hitTest(along(point));
    if (part == m_hoverPart)
        return;
    if (hasLooks(m_hoverPart))
        showPart(m_hoverPart, Normal);
    if (hasLooks(part))
        showPart(part, Hover);
    m_hoverPart = part;
}

void CSkinScrollBar::endDrag(QPoint point)
{
    m_dragging = false;
    notify(ScrollCode::ThumbPosition, m_state.trackPosition);
    if (m_state.trackPosition != m_state.position)
        update(partRect(ScrollCode::ThumbTrack)); // the thumb goes back to the position
    m_state.trackPosition = -1;
    const bool onThumb = partRect(ScrollCode::ThumbTrack).contains(point);
    showPart(ScrollCode::ThumbTrack, onThumb ? Hover : Normal);
    // Hover tracking starts again from what is now shown.
    m_hoverPart = onThumb ? ScrollCode::ThumbTrack : ScrollCode::NoPart;
}

void CSkinScrollBar::endPress()
{
    m_repeatDelay.stop();
    m_repeatTimer.stop();
    m_repeating = false;
    if (isArrow(m_pressedPart))
        showPart(m_pressedPart, Normal);
    m_pressedPart = ScrollCode::NoPart;
    m_paused = false;
}

void CSkinScrollBar::endInteraction()
{
    if (m_pressedPart != ScrollCode::NoPart)
        endPress();
    if (m_dragging) {
        m_dragging = false;
        m_state.trackPosition = -1;
    }
    m_looks.fill(Normal);
    m_hoverPart = ScrollCode::NoPart;
}

// --- auto-repeat ------------------------------------------------------------------------------

void CSkinScrollBar::firstRepeat()
{
    m_repeating = true;
    m_repeatDelay.stop();
    m_repeatTimer.start();
    repeatStep();
}

void CSkinScrollBar::repeatStep()
{
    if (m_paused)
        return;
    switch (m_pressedPart) {
    case ScrollCode::LineUp:
        if (m_state.position == m_state.minimum)
            m_repeatTimer.stop();
        else
            notify(ScrollCode::LineUp);
        break;
    case ScrollCode::LineDown:
        // Stops only at the maximum itself; with a page of several lines the owner holds the
        // position below it, so line-downs keep coming until release.
        if (m_state.position == m_state.maximum)
            m_repeatTimer.stop();
        else
            notify(ScrollCode::LineDown);
        break;
    case ScrollCode::PageUp:
    case ScrollCode::PageDown:
        // Paging ends once the thumb has reached the pointer.
        if (partRect(ScrollCode::ThumbTrack).contains(m_pointer))
            m_repeatTimer.stop();
        else
            notify(m_pressedPart);
        break;
    default:
        break;
    }
}
