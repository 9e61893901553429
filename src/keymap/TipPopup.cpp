#include "TipPopup.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

const QColor kTipText(0, 0, 255);
const QColor kTipBackground(255, 255, 0);
// Below and right of the pointer, clear of the cursor's own picture.
const QPoint kOffset(12, 20);
constexpr int kMargin = 3;

}  // namespace

TipPopup::TipPopup(QWidget* owner) : QLabel(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, kTipText);
    colours.setColor(QPalette::Window, kTipBackground);
    setPalette(colours);
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setMargin(kMargin);
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, &TipPopup::showNow);
}

void TipPopup::activate(const QString& text, QPoint pointerGlobal)
{
    if (text.isEmpty()) {
        deactivate();
        return;
    }
    if (text == wanted_ && (isVisible() || delay_.isActive())) return;
    wanted_ = text;
    anchor_ = pointerGlobal;
    if (isVisible()) showNow();
    else delay_.start();
}

void TipPopup::deactivate()
{
    wanted_.clear();
    delay_.stop();
    hide();
}

void TipPopup::showNow()
{
    setText(wanted_);
    adjustSize();
    QPoint at = anchor_ + kOffset;
    // Keep the whole tip on the screen.
    if (const QScreen* screen = QGuiApplication::screenAt(anchor_)) {
        const QRect area = screen->availableGeometry();
        at.setX(std::min(at.x(), area.right() - width()));
        at.setY(at.y() + height() > area.bottom() ? anchor_.y() - height() - 4 : at.y());
    }
    move(at);
    show();
    raise();
}
