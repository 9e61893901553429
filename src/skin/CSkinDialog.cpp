#include "CSkinDialog.h"

#include "AppResources.h"
#include "QtMessageSink.h"
#include "SkinTextFormat.h"
#include "WindowRegistry.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace {

// The right and bottom bands where the hit test reports the window's edges.
constexpr int kEdgeBand = 6;
constexpr int kFrameThickness = 2;
constexpr ColorRef kTextControlColour = kSkinAccent;

// Without a face: dark panel, a lighter rim, the buttons outlined so they can be found.
const QColor kPlainFace = toQColor(kSkinDark);
const QColor kPlainRim(64, 64, 70);
const QColor kPlainButton(90, 90, 98);
const QColor kPlainAccent = toQColor(kSkinAccent);
constexpr int kPlainMargin = 12;
const QSize kPlainMinimum(240, 120);

// The window's shape: every pixel of the face except those of exactly the colour key.
QBitmap shapeOf(const QImage& face, const QColor& key)
{
    QImage mask = face.convertToFormat(QImage::Format_RGB32).createMaskFromColor(key.rgb(), Qt::MaskOutColor);
    // Bit 1 marks a pixel that stays; say so explicitly, as QBitmap reads the bits by colour.
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    return QBitmap::fromImage(mask);
}

}  // namespace

CSkinDialog::CSkinDialog(const SkinStyle& style, const std::string& language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      buttonTable(static_cast<std::size_t>(style.tableSize)),
      style_(style),
      language_(language),
      handle_(WindowRegistry::add(this))
{
    QtMessageSink::install();
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QStringLiteral("VornicTamsk"));
}

CSkinDialog::~CSkinDialog() { WindowRegistry::remove(handle_); }

// --- opening ---------------------------------------------------------------------------------

void CSkinDialog::setVisible(bool visible)
{
    if (visible && !opened_) openWindow();
    QDialog::setVisible(visible);
}

void CSkinDialog::openWindow()
{
    opened_ = true;
    opening_ = true;
    initDialog();
    applyFace();
    opening_ = false;
}

void CSkinDialog::applyFace()
{
    const QPixmap face = images().background;
    const QSize size = face.isNull() ? plainFaceSize() : face.size();
    setFixedSize(size);
    if (!face.isNull()) {
        setMask(shapeOf(face.toImage(), toQColor(style_.colourKey)));
    }
    const QRect screen = QGuiApplication::primaryScreen() != nullptr ? QGuiApplication::primaryScreen()->geometry() : QRect();
    move(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2);
    update();
}

QSize CSkinDialog::plainFaceSize() const
{
    int right = 0;
    int bottom = 0;
    for (const SkinButton& b : buttonTable) {
        if (b.id <= 0) continue;
        right = std::max(right, b.rect.right);
        bottom = std::max(bottom, b.rect.bottom);
    }
    return QSize(right + kPlainMargin, bottom + kPlainMargin).expandedTo(kPlainMinimum);
}

void CSkinDialog::endDialog(int result)
{
    if (opening_) {
        // The modal loop is not running yet: end the window as soon as it does.
        QTimer::singleShot(0, this, [this, result] { done(result); });
        return;
    }
    done(result);
}

// --- images and captions ----------------------------------------------------------------------

CSkinDialog::ImageIds CSkinDialog::imageIds() const
{
    return {style_.backgroundImage, style_.hoverImage, style_.checkedImage};
}

CSkinDialog::Images CSkinDialog::images() const
{
    const ImageIds ids = imageIds();
    const AppResources& resources = AppResources::instance();
    auto load = [&](int id) { return id > 0 ? resources.bitmap(id) : QPixmap(); };
    return {load(ids.background), load(ids.hover), load(ids.checked), ids.hover > 0, ids.checked > 0};
}

bool CSkinDialog::isShown(const SkinButton& button) const
{
    if (button.id <= 0) return false;
    if (!style_.pageFilter || button.id < 100) return true;
    return button.id / 100 == currentPage();
}

