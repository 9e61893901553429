#include "CZelkDialogFirmwareUpdate.h"

#include "AppResources.h"
#include "CZelkHWI.h"
#include "FirmwareMessages.h"
#include "FirmwareUpload.h"
#include "KeyboardProfile.h"
#include "Prompts.h"
#include "SkinTextFormat.h"

#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

constexpr int kFileLabelId = 187;
constexpr int kTitleId = 188;
constexpr int kGetVersionLabelId = 190;
constexpr int kOpenLabelId = 191;
constexpr int kUpdateLabelId = 192;
constexpr int kCancelLabelId = 193;
constexpr int kTextControlFont = 13;

// A refused button: its plain artwork under a dark veil, its text in grey.
const QColor kRefusedVeil(20, 20, 20, 150);
const QColor kRefusedCaption(100, 100, 106);
constexpr int kBusyPollMs = 100;

const SkinButton& recordOf(int id)
{
    return *findRecord(CZelkDialogFirmwareUpdate::records(), id);
}

}  // namespace

CZelkDialogFirmwareUpdate::CZelkDialogFirmwareUpdate(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::FirmwareUpdate), profile.language, parent), profile_(profile)
{
    versionText_ = makeTextControl(kVersionControl, versionControlRect());
    fileText_ = makeTextControl(kFileControl, fileControlRect());
    busyPoll_.setInterval(kBusyPollMs);
    connect(&busyPoll_, &QTimer::timeout, this, &CZelkDialogFirmwareUpdate::refreshBusy);
}

const std::vector<SkinButton>& CZelkDialogFirmwareUpdate::records()
{
    static const std::vector<SkinButton> table = {
        SkinButton::button(kCloseId, {332, 9, 355, 45}),
        SkinButton::button(kGetVersionId, {220, 70, 333, 100}),
        SkinButton::button(kOpenId, {270, 108, 333, 140}),
        SkinButton::button(kUpdateId, {47, 201, 129, 235}),
        SkinButton::button(kCancelId, {237, 201, 327, 235}),
        SkinButton::label(kFileLabelId, {42, 116, 119, 135}, u"载入文件：", u"File"),
        SkinButton::label(kTitleId, {100, 13, 266, 45}, u"键盘固件升级", u"Firmware Update"),
        SkinButton::label(kGetVersionLabelId, {220, 76, 333, 100}, u"获取固件版本", u"Get Version"),
        SkinButton::label(kOpenLabelId, {270, 116, 333, 138}, u"打开", u"Open"),
        SkinButton::label(kUpdateLabelId, {47, 209, 129, 235}, u"更新", u"Update"),
        SkinButton::label(kCancelLabelId, {237, 209, 327, 235}, u"取消", u"Cancel"),
    };
    return table;
}

QLineEdit* CZelkDialogFirmwareUpdate::makeTextControl(int controlId, const QRect& place)
{
    // Read-only: the text can be selected and copied, never typed into; Qt draws no caret in a
    // read-only line, so none shows when it takes the focus. Long text scrolls sideways.
    auto* control = new QLineEdit(this);
    control->setReadOnly(true);
    control->setFrame(false);
    control->setGeometry(place);
    adoptTextControl(controlId, control);
    return control;
}

void CZelkDialogFirmwareUpdate::initDialog()
{
    std::copy(records().begin(), records().end(), buttonTable.begin());
    bar_.setPercent(0);
    profile_.progressWindow = messageHandle();
    const QFont& font = AppResources::instance().font(kTextControlFont);
    versionText_->setFont(font);
    fileText_->setFont(font);
    refreshBusy();
}

void CZelkDialogFirmwareUpdate::buttonClicked(SkinButton& button)
{
    switch (button.id) {
    case kGetVersionId:
        readVersion();
        break;
    case kOpenId:
        chooseFile();
        break;
    case kUpdateId:
        startUpdate();
        break;
    case kCloseId:
    case kCancelId:
        // A running update goes on; its messages will find no window.
        bar_.setPercent(0);
        done(QDialog::Rejected);
        break;
    default:
        break;
    }
}

void CZelkDialogFirmwareUpdate::readVersion()
{
    refreshBusy();
    if (busy_) return;  // the library is busy sending firmware
    std::array<char16_t, CZelkHWI::kVersionChars> buffer{};
    if (!profile_.device.ReadKeyboardVersion(buffer.data())) {
        const QString text = FirmwareMessages::versionReadFailed(language());
        if (!text.isEmpty()) Prompts::current().showMessage(text, this);
        return;
    }
    buffer.back() = u'\0';  // never read past the buffer, whatever the library left in it
    versionText_->setText(QString::fromUtf16(buffer.data()));
}

void CZelkDialogFirmwareUpdate::chooseFile()
{
    const std::optional<QString> chosen = Prompts::current().openFileName(FileDialogRequest{}, this);
    if (chosen) firmwareFile_ = chosen->toStdU16String();
    fileText_->setText(QString::fromStdU16String(firmwareFile_));
}

void CZelkDialogFirmwareUpdate::startUpdate()
{
    refreshBusy();
    if (busy_) return;  // one update at a time
    // No file chosen is not tested here: the worker then reports that the file can't be opened.
    profile_.firmwarePath = firmwareFile_;
    // The worker's messages go to this window only, whichever window later takes progressWindow.
    FirmwareUpload::start(profile_, profile_.firmwarePath, messageHandle());
    bar_.setPercent(1);
    refreshBusy();
    update();
}

void CZelkDialogFirmwareUpdate::onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (message == kMsgProgress) {
        update(bar_.setSteps(wParam));
    } else if (message == kMsgFinished) {
        refreshBusy();
        showResult(wParam);
    }
}

void CZelkDialogFirmwareUpdate::showResult(std::uintptr_t code)
{
    const int known = code <= FirmwareUpload::CannotOpenFile ? static_cast<int>(code) : -1;
    const QString text = FirmwareMessages::result(known, language());
    if (!text.isEmpty()) Prompts::current().showMessage(text, this);
}

void CZelkDialogFirmwareUpdate::refreshBusy()
{
    const bool busy = FirmwareUpload::running() > 0;
    if (busy != busy_) {
        busy_ = busy;
        update();
    }
    // An update started by a window closed before sends this one no message: look again soon.
    if (busy_ && !busyPoll_.isActive()) busyPoll_.start();
    if (!busy_) busyPoll_.stop();
}

void CZelkDialogFirmwareUpdate::paintOver(QPainter& painter)
{
    bar_.paint(painter, AppResources::instance().bitmap(imageIds().checked));
    if (busy_) {
        paintRefused(painter, kGetVersionId, kGetVersionLabelId);
        paintRefused(painter, kUpdateId, kUpdateLabelId);
    }
}

void CZelkDialogFirmwareUpdate::paintRefused(QPainter& painter, int buttonId, int labelId)
{
    const QRect place = toQRect(recordOf(buttonId).rect);
    copyRect(painter, AppResources::instance().bitmap(imageIds().background), place);  // no hover look
    painter.fillRect(place, kRefusedVeil);
    const SkinButton& label = recordOf(labelId);
    painter.save();
    painter.setFont(AppResources::instance().font(label.fontIndex));
    painter.setPen(kRefusedCaption);
    painter.drawText(toQRect(label.rect), SkinTextFormat::toQtFlags(SkinTextFormat::Center), captionOf(label));
    painter.restore();
}
