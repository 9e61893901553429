// The progress window with its real faces, running device tasks on worker threads. The
// worker's pauses are held at a gate, so each test decides when a task may finish.
#include "CZelkDialogProgress.h"

#include "AppResources.h"
#include "AppTestSupport.h"
#include "FaultInjector.h"
#include "KeyboardProfile.h"
#include "MessageSink.h"
#include "Prompts.h"
#include "SimulatedKeyboard.h"
#include "WorkerThreads.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

using Progress = CZelkDialogProgress;

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppResources::load();
        holdWorkersAt(gate);
        // The profile as the program has it, on a simulated keyboard of this test's own.
        profile = profileOnTestKeyboard(stateDir);
    }

    void TearDown() override
    {
        for (const auto& g : gates) g->release();
        WorkerThreads::waitForAll();  // no worker may outlive the profile
        Progress::setWait({});
    }

    void holdWorkersAt(const std::shared_ptr<Gate>& g)
    {
        gates.push_back(g);
        Progress::setWait([g](std::chrono::milliseconds) { g->wait(); });
    }

    std::unique_ptr<Progress> open(int task)
    {
        auto dialog = std::make_unique<Progress>(*profile);
        dialog->task = task;
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return dialog;
    }

    // A key write whose device posts no progress of its own and whose worker then waits at the
    // gate: the bar moves only by the messages a test posts.
    std::unique_ptr<Progress> openQuiet()
    {
        profile->device.simulator().faults().failCall(DeviceCall::WriteKeyConfigurationToDev);
        return open(Progress::kWriteKeys);
    }

    static QImage face(int id) { return faceImage(id); }

    // Pixels brighter than the panel inside a rectangle: caption text.
    static int textPixels(const QImage& image, const QRect& rect)
    {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) n += qGray(image.pixel(x, y)) > 110 ? 1 : 0;
        return n;
    }

    QTemporaryDir stateDir;
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
    std::vector<std::shared_ptr<Gate>> gates;
    std::unique_ptr<KeyboardProfile> profile;
};

constexpr int kBarRow = SkinProgressBar::kTop + SkinProgressBar::kHeight / 2;

}  // namespace

TEST_F(ProgressTest, OpensOnItsFaceWithFiveRecordsAndATwoPixelBar)
{
    auto dialog = openQuiet();
    EXPECT_EQ(dialog->size(), face(139).size());
    EXPECT_FALSE(dialog->mask().contains(QPoint(0, 0)));  // rounded corner cut by the colour key
    EXPECT_TRUE(dialog->mask().contains(QPoint(185, 125)));
    EXPECT_EQ(profile->progressWindow.load(), dialog->messageHandle());
    EXPECT_EQ(dialog->progress(), 1);
    EXPECT_EQ(dialog->barWidth(), 2);

    ASSERT_EQ(dialog->buttonTable.size(), 107u);
    const int ids[] = {89, 93, 187, 188, 193};
    for (std::size_t i = 0; i < dialog->buttonTable.size(); ++i) {
        const SkinButton& b = dialog->buttonTable[i];
        EXPECT_EQ(b.id, i < 5 ? ids[i] : -1) << i;
        EXPECT_EQ(b.isLabel, i >= 2 && i < 5) << i;
    }

    const QImage shown = dialog->grab().toImage();
    const QImage full = face(141);
    const QImage empty = face(139);
    EXPECT_EQ(shown.pixel(40, kBarRow), full.pixel(40, kBarRow));
    EXPECT_EQ(shown.pixel(41, kBarRow), full.pixel(41, kBarRow));
    EXPECT_EQ(shown.pixel(42, kBarRow), empty.pixel(42, kBarRow));
    EXPECT_NE(full.pixel(42, kBarRow), empty.pixel(42, kBarRow));
}