QString CSkinDialog::captionOf(const SkinButton& button) const
{
    return SkinTextFormat::toQtText(button.caption(language_));
}

QString CSkinDialog::tipOf(const SkinButton& button) const { return SkinTextFormat::toQtText(button.tip(language_)); }

bool CSkinDialog::captionDrawn(const SkinButton& button) const
{
    if (style_.captionRule == CaptionRule::Labels) return button.isLabel;
    return (button.isLabel || button.showCaption) && button.captionVisible;
}

QColor CSkinDialog::captionColour(const SkinButton& button) const
{
    if (style_.captionColourFromRecord) return toQColor(button.checked ? button.checkedTextColor : button.textColor);
    return toQColor(button.checked ? style_.checkedCaptionColour : style_.captionColour);
}

// --- painting ---------------------------------------------------------------------------------

void CSkinDialog::paintEvent(QPaintEvent*)
{
    beforePaint();
    const Images faces = images();
    QPainter painter(this);
    if (faces.background.isNull()) paintPlainFace(painter);
    else painter.drawPixmap(0, 0, faces.background);

    for (const SkinButton& button : buttonTable) {
        if (!isShown(button)) continue;
        if (style_.keyLightFrames != KeyLightFrames::None && button.keyIndex > 0) paintKeyLightFrame(painter, button);
        paintStateImage(painter, button, faces);
        if (captionDrawn(button)) paintCaption(painter, button);
    }
    paintOver(painter);
}

void CSkinDialog::paintPlainFace(QPainter& painter) const
{
    painter.fillRect(rect(), kPlainFace);
    painter.setPen(kPlainRim);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(kPlainButton);
    for (const SkinButton& b : buttonTable)
        if (isShown(b) && !b.isLabel) painter.drawRect(toQRect(b.rect).adjusted(0, 0, -1, -1));
}

void CSkinDialog::paintKeyLightFrame(QPainter& painter, const SkinButton& button) const
{
    ColorRef colour = keyLightColour(button.keyIndex);
    if (style_.keyLightFrames == KeyLightFrames::DrawnRedShifted && colour == RGB(255, 0, 0)) colour = RGB(255, 1, 0);
    const QColor c = toQColor(colour);
    const SkinRect& r = button.rect;
    const int t = kFrameThickness;
    painter.fillRect(QRect(QPoint(r.left - t, r.top - t), QPoint(r.left - 1, r.bottom + t - 1)), c);
    painter.fillRect(QRect(QPoint(r.right, r.top - t), QPoint(r.right + t - 1, r.bottom + t - 1)), c);
    painter.fillRect(QRect(QPoint(r.left, r.top - t), QPoint(r.right - 1, r.top - 1)), c);
    painter.fillRect(QRect(QPoint(r.left, r.bottom), QPoint(r.right - 1, r.bottom + t - 1)), c);
}

void CSkinDialog::paintStateImage(QPainter& painter, const SkinButton& button, const Images& faces)
{
    const QRect r = toQRect(button.rect);
    if (button.checked && faces.hasChecked) {
        if (faces.checked.isNull()) painter.fillRect(r, QColor(kPlainAccent.red(), kPlainAccent.green(), kPlainAccent.blue(), 70));
        else copyRect(painter, faces.checked, r);
        return;
    }
    if (!faces.hasHover || button.isLabel || !button.rect.contains(lastMousePoint.x(), lastMousePoint.y())) return;
    if (faces.hover.isNull()) {
        painter.setPen(kPlainAccent);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
    } else {
        copyRect(painter, faces.hover, r);
    }
    hoverImageDrawn(button);
}

void CSkinDialog::paintCaption(QPainter& painter, const SkinButton& button) const
{
    const QString text = captionOf(button);
    if (text.isEmpty()) return;
    const std::uint32_t format = style_.honoursTextFormat ? button.textFormat : SkinTextFormat::Center;
    painter.save();
    painter.setFont(AppResources::instance().font(button.fontIndex));
    painter.setPen(captionColour(button));
    painter.drawText(toQRect(button.rect), SkinTextFormat::toQtFlags(format), text);
    painter.restore();
}

