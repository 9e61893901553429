#include "CZelkDlg.h"

#include "AppResources.h"
#include "CZelkDialogProgress.h"
#include "ChildWindows.h"
#include "HelpDocument.h"
#include "KeyboardProfile.h"
#include "MainWindowLayout.h"
#include "NotificationIcon.h"
#include "Prompts.h"
#include "SummaryText.h"

#include <QApplication>
#include <QCursor>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

using namespace MainWindowId;

const QString kTip = QStringLiteral("VornicTamsk");
const QString kProfileFilter = QStringLiteral("pro(*.pro)|*.pro|All Files(*.*)|*.*||");
const QString kProfileExtension = QStringLiteral("pro");
constexpr int kSummaryBoxId = 1001;
constexpr int kSummaryFont = 13;
// More windows than this are never stacked over the main window; a bound for the loop that
// closes them.
constexpr int kMaxStackedWindows = 16;

}  // namespace

CZelkDlg::CZelkDlg(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::MainWindow), profile.language, parent), profile_(profile)
{
}

CZelkDlg::~CZelkDlg() { profile_.device.setDeviceChangeWindow(0); }

SkinButton& CZelkDlg::record(int id)
{
    return *findRecord(buttonTable, id);
}

QString CZelkDlg::inLanguage(const char16_t* chinese, const char16_t* english) const
{
    return QString::fromUtf16(profile_.language == LanguageCode::Chinese ? chinese : english);
}

// --- opening ----------------------------------------------------------------------------------

void CZelkDlg::initDialog()
{
    if (!profile_.device.__createDev()) {
        ending_ = true;
        Prompts::current().showMessage(QStringLiteral("Keyboard is not connected!"), this);
        endDialog(QDialog::Accepted);
    }
    setWindowIcon(AppResources::instance().appIcon());
    const auto& records = MainWindowLayout::records();
    std::copy(records.begin(), records.end(), buttonTable.begin());
    profile_.currentLayer = 0;
    profile_.resetProfile();
    createNotificationIcon();
    createSummaryBox();
    profile_.device.setDeviceChangeWindow(messageHandle());
}

void CZelkDlg::createSummaryBox()
{
    summary_ = new QPlainTextEdit(this);
    summary_->setReadOnly(true);
    summary_->setFrameShape(QFrame::NoFrame);
    summary_->setCursorWidth(0);  // the caret stays hidden, also while the box has the focus
    summary_->setFont(AppResources::instance().font(kSummaryFont));
    summary_->setGeometry(toQRect(MainWindowLayout::kSummaryBox));
    adoptTextControl(kSummaryBoxId, summary_);
    refreshSummary();
}

void CZelkDlg::createNotificationIcon()
{
    tray_ = std::make_unique<NotificationIcon>(messageHandle(), AppResources::instance().appIcon(), kTip);
    exitAction_ = tray_->menu().addAction(QString());
    connect(exitAction_, &QAction::triggered, this, &CZelkDlg::exitProgram);
}

// --- painting ---------------------------------------------------------------------------------

void CZelkDlg::beforePaint()
{
    if (summary_ == nullptr) return;  // painted (grabbed) before it was ever opened: no table yet
    refreshKeysAndLabels();
    refreshSummary();
}

void CZelkDlg::refreshKeysAndLabels()
{
    const int layer = profile_.currentLayer;
    for (SkinButton& b : buttonTable) {
        if (b.keyIndex <= 0) continue;
        b.checked = KeyboardProfile::hasEntry(b.keyIndex, layer) && profile_.assignment(b.keyIndex, layer).kind > 0;
    }
    const bool lowerLayer = record(Layer).checked;
    record(LevelUpLabel).checked = !lowerLayer;
    record(LevelDnLabel).checked = lowerLayer;
}

int CZelkDlg::hoveredKey() const
{
    for (const SkinButton& b : buttonTable)
        if (b.keyIndex > 0 && b.rect.contains(lastMousePoint.x(), lastMousePoint.y())) return b.keyIndex;
    return 0;
}

void CZelkDlg::refreshSummary()
{
    const int key = hoveredKey();
    const QString text = QString::fromStdU16String(key > 0 ? SummaryText::forKey(profile_, key)
                                                           : SummaryText::title(profile_.language));
    // Setting the same text again would scroll the box back and flicker.
    if (text == summaryText_) return;
    summaryText_ = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    summary_->setPlainText(shown);
}

// --- clicks -----------------------------------------------------------------------------------

