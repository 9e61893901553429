#include "CZelkDialogProgress.h"

#include "AppResources.h"
#include "KeyboardProfile.h"
#include "MessageSink.h"
#include "WorkerThreads.h"

#include <QPainter>

#include <algorithm>
#include <mutex>
#include <thread>

namespace {

std::mutex waitMutex;
CZelkDialogProgress::Wait installedWait;

CZelkDialogProgress::Wait currentWait()
{
    std::lock_guard lock(waitMutex);
    if (installedWait) return installedWait;
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

}  // namespace

CZelkDialogProgress::CZelkDialogProgress(KeyboardProfile& profile, QWidget* parent)
    : CSkinDialog(SkinStyle::of(SkinWindow::Progress), profile.language, parent), profile_(profile)
{
}

const std::vector<SkinButton>& CZelkDialogProgress::records()
{
    static const std::vector<SkinButton> table = {
        SkinButton::button(kCloseId, {332, 9, 355, 45}),
        SkinButton::button(kCancelId, {237, 201, 327, 235}),
        SkinButton::label(187, {42, 116, 333, 135}, u"正在读写键盘，请勿插拔！", u"Keep the keyboard connected!"),
        SkinButton::label(188, {100, 13, 266, 45}, u"读写进度", u"Progress"),
        SkinButton::label(193, {237, 209, 327, 235}, u"取消", u"Cancel"),
    };
    return table;
}

void CZelkDialogProgress::setWait(Wait wait)
{
    std::lock_guard lock(waitMutex);
    installedWait = std::move(wait);
}

void CZelkDialogProgress::initDialog()
{
    std::copy(records().begin(), records().end(), buttonTable.begin());
    bar_.setPercent(1);
    profile_.progressWindow = messageHandle();
    if (task != kWriteKeys && task != kReadAll && task != kWriteLights) {
        endDialog(QDialog::Rejected);
        return;
    }
    // The worker talks to this window only, even if another window later takes progressWindow.
    KeyboardProfile& profile = profile_;
    WorkerThreads::start([task = task, &profile, window = messageHandle(), wait = currentWait()] {
        runTask(task, profile, window, wait);
    });
}

void CZelkDialogProgress::runTask(int task, KeyboardProfile& profile, WindowHandle window, const Wait& wait)
{
    using std::chrono::milliseconds;
    switch (task) {
    case kWriteKeys:
        profile.writeKeysToDevice(window);
        wait(milliseconds(2000));
        break;
    case kReadAll:
        profile.readKeysFromDevice(window);
        wait(milliseconds(2000));
        profile.readLightsFromDevice();
        break;
    case kWriteLights:
        profile.writeLightsToDevice();
        postMessage(window, kMsgProgress, 150, 0);
        wait(milliseconds(1000));
        break;
    default:
        return;
    }
    postMessage(window, kMsgFinished, 0, 0);
}

void CZelkDialogProgress::onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (message == kMsgProgress) {
        update(bar_.setSteps(wParam));
    } else if (message == kMsgFinished) {
        done(QDialog::Accepted);
    }
}

void CZelkDialogProgress::buttonClicked(SkinButton& button)
{
    if (button.id != kCloseId && button.id != kCancelId) return;
    bar_.setPercent(0);
    done(QDialog::Rejected);
}

void CZelkDialogProgress::paintOver(QPainter& painter)
{
    bar_.paint(painter, AppResources::instance().bitmap(imageIds().checked));
}
