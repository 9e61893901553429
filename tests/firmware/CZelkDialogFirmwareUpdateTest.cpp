// The firmware window with its real faces, on a simulated keyboard of each test's own. The
// file dialog answers from a script; updates run on real worker threads.
#include "CZelkDialogFirmwareUpdate.h"

#include "AppResources.h"
#include "FaultInjector.h"
#include "FirmwareImage.h"
#include "FirmwareUpload.h"
#include "KeyboardProfile.h"
#include "MessageSink.h"
#include "ScriptedPrompts.h"
#include "SimulatedKeyboard.h"
#include "WindowTestSupport.h"
#include "WorkerThreads.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

// Readable failure output for texts compared letter for letter.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using Firmware = CZelkDialogFirmwareUpdate;

// Points on the buttons; the labelled ones on their text, which the click scan skips.
const QPoint kClose(343, 27);
const QPoint kGetVersion(276, 85);
const QPoint kOpen(301, 125);
const QPoint kUpdate(88, 220);
const QPoint kCancel(282, 220);
constexpr int kBarRow = SkinProgressBar::kTop + SkinProgressBar::kHeight / 2;

const QString kSuccessChinese = QStringLiteral(
    "固件下载完成。\r\n请勿插拔USB直至三个状态指示灯同时闪烁则固件更新完成，请拔下USB重新上电。");
const QString kSuccessEnglish = QStringLiteral(
    "The Firmware is downloaded successfully.\r\nPlease keep the USB plug in until three indicator lights flash "
    "simultaneously.\r\nThen firmware updated completely,pleased unplug the USB and plug in.");


class FirmwareUpdateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppResources::load();
        profile = profileOnTestKeyboard(dir);
    }

    void TearDown() override
    {
        gate->release();
        WorkerThreads::waitForAll();  // no worker may outlive the profile
        QApplication::processEvents();
    }

