#pragma once

#include "CSkinDialog.h"

#include <QString>

#include <memory>

class KeyboardProfile;
class NotificationIcon;
class QAction;
class QPlainTextEdit;

// The main window: the keyboard picture with the keys assigned on the current layer lit, the
// tool buttons, the language and layer switches, and the summary box that shows what the key
// under the pointer does on both layers. It opens every other window, hides to the desktop's
// notification area, and ends the program when the keyboard is missing at start or goes away.
//
// Run modally (CZelkApp does); the program ends when it does: at once with OK when the keyboard
// is missing at start, otherwise by the exit button or menu item, Enter, Escape, or the
// keyboard going away.
class CZelkDlg : public CSkinDialog {
public:
    explicit CZelkDlg(KeyboardProfile& profile, QWidget* parent = nullptr);
    ~CZelkDlg() override;

    // The summary box's text as last set, with "\r\n" line breaks (the box shows them as
    // line breaks).
    const QString& summaryText() const { return summaryText_; }
    QPlainTextEdit* summaryBox() const { return summary_; }
    NotificationIcon& notificationIcon() { return *tray_; }
    // Hidden to the notification area (not merely minimised).
    bool isHiddenInNotificationArea() const { return hiddenInTray_; }

    // Notification-area clicks (0x465) and device changes (0x219).
    void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

protected:
    void initDialog() override;
    void buttonClicked(SkinButton& button) override;
    void beforePaint() override;

private:
    SkinButton& record(int id);
    QString inLanguage(const char16_t* chinese, const char16_t* english) const;
    void createSummaryBox();
    void createNotificationIcon();
    void refreshKeysAndLabels();
    void refreshSummary();
    int hoveredKey() const;

    void switchLanguage(SkinButton& button);
    void switchLayer(SkinButton& button);
    void openHelp();
    void saveProfile();
    void openProfile();
    void runDeviceTask(int task);
    void openKey(int keyIndex);

    void hideToNotificationArea();
    void restoreFromNotificationArea();
    void popUpNotificationMenu();
    void exitProgram();
    void deviceChanged();
    void closeWindowsAbove();
    void finish(int result);

    KeyboardProfile& profile_;
    QPlainTextEdit* summary_ = nullptr;
    QString summaryText_;
    std::unique_ptr<NotificationIcon> tray_;
    QAction* exitAction_ = nullptr;
    bool hiddenInTray_ = false;
    bool ending_ = false;
};