TEST_F(ProgressTest, WritingLightsFillsTheBarAtOnceAndEndsWithOk)
{
    auto dialog = open(Progress::kWriteLights);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->progress() == 100; }));
    EXPECT_TRUE(dialog->isVisible());  // still in the pause before completion
    const QImage shown = dialog->grab().toImage();
    const QImage full = face(141);
    for (int x = 40; x < 330; ++x) ASSERT_EQ(shown.pixel(x, kBarRow), full.pixel(x, kBarRow)) << x;
    EXPECT_NE(shown.pixel(330, kBarRow), full.pixel(329, kBarRow));

    gate->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->isVisible(); }));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(ProgressTest, ProgressMessagesSetTheBarWithoutClamping)
{
    struct Case {
        std::uintptr_t wParam;
        int percent;
        int width;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 0}, {75, 50, 145}, {149, 99, 287}, {150, 100, 290}, {225, 150, 435}};
    auto dialog = openQuiet();
    const QImage full = face(141);
    const QImage empty = face(139);
    for (const Case& c : cases) {
        postMessage(dialog->messageHandle(), kMsgProgress, c.wParam, 0);
        QApplication::processEvents();
        EXPECT_EQ(dialog->progress(), c.percent) << c.wParam;
        EXPECT_EQ(dialog->barWidth(), c.width) << c.wParam;
        const QImage shown = dialog->grab().toImage();
        const int drawnEnd = 40 + std::min(c.width, 290);
        if (c.width > 0) {
            EXPECT_EQ(shown.pixel(drawnEnd - 1, kBarRow), full.pixel(drawnEnd - 1, kBarRow)) << c.wParam;
        }
        if (c.width < 290) {
            EXPECT_EQ(shown.pixel(drawnEnd, kBarRow), empty.pixel(drawnEnd, kBarRow)) << c.wParam;
        }
    }
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ProgressTest, CloseAndCancelEndWithCancelAndNoOtherPointDoes)
{
    // The close button, the cancel button, and the "Cancel" text over it (labels are skipped).
    for (QPoint point : {QPoint(343, 27), QPoint(282, 205), QPoint(282, 220)}) {
        auto dialog = open(Progress::kWriteKeys);
        QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(150, 125));  // the warning text
        QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(185, 161));  // the bar
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, point);
        EXPECT_FALSE(dialog->isVisible()) << point.x() << "," << point.y();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_EQ(dialog->progress(), 0);
    }
}

TEST_F(ProgressTest, AnUnknownTaskEndsAtOnceWithCancelAndStartsNoWorker)
{
    for (int task : {0, 2, 5, -1}) {
        Progress dialog(*profile);
        dialog.task = task;
        QTimer::singleShot(3000, &dialog, [&dialog] { dialog.done(42); });  // keeps a broken build from hanging
        EXPECT_EQ(Prompts::current().runModal(dialog), QDialog::Rejected) << task;
        EXPECT_EQ(WorkerThreads::unfinished(), 0);
    }
}

TEST_F(ProgressTest, RunModallyATaskEndsWithOkWhenItsWorkerIsDone)
{
    gate->release();
    for (int task : {Progress::kWriteKeys, Progress::kReadAll, Progress::kWriteLights}) {
        Progress dialog(*profile);
        dialog.task = task;
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(42); });
        EXPECT_EQ(Prompts::current().runModal(dialog), QDialog::Accepted) << task;
    }
}

TEST_F(ProgressTest, ACancelledWorkerRunsOnAndItsMessagesAreDropped)
{
    auto dialog = open(Progress::kWriteKeys);
    const WindowHandle first = dialog->messageHandle();
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(282, 218));
    dialog.reset();  // the window is gone while its worker still waits

    EXPECT_EQ(WorkerThreads::unfinished(), 1);
    gate->release();
    WorkerThreads::waitForAll();
    QApplication::processEvents();  // its completion message finds no window
    EXPECT_EQ(profile->progressWindow.load(), first);
}

TEST_F(ProgressTest, ATaskAfterACancelledOneWaitsForItAndIsNotEndedByIt)
{
    auto first = open(Progress::kWriteKeys);
    QTest::mouseClick(first.get(), Qt::LeftButton, {}, QPoint(343, 27));
    ASSERT_FALSE(first->isVisible());

    auto secondGate = std::make_shared<Gate>();
    holdWorkersAt(secondGate);
    auto second = open(Progress::kWriteLights);
    QTest::qWait(50);
    EXPECT_EQ(second->progress(), 1);  // its worker waits for the cancelled one

    gate->release();  // the cancelled task finishes and reports completion
    ASSERT_TRUE(QTest::qWaitFor([&] { return second->progress() == 100; }));
    QTest::qWait(50);
    EXPECT_TRUE(second->isVisible());  // the first task's completion did not end this window

    secondGate->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !second->isVisible(); }));
    EXPECT_EQ(second->result(), QDialog::Accepted);
}