public:
    // The helpers are public so that the cases of a table can use them.
    std::unique_ptr<Firmware> open()
    {
        auto window = std::make_unique<Firmware>(*profile);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    // Device tasks started from now on wait until the gate opens.
    void holdDeviceTasks()
    {
        WorkerThreads::start([g = gate] { g->wait(); });
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    void choose(Firmware& window, const QString& path)
    {
        prompts.files.push_back(path);
        click(window, kOpen);
    }

    bool waitForMessage(int count = 1)
    {
        return QTest::qWaitFor([&] { return prompts.messages().size() >= count; }, 5000);
    }

    static void click(QWidget& window, QPoint point) { QTest::mouseClick(&window, Qt::LeftButton, {}, point); }
    static QLineEdit* control(Firmware& window, int id) { return window.findChild<QLineEdit*>(QString::number(id)); }
    static QImage face(int id) { return AppResources::instance().bitmap(id).toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage grabbed(QWidget& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    static QString outputPath(const QString& name)
    {
        const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../test-output"));
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }

    QTemporaryDir dir;
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
    std::unique_ptr<KeyboardProfile> profile;
    ScriptedPrompts prompts;
};

}  // namespace

TEST_F(FirmwareUpdateTest, OpensOnItsFaceWithElevenRecordsAndTwoReadOnlyTextControls)
{
    auto window = open();
    EXPECT_EQ(window->size(), face(128).size());
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_EQ(profile->progressWindow.load(), window->messageHandle());
    EXPECT_EQ(window->progressPercent(), 0);
    EXPECT_FALSE(window->deviceBusy());

    ASSERT_EQ(window->buttonTable.size(), 107u);
    const int ids[] = {89, 90, 91, 92, 93, 187, 188, 190, 191, 192, 193};
    for (std::size_t i = 0; i < window->buttonTable.size(); ++i) {
        EXPECT_EQ(window->buttonTable[i].id, i < 11 ? ids[i] : -1) << i;
        EXPECT_EQ(window->buttonTable[i].isLabel, i >= 5 && i < 11) << i;
        EXPECT_FALSE(window->buttonTable[i].checked);
    }

    const std::pair<int, QRect> controls[] = {{1001, QRect(44, 78, 162, 18)}, {1002, QRect(112, 116, 143, 19)}};
    for (const auto& [id, place] : controls) {
        QLineEdit* text = control(*window, id);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_EQ(text->geometry(), place);
        EXPECT_TRUE(text->isReadOnly());
        EXPECT_EQ(text->font().pixelSize(), AppResources::instance().font(13).pixelSize());
        EXPECT_EQ(text->palette().color(QPalette::Text), QColor(255, 111, 0));
        EXPECT_EQ(text->palette().color(QPalette::Base), QColor(20, 20, 20));
        EXPECT_TRUE(text->text().isEmpty());
    }
    EXPECT_EQ(grabbed(*window).pixel(41, kBarRow), face(128).pixel(41, kBarRow));  // no bar yet
}

TEST_F(FirmwareUpdateTest, TheTextControlsCanBeSelectedButNotTypedIntoAndShowNoCaret)
{
    auto window = open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* version = control(*window, 1001);
    version->setText(QStringLiteral("VT87 V1.0.4"));
    version->clearFocus();
    QApplication::processEvents();
    const QImage unfocused = version->grab().toImage();

    version->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(version->hasFocus());
    QApplication::processEvents();
    EXPECT_EQ(version->grab().toImage(), unfocused);  // no caret drawn

    QTest::keyClicks(version, QStringLiteral("typed"));
    QTest::keyClick(version, Qt::Key_Backspace);
    EXPECT_EQ(version->text(), QStringLiteral("VT87 V1.0.4"));
    version->selectAll();
    EXPECT_EQ(version->selectedText(), QStringLiteral("VT87 V1.0.4"));
}

TEST_F(FirmwareUpdateTest, GetVersionShowsTheKeyboardsVersion)
{
    auto window = open();
    click(*window, kGetVersion);
    EXPECT_EQ(control(*window, 1001)->text(), QStringLiteral("VT87 V1.0.4"));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(FirmwareUpdateTest, AFailedVersionReadIsReportedInTheWindowsLanguageAndKeepsTheOldText)
{
    struct Case {
        std::string language;
        QStringList messages;
    };
    const Case cases[] = {
        {LanguageCode::Chinese, {QStringLiteral("读取键盘版本失败")}},
        {LanguageCode::English, {QStringLiteral("Failed on reading keyboard version infomation")}},
        {"de-DE", {}},
    };
    for (const Case& c : cases) {
        profile->device.simulator().faults().clear();
        profile->language = c.language;
        prompts.asked.clear();
        auto window = open();
        click(*window, kGetVersion);
        profile->device.simulator().faults().failCall(DeviceCall::ReadKeyboardVersion);
        click(*window, kGetVersion);
        EXPECT_EQ(prompts.messages(), c.messages) << c.language;
        EXPECT_EQ(control(*window, 1001)->text(), QStringLiteral("VT87 V1.0.4")) << c.language;
    }
}

TEST_F(FirmwareUpdateTest, OpenTakesAnyFileAndACancelKeepsTheEarlierOne)
{
    auto window = open();
    prompts.files.push_back(std::nullopt);
    click(*window, kOpen);
    EXPECT_TRUE(window->firmwareFile().empty());
    EXPECT_TRUE(control(*window, 1002)->text().isEmpty());

    const QString path = dir.filePath(QStringLiteral("a rather long folder name/and an even longer firmware file name.bin"));
    choose(*window, path);
    prompts.files.push_back(std::nullopt);
    click(*window, kOpen);
    EXPECT_EQ(window->firmwareFile(), path.toStdU16String());
    EXPECT_EQ(control(*window, 1002)->text(), path);  // whole, scrolled in the narrow control

    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::OpenFile), 3);
    for (const auto& q : prompts.asked) {
        EXPECT_TRUE(q.file.filter.isEmpty());
        EXPECT_TRUE(q.file.defaultExtension.isEmpty());
        EXPECT_EQ(q.parent, window.get());
    }
}

TEST_F(FirmwareUpdateTest, ProgressMessagesSetTheBar)
{
    struct Case {
        std::uintptr_t wParam;
        int percent;
        int width;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 0}, {3, 2, 5}, {75, 50, 145}, {149, 99, 287}, {150, 100, 290}};
    auto window = open();
    const QImage full = face(130);
    const QImage empty = face(128);
    for (const Case& c : cases) {
        postMessage(window->messageHandle(), kMsgProgress, c.wParam, 0);
        QApplication::processEvents();
        EXPECT_EQ(window->progressPercent(), c.percent) << c.wParam;
        EXPECT_EQ(window->barWidth(), c.width) << c.wParam;
        const QImage shown = grabbed(*window);
        const int end = SkinProgressBar::kLeft + c.width;
        if (c.width > 0) {
            EXPECT_EQ(shown.pixel(end - 1, kBarRow), full.pixel(end - 1, kBarRow)) << c.wParam;
        }
        if (c.width < 290) {
            EXPECT_EQ(shown.pixel(end, kBarRow), empty.pixel(end, kBarRow)) << c.wParam;
        }
    }
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(FirmwareUpdateTest, UpdateWithoutAFileSaysTheFileCantBeOpenedWithTheBarAtTwoPixels)
{
    auto window = open();
    click(*window, kUpdate);  // on the "Update" text: the click reaches the button below
    EXPECT_EQ(window->progressPercent(), 1);
    EXPECT_EQ(window->barWidth(), 2);
    ASSERT_TRUE(waitForMessage());
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Can't open firmware file")});
    EXPECT_TRUE(profile->firmwarePath.empty());
    const QImage shown = grabbed(*window);
    EXPECT_EQ(shown.pixel(41, kBarRow), face(130).pixel(41, kBarRow));
    EXPECT_EQ(shown.pixel(42, kBarRow), face(128).pixel(42, kBarRow));
    EXPECT_TRUE(window->isVisible());  // the window stays open after an update
}

TEST_F(FirmwareUpdateTest, EveryResultIsToldInTheWindowsLanguageLetterForLetter)
{
    struct Case {
        const char* what;
        std::function<void(FirmwareUpdateTest&, Firmware&)> prepare;
        QString chinese;
        QString english;
    };
    const Case cases[] = {
        {"sent", [](FirmwareUpdateTest& t, Firmware& w) { t.choose(w, t.write(QStringLiteral("fw.bin"), "firmware")); },
         kSuccessChinese, kSuccessEnglish},
        {"library failure",
         [](FirmwareUpdateTest& t, Firmware& w) {
             t.choose(w, t.write(QStringLiteral("fw.bin"), "firmware"));
             t.profile->device.simulator().faults().failCall(DeviceCall::WriteFirmwareToKeyboard);
         },
         QStringLiteral("固件下载失败!"), QStringLiteral("Firmware download failed.")},
        {"no file", [](FirmwareUpdateTest&, Firmware&) {}, QStringLiteral("打开固件文件失败"),
         QStringLiteral("Can't open firmware file")},
    };
    for (const Case& c : cases) {
        for (const std::string& language : {std::string(LanguageCode::Chinese), std::string(LanguageCode::English), std::string("ja-JP")}) {
            profile->device.simulator().faults().clear();
            profile->language = language;
            prompts.asked.clear();
            auto window = open();
            c.prepare(*this, *window);
            click(*window, kUpdate);
            // The worker has posted its result once it is counted out.
            ASSERT_TRUE(QTest::qWaitFor([] { return WorkerThreads::unfinished() == 0; }, 5000)) << c.what;
            QApplication::processEvents();
            EXPECT_FALSE(window->deviceBusy());
            QStringList expected;
            if (language == LanguageCode::Chinese) expected << c.chinese;
            if (language == LanguageCode::English) expected << c.english;
            EXPECT_EQ(prompts.messages(), expected) << c.what << " " << language;
            if (!prompts.asked.empty()) {
                EXPECT_EQ(prompts.asked.back().parent, window.get());
            }
        }
    }
}

TEST_F(FirmwareUpdateTest, AFileIsSentWholeWithProgressAndThenItsVersionCanBeRead)
{
    QByteArray firmware(20000, 'z');
    firmware.append("VT-FIRMWARE-VERSION:VT87 V2.1.0");
    const QString path = write(QStringLiteral("vt87-2.1.0.bin"), firmware);
    auto window = open();
    choose(*window, path);
    click(*window, kUpdate);
    ASSERT_TRUE(waitForMessage());
    EXPECT_EQ(prompts.messages(), QStringList{kSuccessEnglish});
    EXPECT_EQ(profile->firmwarePath, path.toStdU16String());
    EXPECT_EQ(window->progressPercent(), 100);  // the library's progress reached this window
    EXPECT_EQ(window->barWidth(), 290);
    const auto size = static_cast<std::size_t>(firmware.size());
    EXPECT_EQ(profile->device.simulator().storedState().firmware,
              (FirmwareRecord{size, FirmwareImage::crc32(reinterpret_cast<const unsigned char*>(firmware.constData()), size)}));

    click(*window, kGetVersion);
    EXPECT_EQ(control(*window, 1001)->text(), QStringLiteral("VT87 V2.1.0"));
    grabbed(*window).save(outputPath(QStringLiteral("firmware-done-en-US.png")));
}

TEST_F(FirmwareUpdateTest, AZeroLengthFileIsSentAsZeroBytes)
{
    auto window = open();
    choose(*window, write(QStringLiteral("empty.bin"), {}));
    click(*window, kUpdate);
    ASSERT_TRUE(waitForMessage());
    EXPECT_EQ(prompts.messages(), QStringList{kSuccessEnglish});
    EXPECT_EQ(profile->device.simulator().storedState().firmware, (FirmwareRecord{0, 0}));
}

TEST_F(FirmwareUpdateTest, AFileTooLargeToHoldIsReportedAsAFailedDownload)
{
    const QString path = dir.filePath(QStringLiteral("disk.img"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(FirmwareUpload::kMaxFileSize + 1));  // sparse: no disk space taken
    file.close();
    auto window = open();
    choose(*window, path);
    click(*window, kUpdate);
    ASSERT_TRUE(waitForMessage());
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Firmware download failed.")});
    EXPECT_FALSE(profile->device.simulator().storedState().firmware.has_value());
}

TEST_F(FirmwareUpdateTest, UnknownResultCodesShowNothing)
{
    auto window = open();
    for (std::uintptr_t code : {0u, 4u, 99u}) postMessage(window->messageHandle(), kMsgFinished, code, 0);
    QApplication::processEvents();
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(window->progressPercent(), 0);
}

TEST_F(FirmwareUpdateTest, WhileAnUpdateRunsGetVersionAndUpdateAreRefusedAndDrawnDimmed)
{
    const QString first = write(QStringLiteral("first.bin"), "first image");
    auto window = open();
    choose(*window, first);
    holdDeviceTasks();
    click(*window, kUpdate);
    ASSERT_TRUE(window->deviceBusy());
    EXPECT_EQ(FirmwareUpload::running(), 1);

    const QImage busy = grabbed(*window);
    busy.save(outputPath(QStringLiteral("firmware-busy-en-US.png")));
    const QImage normal = face(128);
    for (QPoint p : {QPoint(226, 95), QPoint(52, 230)}) EXPECT_LT(qGray(busy.pixel(p)), qGray(normal.pixel(p)));
    EXPECT_EQ(busy.pixel(276, 105), normal.pixel(276, 105));  // Open stays as it is
    EXPECT_LT(qGray(busy.pixel(kGetVersion)), 200);           // its text is grey, not light

    choose(*window, write(QStringLiteral("second.bin"), "second image"));  // choosing a file still works
    click(*window, kGetVersion);
    click(*window, kUpdate);
    QApplication::processEvents();
    EXPECT_TRUE(control(*window, 1001)->text().isEmpty());  // the library was not asked
    EXPECT_EQ(FirmwareUpload::running(), 1);
    EXPECT_EQ(WorkerThreads::unfinished(), 2);  // the held task and the one update
    EXPECT_TRUE(prompts.messages().isEmpty());

    gate->release();
    ASSERT_TRUE(waitForMessage());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->deviceBusy(); }));
    QTest::qWait(50);
    EXPECT_EQ(prompts.messages(), QStringList{kSuccessEnglish});  // one update, one message
    EXPECT_EQ(profile->device.simulator().storedState().firmware->size, 11u);  // the first file
    const QImage after = grabbed(*window);
    EXPECT_EQ(after.pixel(226, 95), normal.pixel(226, 95));

    click(*window, kGetVersion);
    EXPECT_EQ(control(*window, 1001)->text(), QStringLiteral("VT87 V1.0.4"));
}

