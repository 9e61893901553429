// The main window with its real faces on a simulated keyboard of each test's own, driven by
// clicks at the layout's coordinates. Nested windows and message boxes go to ScriptedPrompts.
#include "CZelkDlg.h"

#include "ActionListBuilders.h"
#include "AppTestSupport.h"
#include "CZelkDialogProgress.h"
#include "FaultInjector.h"
#include "HelpDocument.h"
#include "MainWindowLayout.h"
#include "MessageSink.h"
#include "NotificationIcon.h"
#include "ScriptedPrompts.h"
#include "SimulatedKeyboard.h"
#include "SummaryText.h"
#include "WorkerThreads.h"

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

using Kinds = ScriptedPrompts::Kind;

// Centres of the function buttons.
const QPoint kLanguage(1077, 112);
const QPoint kHelp(1089, 35);
const QPoint kHide(1062, 35);
const QPoint kExit(1116, 35);
const QPoint kSave(82, 112);
const QPoint kOpen(197, 112);
const QPoint kClear(330, 112);
const QPoint kWriteKeys(490, 112);
const QPoint kBacklight(640, 112);
const QPoint kReadAll(795, 112);
const QPoint kFirmware(920, 112);
const QPoint kLayer(85, 240);
// The progress window's cancel button.
const QPoint kProgressCancel(282, 218);

constexpr int kKeyA = 43;

QRect keyRect(int keyIndex) { return toQRect(MainWindowLayout::record(99 + keyIndex)->rect); }
QRect recordRect(int id) { return toQRect(MainWindowLayout::record(id)->rect); }


// Pixels of a caption in the green of a checked layer label.
int greenPixels(const QImage& image, const QRect& rect)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qGreen(p) > 150 && qRed(p) < 110 && qBlue(p) < 110 ? 1 : 0;
        }
    return n;
}

// Pixels of the summary box's orange text.
int orangePixels(const QImage& image, const QRect& rect)
{
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            n += qRed(p) > 150 && qGreen(p) > 50 && qGreen(p) < 150 && qBlue(p) < 60 ? 1 : 0;
        }
    return n;
}

// Records what the window repaints.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppResources::load();
        profile = profileOnTestKeyboard(stateDir);
        CZelkDialogProgress::setWait([](std::chrono::milliseconds) {});
        HelpDocument::setOpener([this](const QUrl& url) {
            openedUrls.push_back(url);
            return opensUrls;
        });
    }

    void TearDown() override
    {
        window.reset();
        for (const auto& g : gates) g->release();
        WorkerThreads::waitForAll();  // no worker may outlive the profile
        CZelkDialogProgress::setWait({});
        HelpDocument::setOpener({});
        NotificationIcon::setAvailableForTesting(std::nullopt);
    }

    CZelkDlg& open()
    {
        window = std::make_unique<CZelkDlg>(*profile);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
        return *window;
    }

    // A click, and the repaint it asks for.
    void click(QPoint point)
    {
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, point);
        QApplication::processEvents();
    }

    void hover(QPoint point)
    {
        QTest::mouseMove(window.get(), point);
        QApplication::processEvents();
    }

    QImage grab() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    SkinButton& recordOf(int id)
    {
        return *std::find_if(window->buttonTable.begin(), window->buttonTable.end(),
                             [id](const SkinButton& b) { return b.id == id; });
    }

    void assign(int keyIndex, int layer, int kind, int code, const std::vector<std::u16string>& lines = {})
    {
        KeyAssignment& a = profile->assignment(keyIndex, layer);
        a.kind = kind;
        a.code = code;
        a.actions = listOf(lines);
    }

    // Worker pauses wait at a gate the test releases.
    std::shared_ptr<Gate> holdWorkers()
    {
        auto gate = std::make_shared<Gate>();
        gates.push_back(gate);
        CZelkDialogProgress::setWait([gate](std::chrono::milliseconds) { gate->wait(); });
        return gate;
    }

    static int runUntilEnded(QDialog& dialog)
    {
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(42); });  // a broken build must not hang
        return ScriptedPrompts::execForReal(dialog);
    }

    QTemporaryDir stateDir;
    std::unique_ptr<KeyboardProfile> profile;
    ScriptedPrompts prompts;
    std::vector<QUrl> openedUrls;
    bool opensUrls = true;
    std::vector<std::shared_ptr<Gate>> gates;
    std::unique_ptr<CZelkDlg> window;
};

}  // namespace

