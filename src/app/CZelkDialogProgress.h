#pragma once

#include "CSkinDialog.h"
#include "SkinProgressBar.h"

#include <chrono>
#include <functional>
#include <vector>

class KeyboardProfile;

// The small modal window that runs one device task on a worker thread and shows its progress.
// The caller sets the task and runs the window: it ends with OK (QDialog::Accepted) when the
// task reports completion (message 0x468), with Cancel when the user cancels or the task
// number is unknown. Progress arrives as message 0x467 with 0..150 in wParam.
//
//   CZelkDialogProgress progress(profile);
//   progress.task = CZelkDialogProgress::kWriteKeys;
//   if (Prompts::current().runModal(progress) == QDialog::Accepted) ... "OK!"
//
// A cancelled task's worker runs on to its end; its messages then find no window and are
// dropped. Workers run one at a time (WorkerThreads), so a task started after a cancelled one
// waits for it.
class CZelkDialogProgress : public CSkinDialog {
public:
    static constexpr int kWriteKeys = 1;    // keys of both layers to the keyboard
    static constexpr int kReadAll = 3;      // keys, then lights, from the keyboard
    static constexpr int kWriteLights = 4;  // lights to the keyboard

    static constexpr int kCloseId = 89;
    static constexpr int kCancelId = 93;

    explicit CZelkDialogProgress(KeyboardProfile& profile, QWidget* parent = nullptr);

    int task = 0;  // set before the window runs

    // Percent; 1 when the window opens, 0 after a cancel. Not clamped.
    int progress() const { return bar_.percent(); }
    // Width in pixels of the bar drawn for the current progress.
    int barWidth() const { return bar_.width(); }

    // The window's records, in table order (the skin generator draws the face from them).
    static const std::vector<SkinButton>& records();

    // The worker's pauses (2000 ms after the keys, 1000 ms after the lights). Tests install a
    // shorter or controllable wait; an empty function restores the real sleep. Read when a task
    // starts.
    using Wait = std::function<void(std::chrono::milliseconds)>;
    static void setWait(Wait wait);

    void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

protected:
    void initDialog() override;
    void buttonClicked(SkinButton& button) override;
    void paintOver(QPainter& painter) override;

private:
    static void runTask(int task, KeyboardProfile& profile, WindowHandle window, const Wait& wait);

    KeyboardProfile& profile_;
    SkinProgressBar bar_{1};  // copied from the checked image (141) that holds it full
};