TEST_F(FirmwareUpdateTest, ClosingDuringAnUpdateLeavesTheWorkerAloneAndItsMessagesReachNoOtherWindow)
{
    for (QPoint end : {kCancel, kClose}) {
        gate = std::make_shared<Gate>();
        prompts.asked.clear();
        auto window = open();
        choose(*window, write(QStringLiteral("fw.bin"), QByteArray(5000, 'f')));
        holdDeviceTasks();
        click(*window, kUpdate);
        click(*window, end);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
        EXPECT_EQ(window->progressPercent(), 0);
        window.reset();  // the window is gone while its update waits

        // The next window takes progressWindow; it knows an update still runs.
        auto next = open();
        EXPECT_EQ(profile->progressWindow.load(), next->messageHandle());
        EXPECT_TRUE(next->deviceBusy());
        click(*next, kGetVersion);
        EXPECT_TRUE(control(*next, 1001)->text().isEmpty());

        gate->release();
        WorkerThreads::waitForAll();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !next->deviceBusy(); }, 3000));
        QApplication::processEvents();
        EXPECT_TRUE(prompts.messages().isEmpty());  // the result went to the closed window only
        EXPECT_EQ(next->progressPercent(), 0);       // and so did the progress
        EXPECT_EQ(profile->device.simulator().storedState().firmware->size, 5000u);  // the update finished
    }
}