// --- opening ----------------------------------------------------------------------------------

TEST_F(MainWindowTest, OpensOnItsFaceWithAResetProfileAndTheSummaryBox)
{
    assign(kKeyA, 1, Kind::Single, 60);
    profile->currentLayer = 1;
    profile->selectedKey = 5;
    EXPECT_FALSE(CZelkDlg(*profile).grab().isNull());  // painted before it opens: no table yet, no harm
    CZelkDlg& dlg = open();

    EXPECT_EQ(dlg.size(), faceImage(101).size());
    EXPECT_FALSE(dlg.mask().contains(QPoint(0, 0)));  // the rounded corner is cut by the colour key
    EXPECT_TRUE(dlg.mask().contains(QPoint(590, 345)));
    EXPECT_FALSE(dlg.windowIcon().isNull());  // shown by the taskbar, also when minimised
    EXPECT_EQ(profile->currentLayer, 0);
    EXPECT_EQ(profile->assignment(kKeyA, 1).kind, Kind::NotSet);
    EXPECT_EQ(profile->selectedKey, 5);
    EXPECT_EQ(prompts.asked.size(), 0u);
    ASSERT_EQ(dlg.buttonTable.size(), 109u);
    for (std::size_t i = 0; i < 109; ++i) EXPECT_EQ(dlg.buttonTable[i].id, MainWindowLayout::records()[i].id) << i;

    QPlainTextEdit* box = dlg.summaryBox();
    EXPECT_EQ(dlg.findChild<QPlainTextEdit*>(QStringLiteral("1001")), box);
    EXPECT_EQ(box->geometry(), QRect(47, 506, 913, 144));
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->cursorWidth(), 0);
    EXPECT_EQ(box->font().pixelSize(), 13);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 111, 0));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(20, 20, 20));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("Vornic Tamsk Programming Software [Ver 1.0.4]"));

    const QImage shown = grab();
    EXPECT_GT(orangePixels(shown, QRect(47, 506, 400, 20)), 40) << "the title is drawn in the box";
    EXPECT_GT(greenPixels(shown, recordRect(77)), 20) << "LevelUp is shown green";
    EXPECT_EQ(greenPixels(shown, recordRect(78)), 0);
}

// --- clicks -----------------------------------------------------------------------------------

TEST_F(MainWindowTest, AKeyIsClickedInsideItsRectangleOnlyAndLabelsNeverAre)
{
    struct Case {
        QPoint point;
        int key;  // 0: nothing opens
    };
    const Case cases[] = {
        {{180, 165}, 1},    {{224, 211}, 1},   {{225, 190}, 0},    {{200, 212}, 0},  // Esc and its right and bottom edges
        {{500, 440}, 70},   {{1125, 463}, 87}, {{1126, 440}, 0},   {{1100, 464}, 0},  // Space, Right
        {{1030, 366}, 84},  {{1030, 365}, 0},  {{1000, 215}, 78},  {{1000, 214}, 0},  // the higher tops of Up and Insert
        {{80, 200}, 0},     {{80, 285}, 0},    {{980, 115}, 0},    // LevelUp, LevelDn and the end of "Update"
        {{600, 480}, 0},    {{300, 600}, 0},   // bare picture, the summary box
    };
    open();
    for (const Case& c : cases) {
        prompts.asked.clear();
        profile->selectedKey = 0;
        click(c.point);
        EXPECT_EQ(profile->selectedKey, c.key) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(prompts.count(Kinds::Modal), c.key > 0 ? 1 : 0) << c.point.x() << "," << c.point.y();
        if (c.key > 0) {
            EXPECT_EQ(prompts.asked[0].dialogClass, QStringLiteral("CZelkDialogKeyMapSettings"));
            EXPECT_EQ(prompts.asked[0].parent, window.get());
        }
        EXPECT_TRUE(window->isVisible());
    }
}

