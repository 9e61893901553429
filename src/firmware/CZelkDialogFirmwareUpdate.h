#pragma once

#include "CSkinDialog.h"
#include "SkinProgressBar.h"

#include <QTimer>

#include <string>
#include <vector>

class KeyboardProfile;
class QLineEdit;

// The firmware window: reads the keyboard's firmware version (on the UI thread), lets the user
// choose a firmware file and sends it to the keyboard on a worker thread, with a progress bar
// fed by the device library and a message that says how it went. It stays open after an
// update; the close and cancel buttons end it with Cancel and leave a running update alone.
//
// While an update runs, in this window or in one closed before, Get Version and Update are
// refused and drawn dimmed, so the device library is never called twice at once.
class CZelkDialogFirmwareUpdate : public CSkinDialog {
public:
    static constexpr int kCloseId = 89;
    static constexpr int kGetVersionId = 90;
    static constexpr int kOpenId = 91;
    static constexpr int kUpdateId = 92;
    static constexpr int kCancelId = 93;
    static constexpr int kVersionControl = 1001;
    static constexpr int kFileControl = 1002;

    explicit CZelkDialogFirmwareUpdate(KeyboardProfile& profile, QWidget* parent = nullptr);

    // The window's 11 records in table order (the skin generator draws the face from them).
    static const std::vector<SkinButton>& records();
    // Where the two text controls sit.
    static QRect versionControlRect() { return QRect(44, 78, 162, 18); }
    static QRect fileControlRect() { return QRect(112, 116, 143, 19); }

    const std::u16string& firmwareFile() const { return firmwareFile_; }
    int progressPercent() const { return bar_.percent(); }
    // Width in pixels of the bar drawn for the current progress.
    int barWidth() const { return bar_.width(); }
    // Whether Get Version and Update are refused: an update is running.
    bool deviceBusy() const { return busy_; }

    void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

protected:
    void initDialog() override;
    void buttonClicked(SkinButton& button) override;
    void paintOver(QPainter& painter) override;

private:
    QLineEdit* makeTextControl(int controlId, const QRect& place);
    void readVersion();
    void chooseFile();
    void startUpdate();
    void showResult(std::uintptr_t code);
    void refreshBusy();
    void paintRefused(QPainter& painter, int buttonId, int labelId);

    KeyboardProfile& profile_;
    std::u16string firmwareFile_;
    SkinProgressBar bar_;  // copied from the checked image (130) that holds it full
    bool busy_ = false;
    QLineEdit* versionText_ = nullptr;
    QLineEdit* fileText_ = nullptr;
    QTimer busyPoll_;  // notices an update of an earlier window ending
};