TEST_F(FirmwareUpdateTest, EnterEndsWithOkAndEscapeWithCancel)
{
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        auto window = open();
        QTest::keyClick(window.get(), key);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), result);
    }
}

TEST_F(FirmwareUpdateTest, RunsModallyThroughThePromptsAsTheMainWindowRunsIt)
{
    Firmware window(*profile);
    prompts.modalRuns.push_back(ScriptedPrompts::execForReal);
    QTimer::singleShot(0, &window, [&window] {
        click(window, kGetVersion);
        click(window, kCancel);
    });
    QTimer::singleShot(5000, &window, [&window] { window.done(42); });  // keeps a broken build from hanging
    EXPECT_EQ(Prompts::current().runModal(window), QDialog::Rejected);
    EXPECT_EQ(control(window, 1001)->text(), QStringLiteral("VT87 V1.0.4"));
}

TEST_F(FirmwareUpdateTest, CaptionsAndTextsShowInBothLanguages)
{
    QImage shown[2];
    int i = 0;
    for (const std::string language : {LanguageCode::English, LanguageCode::Chinese}) {
        profile->language = language;
        auto window = open();
        click(*window, kGetVersion);
        choose(*window, QStringLiteral("/home/user/Downloads/firmware/VT87-keyboard-firmware-v2.1.0.bin"));
        postMessage(window->messageHandle(), kMsgProgress, 75, 0);
        QApplication::processEvents();
        shown[i] = grabbed(*window);
        shown[i].save(outputPath(QStringLiteral("firmware-%1.png").arg(QString::fromStdString(language))));
        for (const SkinButton& label : Firmware::records()) {
            if (!label.isLabel) continue;
            int bright = 0;
            const QRect r = toQRect(label.rect).intersected(QRect(0, 0, 112, 250).united(QRect(100, 0, 270, 110)));
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) bright += qGray(shown[i].pixel(x, y)) > 150 ? 1 : 0;
            EXPECT_GT(bright, 10) << language << " label " << label.id;
        }
        ++i;
    }
    EXPECT_NE(shown[0].copy(47, 209, 82, 26), shown[1].copy(47, 209, 82, 26));
}
