#pragma once

#include "WindowHandle.h"

#include <QIcon>
#include <QMenu>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QSystemTrayIcon;

// A window's icon in the desktop's notification area, shown while the window hides there.
// Clicks on it reach the window as the posted message 0x465 with wParam kIconId and lParam the
// mouse message (kLeftButtonUp, kLeftDoubleClick, kRightButtonUp). menu() is its pop-up menu;
// the desktop shows it on a right click, and the window may pop it up itself.
class NotificationIcon {
public:
    static constexpr std::uintptr_t kIconId = 128;
    static constexpr std::intptr_t kLeftButtonUp = 0x202;
    static constexpr std::intptr_t kLeftDoubleClick = 0x203;
    static constexpr std::intptr_t kRightButtonUp = 0x205;
    static constexpr int kMaxTipLength = 127;  // the tip's buffer holds 128 with its zero

    NotificationIcon(WindowHandle window, const QIcon& icon, const QString& tip);
    ~NotificationIcon();
    NotificationIcon(const NotificationIcon&) = delete;
    NotificationIcon& operator=(const NotificationIcon&) = delete;

    // Whether the desktop has a notification area to show the icon in.
    static bool available();
    // Tests decide what available() says; nullopt asks the desktop again.
    static void setAvailableForTesting(std::optional<bool> available);

    // Shows the icon; false, and nothing shown, when the desktop has no notification area.
    bool add();
    void remove();
    bool isShown() const;

    QString tip() const { return tip_; }
    QMenu& menu() { return menu_; }
    // The desktop's icon while it exists (created by the first add()).
    QSystemTrayIcon* trayIcon() const { return tray_.get(); }

private:
    void createTrayIcon();

    WindowHandle window_;
    QIcon icon_;
    QString tip_;
    QMenu menu_;
    std::unique_ptr<QSystemTrayIcon> tray_;
};