TEST_F(ProgressTest, ACancelledReadStillDeliversTheKeyboardsKeysAndLightsWhenItsWorkerFinishes)
{
    // What the keyboard holds.
    KeyAssignment& a = profile->assignment(43, 0);
    a.kind = Kind::Single;
    a.code = 60;
    profile->keyLights[1] = KeyLight{255, 0, 0};
    ASSERT_TRUE(profile->writeKeysToDevice(0));
    ASSERT_TRUE(profile->writeLightsToDevice());
    profile->resetProfile();
    profile->keyLights[1] = KeyLight{};
    ASSERT_EQ(profile->assignment(43, 0).kind, Kind::NotSet);

    auto dialog = open(Progress::kReadAll);
    QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, QPoint(282, 218));
    ASSERT_EQ(dialog->result(), QDialog::Rejected);
    dialog.reset();

    gate->release();
    WorkerThreads::waitForAll();
    EXPECT_EQ(profile->assignment(43, 0).kind, Kind::Single);
    EXPECT_EQ(profile->assignment(43, 0).code, 60);
    EXPECT_EQ(profile->keyLights[1], (KeyLight{255, 0, 0}));
}

TEST_F(ProgressTest, WritingAfterACancelledReadLeavesTheKeyboardAloneUntilTheReadHasFinished)
{
    profile->keyLights[1] = KeyLight{0, 0, 255};
    ASSERT_TRUE(profile->writeLightsToDevice());

    auto reading = open(Progress::kReadAll);
    QTest::mouseClick(reading.get(), Qt::LeftButton, {}, QPoint(343, 27));
    auto secondGate = std::make_shared<Gate>();
    holdWorkersAt(secondGate);
    profile->keyLights[1] = KeyLight{0, 255, 0};
    auto writing = open(Progress::kWriteLights);
    QTest::qWait(50);
    const auto stored = profile->device.simulator().storedState();
    EXPECT_EQ(stored.lights[0], 0);  // still the blue written first: the write has not started
    EXPECT_EQ(stored.lights[2], 255);

    gate->release();
    secondGate->release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !writing->isVisible(); }));
    EXPECT_EQ(writing->result(), QDialog::Accepted);
}

TEST_F(ProgressTest, HoverLightsTheCancelButtonFromTheHoverFace)
{
    auto dialog = open(Progress::kWriteKeys);
    QTest::mouseMove(dialog.get(), QPoint(282, 205));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->buttonTable[1].hovered; }));
    const QImage shown = dialog->grab().toImage();
    const QImage hover = face(140);
    const QImage normal = face(139);
    // The button's rim, left of its caption.
    EXPECT_EQ(shown.pixel(238, 218), hover.pixel(238, 218));
    EXPECT_NE(hover.pixel(238, 218), normal.pixel(238, 218));
    EXPECT_EQ(shown.pixel(343, 12), normal.pixel(343, 12));  // the close button is not lit
    shown.save(testOutputFile(QStringLiteral("progress-hover.png")));
}

TEST_F(ProgressTest, CaptionsShowInBothLanguages)
{
    QImage shown[2];
    int i = 0;
    for (const std::string language : {LanguageCode::English, LanguageCode::Chinese}) {
        profile->language = language;
        auto dialog = openQuiet();
        postMessage(dialog->messageHandle(), kMsgProgress, 100, 0);
        QApplication::processEvents();
        shown[i] = dialog->grab().toImage();
        shown[i].save(testOutputFile(QStringLiteral("progress-%1.png").arg(QString::fromStdString(language))));
        for (const SkinButton& label : Progress::records()) {
            if (!label.isLabel) continue;
            EXPECT_GT(textPixels(shown[i], toQRect(label.rect)), 25) << language << " label " << label.id;
        }
        ++i;
    }
    EXPECT_NE(shown[0].copy(42, 116, 291, 19), shown[1].copy(42, 116, 291, 19));
}
