// The whole program's run: start-up, the main window's modal run, and the end, which waits for
// a device task that is still running.
#include "CZelkApp.h"

#include "AppTestSupport.h"
#include "CZelkDialogProgress.h"
#include "CZelkDlg.h"
#include "FaultInjector.h"
#include "ScriptedPrompts.h"
#include "WorkerThreads.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

const QPoint kWriteKeys(490, 112);
const QPoint kExit(1116, 35);
const QPoint kProgressCancel(282, 218);

class AppTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        WorkerThreads::waitForAll();
        CZelkDialogProgress::setWait({});
        AppResources::load();  // the run released the bitmaps
    }

    // Runs a window for real, never longer than a few seconds.
    static int runBounded(QDialog& dialog)
    {
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(42); });
        return dialog.exec();
    }

    QTemporaryDir stateDir;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(AppTest, StartsInEnglishOnItsSkinAndReleasesTheBitmapsAtTheEnd)
{
    auto profile = profileOnTestKeyboard(stateDir);
    profile->language = "zh-CN";
    AppResources::release();
    QString mainWindowClass;
    std::string languageShown;
    bool faceLoaded = false;
    prompts.modalRuns.push_back([&](QDialog& main) {
        mainWindowClass = prompts.asked.back().dialogClass;
        QTimer::singleShot(0, &main, [&] {
            languageShown = profile->language;
            faceLoaded = !AppResources::instance().bitmap(101).isNull() && main.size() == faceImage(101).size();
            QTest::mouseClick(&main, Qt::LeftButton, {}, kExit);
        });
        return runBounded(main);
    });

    EXPECT_EQ(CZelkApp(*profile).run(), QDialog::Rejected);
    EXPECT_EQ(mainWindowClass, QStringLiteral("CZelkDlg"));
    EXPECT_EQ(languageShown, "en-US");
    EXPECT_TRUE(faceLoaded);
    EXPECT_EQ(profile->keyNames.size(), 234u);
    EXPECT_TRUE(AppResources::instance().bitmap(101).isNull());
}

TEST_F(AppTest, WithoutAKeyboardTheRunEndsAtOnceAfterTheMessage)
{
    auto profile = profileOnTestKeyboard(stateDir);
    profile->device.simulator().faults().setConnected(false);
    prompts.modalRuns.push_back(runBounded);
    EXPECT_EQ(CZelkApp(*profile).run(), QDialog::Accepted);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Keyboard is not connected!")});
}

TEST_F(AppTest, EndingWhileACancelledTaskStillRunsWaitsForItBeforeTheProfileGoes)
{
    auto profile = profileOnTestKeyboard(stateDir);
    auto gate = std::make_shared<Gate>();
    CZelkDialogProgress::setWait([gate](std::chrono::milliseconds) { gate->wait(); });
    QDialog* mainWindow = nullptr;
    int runningWhenClosed = -1;
    std::thread releaser;

    prompts.modalRuns.push_back([&](QDialog& main) {
        mainWindow = &main;
        QTimer::singleShot(0, &main, [&] { QTest::mouseClick(&main, Qt::LeftButton, {}, kWriteKeys); });
        const int result = runBounded(main);
        runningWhenClosed = WorkerThreads::unfinished();
        // The worker finishes a little after the window has closed.
        releaser = std::thread([gate] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            gate->release();
        });
        return result;
    });
    prompts.modalRuns.push_back([&](QDialog& progress) {
        QTimer::singleShot(0, &progress, [&] { QTest::mouseClick(&progress, Qt::LeftButton, {}, kProgressCancel); });
        const int result = runBounded(progress);
        QTimer::singleShot(0, mainWindow, [&] { QTest::mouseClick(mainWindow, Qt::LeftButton, {}, kExit); });
        return result;
    });

    EXPECT_EQ(CZelkApp(*profile).run(), QDialog::Rejected);
    EXPECT_EQ(runningWhenClosed, 1);
    EXPECT_EQ(WorkerThreads::unfinished(), 0) << "the run ended before its worker";
    EXPECT_TRUE(prompts.messages().isEmpty());  // a cancelled task reports no "OK!"
    profile.reset();  // the profile goes only now, with nothing left working on it
    releaser.join();
    QApplication::processEvents();  // the worker's late messages find no window
}