void CSkinDialog::copyRect(QPainter& painter, const QPixmap& image, const QRect& rect)
{
    if (!image.isNull()) painter.drawPixmap(rect, image, rect);
}

ColorRef CSkinDialog::keyLightColour(int) const { return RGB(0, 0, 0); }
void CSkinDialog::paintOver(QPainter&) {}
void CSkinDialog::hoverImageDrawn(const SkinButton&) {}
void CSkinDialog::buttonClicked(SkinButton&) {}
void CSkinDialog::onWindowMessage(unsigned, std::uintptr_t, std::intptr_t) {}

// --- hit testing and the pointer --------------------------------------------------------------

CSkinDialog::HitCode CSkinDialog::hitTest(QPoint clientPoint)
{
    lastMousePoint = clientPoint;
    int hits = 0;
    for (SkinButton& button : buttonTable) {
        if (!isShown(button) || button.isLabel) continue;
        const bool inside = button.rect.contains(clientPoint.x(), clientPoint.y());
        hits += inside ? 1 : 0;
        if (style_.hoverRepaint && inside != button.hovered) update(toQRect(button.rect));
        button.hovered = inside;
    }
    if (hits > 0) return HitCode::Client;
    const bool right = clientPoint.x() > width() - kEdgeBand;
    const bool bottom = clientPoint.y() > height() - kEdgeBand;
    if (right && bottom) return HitCode::BottomRightCorner;
    if (right) return HitCode::RightEdge;
    if (bottom) return HitCode::BottomEdge;
    return HitCode::Caption;
}

SkinButton* CSkinDialog::clickTarget(QPoint clientPoint)
{
    for (SkinButton& button : buttonTable) {
        if (!isShown(button) || (button.isLabel && !style_.labelsInClickScan)) continue;
        if (button.rect.contains(clientPoint.x(), clientPoint.y())) return &button;
    }
    return nullptr;
}

void CSkinDialog::beginWindowMove(QPoint globalPoint)
{
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return;
    // The platform cannot move windows for us: follow the pointer until the release.
    movingByHand_ = true;
    moveOffset_ = globalPoint - pos();
}

void CSkinDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    const HitCode code = hitTest(event->position().toPoint());
    pressInClient_ = code == HitCode::Client;
    // A press off the buttons belongs to the window frame: it moves the window (edges: nothing).
    if (code == HitCode::Caption) beginWindowMove(event->globalPosition().toPoint());
}

void CSkinDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (movingByHand_) move(event->globalPosition().toPoint() - moveOffset_);
    hitTest(event->position().toPoint());
}

void CSkinDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QDialog::mouseReleaseEvent(event);
    movingByHand_ = false;
    const QPoint point = event->position().toPoint();
    const HitCode code = hitTest(point);
    const bool click = pressInClient_ && code == HitCode::Client;
    pressInClient_ = false;
    if (!click) return;
    if (SkinButton* button = clickTarget(point)) buttonClicked(*button);
}

void CSkinDialog::leaveEvent(QEvent* event)
{
    // The pointer is off the window: nothing stays lit.
    if (!movingByHand_) hitTest(QPoint(-1, -1));
    QDialog::leaveEvent(event);
}

void CSkinDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        done(QDialog::Accepted);
        return;
    case Qt::Key_Escape:
        done(QDialog::Rejected);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// --- child text controls ----------------------------------------------------------------------

void CSkinDialog::adoptTextControl(int controlId, QWidget* control)
{
    control->setObjectName(QString::number(controlId));
    if (!style_.colouredTextControl(controlId)) return;
    QPalette palette = control->palette();
    const QColor text = toQColor(kTextControlColour);
    const QBrush& dark = AppResources::instance().brush();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setBrush(group, QPalette::Base, dark);
        palette.setBrush(group, QPalette::Window, dark);
    }
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}