void CZelkDlg::buttonClicked(SkinButton& button)
{
    if (button.keyIndex > 0) return openKey(button.keyIndex);
    switch (button.id) {
    case Language: return switchLanguage(button);
    case Help: return openHelp();
    case Hide: return hideToNotificationArea();
    case Exit: return exitProgram();
    case Save: return saveProfile();
    case Open: return openProfile();
    case Clear:
        profile_.resetProfile();
        update();
        return;
    case WriteKeys: return runDeviceTask(CZelkDialogProgress::kWriteKeys);
    case Backlight:
        runBacklightWindow(profile_, this);
        return;
    case ReadAll:
        runDeviceTask(CZelkDialogProgress::kReadAll);
        update();
        return;
    case Firmware:
        runFirmwareWindow(profile_, this);
        return;
    case Layer: return switchLayer(button);
    default: return;
    }
}

void CZelkDlg::switchLanguage(SkinButton& button)
{
    button.checked = !button.checked;
    profile_.language = button.checked ? LanguageCode::Chinese : LanguageCode::English;
    update();
}

void CZelkDlg::switchLayer(SkinButton& button)
{
    profile_.currentLayer = 1 - profile_.currentLayer;
    button.checked = !button.checked;
    update();
}

void CZelkDlg::openHelp()
{
    if (!HelpDocument::open())
        Prompts::current().showMessage(inLanguage(u"无法打开帮助文件。", u"Can't open the help file."), this);
}

void CZelkDlg::saveProfile()
{
    const auto path = Prompts::current().saveFileName({kProfileFilter, kProfileExtension}, this);
    if (path && !profile_.saveProfileFile(path->toStdU16String()))
        Prompts::current().showMessage(inLanguage(u"无法保存配置文件。", u"Can't save the profile file."), this);
    update();
}

void CZelkDlg::openProfile()
{
    const auto path = Prompts::current().openFileName({kProfileFilter, kProfileExtension}, this);
    if (path && !profile_.loadProfileFile(path->toStdU16String()))
        Prompts::current().showMessage(inLanguage(u"无法打开配置文件。", u"Can't open the profile file."), this);
    update();
}

void CZelkDlg::runDeviceTask(int task)
{
    CZelkDialogProgress progress(profile_, this);
    progress.task = task;
    const int result = Prompts::current().runModal(progress);
    // A window closed because the keyboard went away ends without an "OK!".
    if (result == QDialog::Accepted && !ending_) Prompts::current().showMessage(QStringLiteral("OK!"), this);
}

void CZelkDlg::openKey(int keyIndex)
{
    profile_.selectedKey = keyIndex;
    runKeyMapWindow(profile_, this);
    update();
}

// --- the notification area --------------------------------------------------------------------

void CZelkDlg::hideToNotificationArea()
{
    exitAction_->setText(inLanguage(u"关闭", u"Exit"));
    if (!tray_->add()) {
        // No notification area on this desktop: the taskbar keeps the window within reach.
        showMinimized();
        return;
    }
    hiddenInTray_ = true;
    // QDialog's own hiding would end the modal run, and with it the program.
    QWidget::setVisible(false);
}

void CZelkDlg::restoreFromNotificationArea()
{
    if (!hiddenInTray_) return;
    hiddenInTray_ = false;
    tray_->remove();
    showNormal();
    raise();
    activateWindow();
}

void CZelkDlg::popUpNotificationMenu()
{
    exitAction_->setText(inLanguage(u"关闭", u"Exit"));
    // The desktop may already show the menu for the same click.
    if (!tray_->menu().isVisible()) tray_->menu().popup(QCursor::pos());
}

void CZelkDlg::exitProgram()
{
    tray_->remove();
    finish(QDialog::Rejected);
}

void CZelkDlg::finish(int result)
{
    if (hiddenInTray_) {
        // A hidden dialog ignores done(); make it visible again, but not on the screen.
        hiddenInTray_ = false;
        setAttribute(Qt::WA_DontShowOnScreen);
        QWidget::setVisible(true);
    }
    done(result);
}

// --- posted messages --------------------------------------------------------------------------

void CZelkDlg::onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (message == kMsgDeviceChange) return deviceChanged();
    if (message != kMsgTrayIcon || wParam != NotificationIcon::kIconId) return;
    switch (lParam) {
    case NotificationIcon::kLeftDoubleClick:
    case NotificationIcon::kLeftButtonUp:  // desktops that report no double clicks
        return restoreFromNotificationArea();
    case NotificationIcon::kRightButtonUp: return popUpNotificationMenu();
    default: return;
    }
}

void CZelkDlg::deviceChanged()
{
    if (ending_ || profile_.device.DetectDevice()) return;
    ending_ = true;
    Prompts::current().showMessage(QStringLiteral("Keyboard is not connected"), this);
    closeWindowsAbove();
    tray_->remove();
    finish(QDialog::Rejected);
}

void CZelkDlg::closeWindowsAbove()
{
    // The program ends: every window still open over this one ends first, innermost first, so
    // each modal run returns to the one below it.
    for (int n = 0; n < kMaxStackedWindows; ++n) {
        QWidget* top = QApplication::activeModalWidget();
        if (top == nullptr || top == this) return;
        if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->done(QDialog::Rejected);
        else top->close();
    }
}
