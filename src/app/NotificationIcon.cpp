#include "NotificationIcon.h"

#include "MessageSink.h"

#include <QSystemTrayIcon>

namespace {

std::optional<bool>& availabilityForTesting()
{
    static std::optional<bool> available;
    return available;
}

// The mouse message a click on the icon stands for; 0 for none.
std::intptr_t mouseMessageOf(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger: return NotificationIcon::kLeftButtonUp;
    case QSystemTrayIcon::DoubleClick: return NotificationIcon::kLeftDoubleClick;
    case QSystemTrayIcon::Context: return NotificationIcon::kRightButtonUp;
    default: return 0;
    }
}

}  // namespace

NotificationIcon::NotificationIcon(WindowHandle window, const QIcon& icon, const QString& tip)
    : window_(window), icon_(icon), tip_(tip.left(kMaxTipLength))
{
}

NotificationIcon::~NotificationIcon() = default;

bool NotificationIcon::available()
{
    if (availabilityForTesting()) return *availabilityForTesting();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void NotificationIcon::setAvailableForTesting(std::optional<bool> available) { availabilityForTesting() = available; }

void NotificationIcon::createTrayIcon()
{
    tray_ = std::make_unique<QSystemTrayIcon>(icon_);
    tray_->setToolTip(tip_);
    tray_->setContextMenu(&menu_);
    const WindowHandle window = window_;
    QObject::connect(tray_.get(), &QSystemTrayIcon::activated, tray_.get(), [window](QSystemTrayIcon::ActivationReason reason) {
        if (const std::intptr_t message = mouseMessageOf(reason)) postMessage(window, kMsgTrayIcon, kIconId, message);
    });
}

bool NotificationIcon::add()
{
    if (!available()) return false;
    if (!tray_) createTrayIcon();
    tray_->show();
    return true;
}

void NotificationIcon::remove()
{
    if (tray_) tray_->hide();
}

bool NotificationIcon::isShown() const { return tray_ && tray_->isVisible(); }