TEST_F(MainWindowTest, AKeysSettingsWindowRunsForThatKeyAndTheKeyboardIsRedrawnAfterIt)
{
    open();
    int keyShown = 0;
    prompts.modalRuns.push_back([&](QDialog& keySettings) {
        QTimer::singleShot(0, &keySettings, [&] {
            keyShown = profile->selectedKey;
            profile->assignment(profile->selectedKey, profile->currentLayer).kind = Kind::Single;  // as its OK does
            keySettings.done(QDialog::Accepted);
        });
        return runUntilEnded(keySettings);
    });
    PaintRecorder recorder;
    window->installEventFilter(&recorder);
    click(keyRect(kKeyA).center());
    window->removeEventFilter(&recorder);
    EXPECT_EQ(keyShown, kKeyA);
    const QRect keyboardAndButtons(20, 90, 1130, 390);
    EXPECT_TRUE((QRegion(keyboardAndButtons) - recorder.painted).isEmpty()) << "the whole window is redrawn";
    EXPECT_TRUE(recordOf(99 + kKeyA).checked);
}

TEST_F(MainWindowTest, BacklightAndFirmwareOpenTheirWindowsAndClearResetsTheProfile)
{
    open();
    click(kBacklight);
    click(kFirmware);
    ASSERT_EQ(prompts.count(Kinds::Modal), 2);
    EXPECT_EQ(prompts.asked[0].dialogClass, QStringLiteral("CZelkDialogBkLightSettings"));
    EXPECT_EQ(prompts.asked[1].dialogClass, QStringLiteral("CZelkDialogFirmwareUpdate"));
    EXPECT_EQ(prompts.asked[0].parent, window.get());
    EXPECT_EQ(prompts.asked[1].parent, window.get());

    assign(kKeyA, 0, Kind::Single, 60);
    assign(kKeyA, 1, Kind::Combo, 0, {u"A"});
    profile->keyLights[kKeyA] = KeyLight{1, 2, 3};
    click(kClear);
    EXPECT_EQ(profile->assignment(kKeyA, 0).kind, Kind::NotSet);
    EXPECT_EQ(profile->assignment(kKeyA, 1).kind, Kind::NotSet);
    EXPECT_EQ(profile->keyLights[kKeyA], KeyLight{});
    EXPECT_EQ(prompts.count(Kinds::Message), 0);
}

TEST_F(MainWindowTest, EnterEscapeAndTheExitButtonEndTheWindow)
{
    struct Case {
        const char* name;
        std::function<void(CZelkDlg&)> act;
        int result;
    };
    const Case cases[] = {
        {"Enter in the summary box", [](CZelkDlg& d) { QTest::keyClick(d.summaryBox(), Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", [](CZelkDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, QDialog::Rejected},
        {"exit button", [](CZelkDlg& d) { QTest::mouseClick(&d, Qt::LeftButton, {}, kExit); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        open();
        window->setResult(-1);
        c.act(*window);
        EXPECT_FALSE(window->isVisible()) << c.name;
        EXPECT_EQ(window->result(), c.result) << c.name;
    }
}

// --- hover and the summary --------------------------------------------------------------------

TEST_F(MainWindowTest, HoverLightsAKeyAndRepaintsOnlyTheRectanglesThatChanged)
{
    open();
    PaintRecorder recorder;
    window->installEventFilter(&recorder);
    const QRect esc = keyRect(1);
    const QRect f1 = keyRect(2);

    hover(esc.center());
    EXPECT_TRUE(recordOf(100).hovered);
    EXPECT_EQ(recorder.painted, QRegion(esc));

    recorder.painted = QRegion();
    hover(f1.center());
    EXPECT_FALSE(recordOf(100).hovered);
    EXPECT_TRUE(recordOf(101).hovered);
    EXPECT_EQ(recorder.painted, QRegion(esc) + QRegion(f1));
    const QImage shown = grab();
    shown.save(testOutputFile(QStringLiteral("main-window-hover.png")));
    EXPECT_EQ(shown.copy(f1), faceImage(102).copy(f1));
    EXPECT_EQ(shown.copy(esc), faceImage(101).copy(esc));
    EXPECT_NE(faceImage(102).copy(f1), faceImage(101).copy(f1));

    recorder.painted = QRegion();
    hover(f1.center() + QPoint(5, 3));  // still on F1
    EXPECT_TRUE(recorder.painted.isEmpty());

    // Onto a label: F1 goes out, and the label itself is never hovered.
    hover(recordRect(77).center());
    EXPECT_EQ(recorder.painted, QRegion(f1));
    for (const SkinButton& b : window->buttonTable) EXPECT_FALSE(b.hovered) << b.id;
    recorder.painted = QRegion();
    hover(recordRect(78).center());
    EXPECT_TRUE(recorder.painted.isEmpty());
    window->removeEventFilter(&recorder);
}

TEST_F(MainWindowTest, HoverShowsBothLayersOfTheKeyInTheSummaryInEitherLanguage)
{
    struct Case {
        const char* language;
        int key;
        QString text;
    };
    const Case cases[] = {
        {"en-US", 1,
         QStringLiteral("Vornic Tamsk Programming Software [Ver 1.0.4]\r\n\r\nKey settings L1：Not set \r\n\r\n"
                        "Key settings L2：Not set \r\n")},
        {"zh-CN", 1, QStringLiteral("Vornic Tamsk 编程软件 [版本 1.0.4]\r\n\r\n上档键：未设置 \r\n\r\n下档键：未设置 \r\n")},
        {"en-US", kKeyA,
         QStringLiteral("Vornic Tamsk Programming Software [Ver 1.0.4]\r\n\r\nKey settings L1：Macro A,50,A\r\n\r\n"
                        "Key settings L2：Not set \r\n")},
        {"zh-CN", kKeyA,
         QStringLiteral("Vornic Tamsk 编程软件 [版本 1.0.4]\r\n\r\n上档键：宏键 A,50,A\r\n\r\n下档键：未设置 \r\n")},
    };
    open();
    assign(kKeyA, 0, Kind::Macro, 0, {u"A Down", u"<50 ms>", u"A UP"});
    for (const Case& c : cases) {
        if (profile->language != c.language) click(kLanguage);
        hover(keyRect(c.key).center());
        EXPECT_EQ(window->summaryText(), c.text) << c.language << " key " << c.key;
        QString lines = c.text;
        lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(window->summaryBox()->toPlainText(), lines);
        hover(QPoint(600, 480));  // bare picture: the title alone
        EXPECT_EQ(window->summaryText().toStdU16String(), SummaryText::title(c.language));
    }
}

TEST_F(MainWindowTest, TheSummaryIsReplacedOnlyWhenItsTextChanges)
{
    open();
    int changes = 0;
    QObject::connect(window->summaryBox(), &QPlainTextEdit::textChanged, [&changes] { ++changes; });
    hover(keyRect(kKeyA).center());
    EXPECT_EQ(changes, 1);
    for (int i = 0; i < 3; ++i) window->repaint();
    hover(keyRect(kKeyA).center() + QPoint(4, 4));
    EXPECT_EQ(changes, 1);
    hover(keyRect(44).center());  // another key, the same text
    window->repaint();
    EXPECT_EQ(changes, 1);
    assign(44, 1, Kind::Single, 60);
    window->repaint();
    EXPECT_EQ(changes, 2);
}

// --- switches ---------------------------------------------------------------------------------

TEST_F(MainWindowTest, TheLanguageButtonSwitchesToChineseAndClickedAgainBackToEnglish)
{
    open();
    const QRect languageLabel = recordRect(65);
    const QRect saveLabel = recordRect(70);
    hover(kLanguage);  // lit in every grab below
    const QImage english = grab();

    click(kLanguage);
    EXPECT_EQ(profile->language, "zh-CN");
    EXPECT_TRUE(recordOf(85).checked);
    EXPECT_EQ(window->summaryText(), QStringLiteral("Vornic Tamsk 编程软件 [版本 1.0.4]"));
    const QImage chinese = grab();
    EXPECT_NE(chinese.copy(saveLabel), english.copy(saveLabel));
    EXPECT_NE(chinese.copy(languageLabel), english.copy(languageLabel));

    click(kLanguage);
    EXPECT_EQ(profile->language, "en-US");
    EXPECT_FALSE(recordOf(85).checked);
    EXPECT_EQ(window->summaryText(), QStringLiteral("Vornic Tamsk Programming Software [Ver 1.0.4]"));
    const QImage back = grab();
    EXPECT_EQ(back.copy(saveLabel), english.copy(saveLabel));
    EXPECT_EQ(back.copy(languageLabel), english.copy(languageLabel));
}

TEST_F(MainWindowTest, AKeyAssignedOnlyOnTheLowerLayerIsLitOnlyAfterTheLayerSwitch)
{
    open();
    assign(kKeyA, 1, Kind::Single, 60);
    const QRect a = keyRect(kKeyA);
    QImage shown = grab();
    EXPECT_FALSE(recordOf(99 + kKeyA).checked);
    EXPECT_EQ(shown.copy(a), faceImage(101).copy(a));

    click(kLayer);
    EXPECT_EQ(profile->currentLayer, 1);
    EXPECT_TRUE(recordOf(97).checked);
    shown = grab();
    shown.save(testOutputFile(QStringLiteral("main-window-lower-layer.png")));
    EXPECT_TRUE(recordOf(99 + kKeyA).checked);
    EXPECT_EQ(shown.copy(a), faceImage(103).copy(a));
    EXPECT_EQ(shown.copy(recordRect(97)), faceImage(103).copy(recordRect(97)));
    EXPECT_GT(greenPixels(shown, recordRect(78)), 20) << "LevelDn is shown green";
    EXPECT_EQ(greenPixels(shown, recordRect(77)), 0);
    for (const SkinButton& b : window->buttonTable) {
        if (b.keyIndex > 0 && b.keyIndex != kKeyA) {
            EXPECT_FALSE(b.checked) << b.keyIndex;
        }
    }

    click(kLayer);
    EXPECT_EQ(profile->currentLayer, 0);
    shown = grab();
    EXPECT_FALSE(recordOf(99 + kKeyA).checked);
    EXPECT_EQ(shown.copy(a), faceImage(101).copy(a));
}

// --- profile files ----------------------------------------------------------------------------

TEST_F(MainWindowTest, SaveAndOpenAskForProfileFilesAndReportFailuresInTheCurrentLanguage)
{
    QTemporaryDir files;
    const QString saved = files.filePath(QStringLiteral("saved.pro"));
    struct Case {
        const char* name;
        QPoint button;
        std::optional<QString> file;
        QString english;
        QString chinese;
    };
    const Case cases[] = {
        {"save", kSave, saved, {}, {}},
        {"open what was saved", kOpen, saved, {}, {}},
        {"save cancelled", kSave, std::nullopt, {}, {}},
        {"open cancelled", kOpen, std::nullopt, {}, {}},
        {"save into a missing folder", kSave, files.filePath(QStringLiteral("no/such/folder/a.pro")),
         QStringLiteral("Can't save the profile file."), QStringLiteral("无法保存配置文件。")},
        {"open a missing file", kOpen, files.filePath(QStringLiteral("missing.pro")),
         QStringLiteral("Can't open the profile file."), QStringLiteral("无法打开配置文件。")},
    };
    open();
    for (const char* language : {"en-US", "zh-CN"}) {
        if (profile->language != language) click(kLanguage);
        for (const Case& c : cases) {
            prompts.asked.clear();
            prompts.files = {c.file};
            click(c.button);
            ASSERT_GE(prompts.asked.size(), 1u) << c.name;
            const auto& asked = prompts.asked[0];
            EXPECT_EQ(asked.kind, c.button == kSave ? Kinds::SaveFile : Kinds::OpenFile) << c.name;
            EXPECT_EQ(asked.file.filter, QStringLiteral("pro(*.pro)|*.pro|All Files(*.*)|*.*||"));
            EXPECT_EQ(asked.file.defaultExtension, QStringLiteral("pro"));
            EXPECT_EQ(asked.parent, window.get());
            const QString expected = std::string(language) == "en-US" ? c.english : c.chinese;
            EXPECT_EQ(prompts.messages(), expected.isEmpty() ? QStringList() : QStringList{expected})
                << c.name << " in " << language;
        }
    }
}

// --- device tasks -----------------------------------------------------------------------------

TEST_F(MainWindowTest, WriteKeysAndReadAllGoThroughTheKeyboardAndReportOk)
{
    open();
    assign(kKeyA, 0, Kind::Single, 60);
    assign(1, 1, Kind::Macro, 0, {u"A Down", u"<50 ms>", u"A UP"});
    profile->keyLights[kKeyA] = KeyLight{0, 128, 255};
    ASSERT_TRUE(profile->writeLightsToDevice());
    prompts.modalRuns = {ScriptedPrompts::execForReal, ScriptedPrompts::execForReal};

    click(kWriteKeys);
    ASSERT_EQ(prompts.count(Kinds::Modal), 1);
    EXPECT_EQ(prompts.asked[0].dialogClass, QStringLiteral("CZelkDialogProgress"));
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("OK!")});

    click(kClear);
    ASSERT_EQ(profile->assignment(kKeyA, 0).kind, Kind::NotSet);
    click(kReadAll);
    EXPECT_EQ(prompts.messages(), (QStringList{QStringLiteral("OK!"), QStringLiteral("OK!")}));
    EXPECT_EQ(profile->assignment(kKeyA, 0).kind, Kind::Single);
    EXPECT_EQ(profile->assignment(kKeyA, 0).code, 60);
    EXPECT_EQ(profile->describeAssignment(1, 1), u"A,50,A");
    EXPECT_EQ(profile->keyLights[kKeyA], (KeyLight{0, 128, 255}));
    const QRect a = keyRect(kKeyA);
    EXPECT_EQ(grab().copy(a), faceImage(103).copy(a)) << "the key read back is drawn assigned";
}

TEST_F(MainWindowTest, ReadAllCancelledShowsNoOkButTheKeysStillArrive)
{
    assign(kKeyA, 1, Kind::Single, 60);
    ASSERT_TRUE(profile->writeKeysToDevice(0));
    open();  // resets the profile
    ASSERT_EQ(profile->assignment(kKeyA, 1).kind, Kind::NotSet);
    auto gate = holdWorkers();
    prompts.modalRuns.push_back([](QDialog& progress) {
        QTimer::singleShot(0, &progress, [&progress] {
            QTest::mouseClick(&progress, Qt::LeftButton, {}, kProgressCancel);
        });
        return runUntilEnded(progress);
    });

    click(kReadAll);
    EXPECT_EQ(prompts.count(Kinds::Modal), 1);
    EXPECT_TRUE(prompts.messages().isEmpty());
    gate->release();
    WorkerThreads::waitForAll();
    EXPECT_EQ(profile->assignment(kKeyA, 1).kind, Kind::Single);
    EXPECT_EQ(profile->assignment(kKeyA, 1).code, 60);
}

// --- the keyboard going away ------------------------------------------------------------------

TEST_F(MainWindowTest, WithoutAKeyboardAtStartTheWindowSaysSoAndEndsAtOnceWithOk)
{
    profile->device.simulator().faults().setConnected(false);
    CZelkDlg dlg(*profile);
    EXPECT_EQ(runUntilEnded(dlg), QDialog::Accepted);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Keyboard is not connected!")});
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(MainWindowTest, EveryDeviceChangeAsksTheKeyboardAndEndsTheWindowWhenItIsGone)
{
    struct Case {
        const char* name;
        std::function<void(KeyboardProfile&, WindowHandle)> change;
        bool ends;
    };
    const Case cases[] = {
        {"keyboard unplugged", [](KeyboardProfile& p, WindowHandle) { p.device.simulator().faults().setConnected(false); },
         true},
        {"another device, keyboard still there",
         [](KeyboardProfile&, WindowHandle w) { postMessage(w, kMsgDeviceChange, kDeviceArrival, 0); }, false},
        {"another device, keyboard not answering",
         [](KeyboardProfile& p, WindowHandle w) {
             p.device.simulator().faults().failCall(DeviceCall::DetectDevice);
             postMessage(w, kMsgDeviceChange, kDeviceRemoveComplete, 0);
         },
         true},
    };
    for (const Case& c : cases) {
        profile->device.simulator().faults().clear();
        prompts.asked.clear();
        open();
        window->setResult(-1);
        c.change(*profile, window->messageHandle());
        QApplication::processEvents();
        QApplication::processEvents();
        EXPECT_EQ(window->isVisible(), !c.ends) << c.name;
        EXPECT_EQ(prompts.messages(), c.ends ? QStringList{QStringLiteral("Keyboard is not connected")} : QStringList())
            << c.name;
        if (c.ends) {
            EXPECT_EQ(window->result(), QDialog::Rejected) << c.name;
        }
    }
}

TEST_F(MainWindowTest, TheKeyboardGoingAwayDuringATransferEndsBothWindowsWithoutOk)
{
    open();
    auto gate = holdWorkers();
    QDialog* progressShown = nullptr;
    prompts.modalRuns.push_back([&](QDialog& progress) {
        progressShown = &progress;
        QTimer::singleShot(0, &progress, [this] { profile->device.simulator().faults().setConnected(false); });
        return runUntilEnded(progress);
    });

    click(kWriteKeys);
    ASSERT_NE(progressShown, nullptr);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Keyboard is not connected")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    gate->release();
}

// --- the notification area --------------------------------------------------------------------

TEST_F(MainWindowTest, HiddenToTheNotificationAreaAndBackByADoubleClick)
{
    NotificationIcon::setAvailableForTesting(true);
    open();
    click(kHide);
    EXPECT_TRUE(window->isHiddenInNotificationArea());
    EXPECT_FALSE(window->isVisible());
    NotificationIcon& icon = window->notificationIcon();
    ASSERT_TRUE(icon.isShown());
    EXPECT_EQ(icon.trayIcon()->toolTip(), QStringLiteral("VornicTamsk"));
    EXPECT_FALSE(icon.trayIcon()->icon().isNull());

    // Another icon's message, and clicks that are no restore, change nothing.
    postMessage(window->messageHandle(), kMsgTrayIcon, 127, NotificationIcon::kLeftDoubleClick);
    postMessage(window->messageHandle(), kMsgTrayIcon, 128, 0x200);
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());

    emit icon.trayIcon()->activated(QSystemTrayIcon::DoubleClick);
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isHiddenInNotificationArea());
    EXPECT_FALSE(icon.isShown());
}

TEST_F(MainWindowTest, TheNotificationMenuSaysExitInTheCurrentLanguageAndEndsTheModalRun)
{
    NotificationIcon::setAvailableForTesting(true);
    for (const char* language : {"en-US", "zh-CN"}) {
        CZelkDlg dlg(*profile);
        QString itemText;
        bool menuShown = false;
        // The menu is looked at only once it has been asked for: a fixed delay could come
        // first on a busy machine, while the clicks still process events.
        const auto pickTheItem = [&] {
            QMenu& menu = dlg.notificationIcon().menu();
            menuShown = menu.isVisible();
            ASSERT_EQ(menu.actions().size(), 1);
            itemText = menu.actions().constFirst()->text();
            menu.actions().constFirst()->trigger();
        };
        QTimer::singleShot(0, &dlg, [&] {
            if (profile->language != language) QTest::mouseClick(&dlg, Qt::LeftButton, {}, kLanguage);
            QTest::mouseClick(&dlg, Qt::LeftButton, {}, kHide);
            emit dlg.notificationIcon().trayIcon()->activated(QSystemTrayIcon::Context);
            QTimer::singleShot(50, &dlg, pickTheItem);
        });
        EXPECT_EQ(runUntilEnded(dlg), QDialog::Rejected) << language;  // not ended by the guard
        EXPECT_TRUE(menuShown);
        EXPECT_EQ(itemText, std::string(language) == "en-US" ? QStringLiteral("Exit") : QStringLiteral("关闭"));
        EXPECT_FALSE(dlg.notificationIcon().isShown());
    }
}

TEST_F(MainWindowTest, WithoutANotificationAreaHidingMinimisesAndTheWindowStaysReachable)
{
    NotificationIcon::setAvailableForTesting(false);
    open();
    click(kHide);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isHiddenInNotificationArea());
    EXPECT_FALSE(window->notificationIcon().isShown());
}

// --- help -------------------------------------------------------------------------------------

TEST_F(MainWindowTest, HelpOpensTheDocumentBesideTheProgram)
{
    open();
    click(kHelp);
    const QString expected = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Ostra.html"));
    ASSERT_EQ(openedUrls.size(), 1u);
    EXPECT_EQ(openedUrls[0], QUrl::fromLocalFile(expected));
    EXPECT_TRUE(prompts.messages().isEmpty());

    QFile document(expected);
    ASSERT_TRUE(document.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(document.readAll());
    for (const char* part : {"<html", "WriteKeys", "Recording a macro", "Backlight", "Firmware", "录制宏", "</html>"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
}

TEST_F(MainWindowTest, HelpThatCannotBeOpenedIsReportedInTheCurrentLanguage)
{
    opensUrls = false;
    open();
    click(kHelp);
    click(kLanguage);
    click(kHelp);
    EXPECT_EQ(prompts.messages(),
              (QStringList{QStringLiteral("Can't open the help file."), QStringLiteral("无法打开帮助文件。")}));
}

// --- what a user sees -------------------------------------------------------------------------

TEST_F(MainWindowTest, GrabsOfBothLanguagesWithAssignedKeysAndAHoveredKey)
{
    open();
    assign(kKeyA, 0, Kind::Macro, 0, {u"A Down", u"<50 ms>", u"A UP"});
    assign(kKeyA, 1, Kind::Combo, 0, {u"Left CTRL", u"V"});
    assign(2, 0, Kind::Multimedia, 111);
    assign(70, 0, Kind::Single, 60);
    assign(29, 0, Kind::Emulation, 0, {u"Q", u"W"});
    for (const char* language : {"en-US", "zh-CN"}) {
        if (profile->language != language) click(kLanguage);
        hover(QPoint(600, 480));
        hover(keyRect(kKeyA).center());
        const QImage shown = grab();
        shown.save(testOutputFile(QStringLiteral("main-window-%1.png").arg(QString::fromLatin1(language))));
        EXPECT_GT(orangePixels(shown, QRect(47, 506, 913, 144)), 300) << language;
        for (int key : {kKeyA, 2, 70, 29}) EXPECT_TRUE(recordOf(99 + key).checked) << key;
    }
}
