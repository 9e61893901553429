// The key mapping window's recorders, driven by real key events into the running window: the
// key hook turns them into its messages, the window into lines.
#include "KeyMapWindowFixture.h"

#include "KeyTransferArray.h"

#include <QRegularExpression>

using namespace keymaptest;

namespace {

using Lines = std::vector<std::u16string>;

class KeyRecordingTest : public KeyMapWindowTest {
protected:
    void SetUp() override
    {
        KeyMapWindowTest::SetUp();
        profile->predefinedCombo = collectionOf({{u"Copy", listOf({u"Left CTRL", u"C"}, 6)}}, 6);
        profile->predefinedMacro = collectionOf({{u"Burst", listOf({u"Z Down", u"<5 ms>", u"Z UP"})}, {u"Other", {}}});
        profile->predefinedEmulation = collectionOf({{u"Hello", listOf({u"H", u"I"})}});
    }
    void TearDown() override { EXPECT_EQ(hooked(), 0u) << "no test leaves the keys hooked"; }

    // A window open on a page with its recorder running.
    std::unique_ptr<CZelkDialogKeyMapSettings> recordingOn(int page)
    {
        auto window = open();
        click(window.get(), tab(page));
        switch (page) {
        case 1:
            click(window.get(), kCombo);
            click(window.get(), kRecordCombo);
            break;
        case 2: click(window.get(), kRecordMacro); break;
        case 3: click(window.get(), kRecordEmulation); break;
        default: break;
        }
        EXPECT_EQ(hooked(), window->messageHandle());
        return window;
    }

    static int delayOf(const std::u16string& line)
    {
        const auto match = QRegularExpression(QStringLiteral("^<(\\d+) ms>$")).match(QString::fromStdU16String(line));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    }
};

// --- the macro recorder -----------------------------------------------------------------------

TEST_F(KeyRecordingTest, APressHeldAboutATenthOfASecondRecordsDownDelayAndUp)
{
    auto window = recordingOn(2);
    EXPECT_TRUE(window->isRecordingMacro());
    EXPECT_TRUE(window->working().macroActions.lines.empty()) << "the recording starts over";
    press(window.get(), Qt::Key_A);
    QTest::qWait(120);
    release(window.get(), Qt::Key_A);
    const Lines lines = linesOf(window->working().macroActions);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"A Down");
    EXPECT_GE(delayOf(lines[1]), 110);
    EXPECT_LE(delayOf(lines[1]), 1000);
    EXPECT_EQ(lines[2], u"A UP");
    EXPECT_EQ(bar(window.get(), 1007)->maximum(), 8 + 3);

    click(window.get(), QPoint(20, 200));  // bare sheet: no record, so no click
    EXPECT_TRUE(window->isRecordingMacro());
    click(window.get(), macroRow(1));  // any record stops it, and does nothing else
    EXPECT_FALSE(window->isRecordingMacro());
    EXPECT_EQ(hooked(), 0u);
    EXPECT_EQ(window->working().macroCollection.CursorPos, 0) << "the click did not select the row";
    EXPECT_EQ(linesOf(window->working().macroCollection.children[0]), lines) << "committed into the selected macro";
}

TEST_F(KeyRecordingTest, AHeldRepeatingKeyAddsOneLineAndTheNextDelayCountsFromTheLastRepeat)
{
    auto window = recordingOn(2);
    SyntheticKeys::press(window.get(), Qt::Key_B);
    deliver();
    for (int i = 0; i < 4; ++i) {
        QTest::qWait(60);
        SyntheticKeys::release(window.get(), Qt::Key_B, 0, true);
        SyntheticKeys::press(window.get(), Qt::Key_B, 0, true);
        deliver();
    }
    release(window.get(), Qt::Key_B);
    const Lines lines = linesOf(window->working().macroActions);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"B Down");
    EXPECT_LT(delayOf(lines[1]), 200) << "counted from the last repeat, not from the first press";
    EXPECT_EQ(lines[2], u"B UP");
    click(window.get(), kRecordMacro);
}

TEST_F(KeyRecordingTest, AKeyDownBeforeTheRecordingAddsNothingWhenReleased)
{
    auto window = open();
    click(window.get(), tab(2));
    press(window.get(), Qt::Key_A);  // not hooked: the window ignores it
    click(window.get(), kRecordMacro);
    release(window.get(), Qt::Key_A);
    tap(window.get(), Qt::Key_C);
    const Lines lines = linesOf(window->working().macroActions);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], u"C Down") << "no delay stands before the first line";
    EXPECT_EQ(lines[2], u"C UP");
    click(window.get(), kRecordMacro);
}

TEST_F(KeyRecordingTest, SidesOfShiftAndTheKeypadEnterHaveTheirOwnNames)
{
    auto window = recordingOn(2);
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    deliver();
    SyntheticKeys::release(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    deliver();
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kRightShift);
    deliver();
    SyntheticKeys::release(window.get(), Qt::Key_Shift, SyntheticKeys::kRightShift);
    deliver();
    press(window.get(), Qt::Key_Enter, Qt::KeypadModifier);
    release(window.get(), Qt::Key_Enter, Qt::KeypadModifier);
    tap(window.get(), Qt::Key_Shift);  // no scan code (offscreen): counted as the left one
    Lines events;
    for (const std::u16string& line : window->working().macroActions.lines)
        if (delayOf(line) < 0) events.push_back(line);
    EXPECT_EQ(events, (Lines{u"Left SHIFT Down", u"Left SHIFT UP", u"Right SHIFT Down", u"Right SHIFT UP", u"(Enter) Down",
                             u"(Enter) UP", u"Left SHIFT Down", u"Left SHIFT UP"}));
    click(window.get(), kRecordMacro);
}

TEST_F(KeyRecordingTest, ShiftPressedWhileNothingRecordsDoesNotConfuseTheSides)
{
    auto window = open();
    click(window.get(), tab(2));
    // An odd number of presses outside a recording, as when typing a capital into a name.
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    SyntheticKeys::release(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    click(window.get(), kRecordMacro);
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    deliver();
    SyntheticKeys::release(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    deliver();
    EXPECT_EQ(window->working().macroActions.lines.back(), u"Left SHIFT UP");
    click(window.get(), kRecordMacro);
}

TEST_F(KeyRecordingTest, RecordingStopsAddingAtTheLineLimitOfItsDelayMode)
{
    struct Case {
        bool autoDelay;
        int keys;  // press and release pairs
        int lines;
    };
    for (const Case c : {Case{false, 201, 799}, Case{true, 801, 1600}}) {
        ActionList macro;
        macro.IsAutoInterval = c.autoDelay;
        profile->predefinedMacro = collectionOf({{u"Long", macro}});
        auto window = recordingOn(2);
        for (int i = 0; i < c.keys; ++i) {
            SyntheticKeys::press(window.get(), Qt::Key_A + i % 26);
            SyntheticKeys::release(window.get(), Qt::Key_A + i % 26);
        }
        deliver();
        const ActionList& actions = window->working().macroActions;
        EXPECT_EQ(actions.lineCount(), c.lines) << c.autoDelay;
        EXPECT_EQ(bar(window.get(), 1007)->maximum(), 8 + c.lines) << c.autoDelay;
        if (!c.autoDelay) {
            EXPECT_GE(delayOf(actions.lines[797]), 0);
            EXPECT_EQ(delayOf(actions.lines[798]), -1) << "400 events and the delays between them";
        }
        if (c.autoDelay) {
            for (const std::u16string& line : actions.lines) EXPECT_EQ(delayOf(line), -1);
        }
        click(window.get(), kRecordMacro);
    }
}

// --- the combination recorder -----------------------------------------------------------------

TEST_F(KeyRecordingTest, CombinationTakesSixKeysEachNewPressOnce)
{
    auto window = recordingOn(1);
    EXPECT_TRUE(window->working().comboActions.lines.empty());
    for (int key : {Qt::Key_Q, Qt::Key_W}) press(window.get(), key);
    press(window.get(), Qt::Key_W);  // the same key again, still held
    release(window.get(), Qt::Key_W);
    press(window.get(), Qt::Key_W);  // released and pressed again
    for (int key : {Qt::Key_E, Qt::Key_R, Qt::Key_T, Qt::Key_Y}) press(window.get(), key);
    EXPECT_EQ(linesOf(window->working().comboActions), (Lines{u"Q", u"W", u"W", u"E", u"R", u"T"}));
    grabbed(window.get());
    EXPECT_EQ(control<QPlainTextEdit>(window.get(), 1005)->toPlainText(), QStringLiteral("Q + W + W + E + R + T"));
    click(window.get(), kRecordCombo);
    EXPECT_FALSE(window->isRecordingCombo());
}

TEST_F(KeyRecordingTest, OkDuringACombinationRecordingStoresWhatWasRecorded)
{
    auto window = recordingOn(1);
    SyntheticKeys::press(window.get(), Qt::Key_Control, SyntheticKeys::kLeftCtrl);
    press(window.get(), Qt::Key_C, Qt::ControlModifier);
    click(window.get(), kOk);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(key().kind, Kind::Combo);
    EXPECT_EQ(linesOf(key().actions), (Lines{u"Left CONTROL", u"C"}));
    EXPECT_EQ(linesOf(profile->predefinedCombo.children[0]), (Lines{u"Left CONTROL", u"C"}));
    // Both keys reach the keyboard, the side-specific Ctrl included.
    EXPECT_EQ(KeyTransferArray::encode(*profile, kKey, 0), (std::vector<int>{0, 2, 67, 58}));
    SyntheticKeys::release(window.get(), Qt::Key_C);
    SyntheticKeys::release(window.get(), Qt::Key_Control, SyntheticKeys::kLeftCtrl);
}

TEST_F(KeyRecordingTest, RecordersStartOnlyWhenTheirConditionHolds)
{
    profile->predefinedMacro = ActionList{};
    profile->predefinedEmulation = ActionList{};
    auto window = open();
    click(window.get(), kRecordCombo);  // "Uniques" mode
    EXPECT_FALSE(window->isRecordingCombo());
    click(window.get(), kCombo);
    click(window.get(), kCaptureSingle);  // "Combo" mode
    EXPECT_FALSE(window->isCapturingSingle());
    click(window.get(), tab(2));
    click(window.get(), kRecordMacro);  // no macro to record into
    EXPECT_FALSE(window->isRecordingMacro());
    click(window.get(), tab(3));
    click(window.get(), kRecordEmulation);
    EXPECT_FALSE(window->isRecordingEmulation());
    EXPECT_EQ(hooked(), 0u);
    EXPECT_FALSE(recordOf(*window, 302).checked);
    EXPECT_TRUE(recordOf(*window, 352).captionVisible);
}

// --- the single key ---------------------------------------------------------------------------

TEST_F(KeyRecordingTest, SingleKeyCaptureShowsEachKeyAndReportsKeysWithoutAKeyCode)
{
    auto window = open();
    click(window.get(), kCaptureSingle);
    ASSERT_TRUE(window->isCapturingSingle());
    tap(window.get(), Qt::Key_F13);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("a=124, b=0, c=1023")});
    grabbed(window.get());
    EXPECT_EQ(caption(*window, 158), QStringLiteral("-- --"));
    press(window.get(), Qt::Key_S);
    press(window.get(), Qt::Key_S);  // held: no second capture
    grabbed(window.get());
    EXPECT_EQ(caption(*window, 158), QStringLiteral("S"));
    EXPECT_EQ(prompts.messages().size(), 1);
    release(window.get(), Qt::Key_S);
    click(window.get(), kOk);
    EXPECT_EQ(key().kind, Kind::Single);
    EXPECT_EQ(key().code, 44);
}

TEST_F(KeyRecordingTest, AKeyWithoutAKeyCodeLeavesTheKeyNotSet)
{
    key().kind = Kind::Single;
    key().code = 43;
    auto window = open();
    click(window.get(), kCaptureSingle);
    tap(window.get(), Qt::Key_F20);
    click(window.get(), kOk);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("a=131, b=0, c=1023")});
    EXPECT_EQ(key().kind, Kind::NotSet);
}

// Prompts whose message box, like a real one, keeps delivering the window's messages while it
// shows, and meanwhile another key without a KeyCode is pressed.
class BusyPrompts final : public Prompts {
public:
    explicit BusyPrompts(QWidget* window) : window_(window), previous_(Prompts::install(this)) {}
    ~BusyPrompts() override { Prompts::install(previous_); }
    void showMessage(const QString& text, QWidget*) override
    {
        texts << text;
        if (texts.size() == 1) tap(window_, Qt::Key_F14);
    }
    std::optional<QColor> chooseColour(const QColor&, QWidget*) override { return std::nullopt; }
    std::optional<QString> openFileName(const FileDialogRequest&, QWidget*) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialogRequest&, QWidget*) override { return std::nullopt; }
    int runModal(QDialog&) override { return QDialog::Rejected; }
    QStringList texts;

private:
    QWidget* window_;
    Prompts* previous_;
};

TEST_F(KeyRecordingTest, KeysPressedWhileTheCaptureBoxShowsOpenNoSecondBox)
{
    auto window = open();
    click(window.get(), kCaptureSingle);
    BusyPrompts busy(window.get());
    tap(window.get(), Qt::Key_F13);
    EXPECT_EQ(busy.texts, QStringList{QStringLiteral("a=124, b=0, c=1023")});
    tap(window.get(), Qt::Key_F15);
    EXPECT_EQ(busy.texts.size(), 2) << "one box at a time, not one box only";
    click(window.get(), kCaptureSingle);
}

// --- the emulation recorder -------------------------------------------------------------------

TEST_F(KeyRecordingTest, EmulationRecordsPressesOnlyAndKeepsTheDelayShown)
{
    auto window = open();
    click(window.get(), tab(3));
    QLineEdit* delay = control<QLineEdit>(window.get(), 1001);
    delay->selectAll();
    QTest::keyClicks(delay, "250");
    click(window.get(), kRecordEmulation);
    ASSERT_TRUE(window->isRecordingEmulation());
    EXPECT_EQ(bar(window.get(), 1007)->maximum(), 8) << "the range of an empty list";
    tap(window.get(), Qt::Key_A);
    SyntheticKeys::press(window.get(), Qt::Key_B);
    SyntheticKeys::press(window.get(), Qt::Key_B, 0, true);
    SyntheticKeys::press(window.get(), Qt::Key_B, 0, true);
    SyntheticKeys::release(window.get(), Qt::Key_B);
    tap(window.get(), Qt::Key_A);
    for (int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4}) tap(window.get(), key);
    const ActionList& actions = window->working().emulationActions;
    EXPECT_EQ(linesOf(actions), (Lines{u"A", u"B", u"A", u"1", u"2", u"3"}));
    EXPECT_EQ(actions.Delay, 250);
    EXPECT_EQ(bar(window.get(), 1007)->maximum(), 8 + 6);
    click(window.get(), kOk);  // only stops the recording
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(linesOf(window->working().emulationCollection.children[0]), linesOf(actions));
    click(window.get(), kOk);
    EXPECT_EQ(key().kind, Kind::Emulation);
    EXPECT_EQ(key().actions.Delay, 250);
    EXPECT_EQ(KeyTransferArray::encode(*profile, kKey, 0).size(), 3u + 6u);
}

// --- stopping and closing ---------------------------------------------------------------------

TEST_F(KeyRecordingTest, OkAndCancelDuringAMacroRecordingOnlyStopIt)
{
    for (QPoint at : {kOk, kCancel, kClose}) {
        key().kind = Kind::NotSet;
        auto window = recordingOn(2);
        tap(window.get(), Qt::Key_M);
        click(window.get(), at);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isRecordingMacro());
        EXPECT_EQ(hooked(), 0u);
        EXPECT_EQ(key().kind, Kind::NotSet);
        click(window.get(), at);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(key().kind, at == kOk ? Kind::Macro : Kind::NotSet) << "the second click acts";
    }
}

TEST_F(KeyRecordingTest, CancelDuringACaptureStopsItAndCloses)
{
    auto window = open();
    click(window.get(), kCaptureSingle);
    tap(window.get(), Qt::Key_A);
    click(window.get(), kCancel);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(key().kind, Kind::NotSet);
}

TEST_F(KeyRecordingTest, EnterAndEscapeDuringARecordingAreRecordedNotObeyed)
{
    auto window = recordingOn(2);
    tap(window.get(), Qt::Key_Escape);
    tap(window.get(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    const Lines& lines = window->working().macroActions.lines;
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], u"ESC Down");
    EXPECT_EQ(lines[6], u"ENTER UP");
    click(window.get(), kRecordMacro);
}

TEST_F(KeyRecordingTest, EveryWayOfClosingTheWindowUnhooksTheKeys)
{
    struct Way {
        const char* name;
        std::function<void(CZelkDialogKeyMapSettings&)> close;
    };
    const Way ways[] = {
        {"Enter getting through", [](CZelkDialogKeyMapSettings& w) { w.done(QDialog::Accepted); }},
        {"Escape getting through", [](CZelkDialogKeyMapSettings& w) { w.done(QDialog::Rejected); }},
        {"window manager", [](CZelkDialogKeyMapSettings& w) { w.close(); }},
        {"hidden", [](CZelkDialogKeyMapSettings& w) { w.hide(); }},
    };
    for (const Way& way : ways) {
        for (int page : {1, 2, 3}) {
            auto window = recordingOn(page);
            tap(window.get(), Qt::Key_K);
            way.close(*window);
            EXPECT_FALSE(window->isVisible()) << way.name;
            EXPECT_EQ(hooked(), 0u) << way.name << " page " << page;
            EXPECT_FALSE(window->isRecordingMacro() || window->isRecordingCombo() || window->isRecordingEmulation()) << way.name;
            const KeyMapWorkingState& work = window->working();
            const ActionList& collection =
                page == 1 ? work.comboCollection : page == 2 ? work.macroCollection : work.emulationCollection;
            ASSERT_FALSE(collection.children[0].lines.empty()) << way.name;
            EXPECT_EQ(collection.children[0].lines[0], page == 2 ? u"K Down" : u"K") << "what was recorded is kept";
        }
    }
    // Deleted while still shown, without ending.
    auto window = recordingOn(2);
    window.reset();
    EXPECT_EQ(hooked(), 0u);
    // Keys reach the program again.
    QLineEdit edit;
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    QTest::keyClicks(&edit, "free");
    EXPECT_EQ(edit.text(), QStringLiteral("free"));
}

}  // namespace

namespace {

// --- what a recording looks like --------------------------------------------------------------

bool hasGreenText(const QImage& shown, const SkinRect& rect)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.green() > 180 && c.red() < 90 && c.blue() < 90) return true;
        }
    return false;
}

// Each recorder while it runs and after it stopped, in both languages; the grabs are saved
// under test-output/keymap for looking at.
TEST_F(KeyRecordingTest, TheRunningRecorderShowsAGreenStopRecAndItsLinesFillTheRows)
{
    struct Case {
        const char* name;
        int page;
        QPoint start;
        SkinRect label;  // where "Stop Rec" is drawn
        int firstRow;    // the first row showing the lines; 0: comboText shows them
    };
    const Case cases[] = {
        {"single", 1, kCaptureSingle, {43, 212, 165, 238}, 0},
        {"combo", 1, kRecordCombo, {375, 250, 525, 278}, 0},
        {"macro", 2, kRecordMacro, {385, 224, 539, 248}, 241},
        {"emulation", 3, kRecordEmulation, {383, 154, 538, 176}, 341},
    };
    for (const std::string language : {"en-US", "zh-CN"}) {
        profile->language = language;
        for (const Case& c : cases) {
            auto window = open();
            click(window.get(), tab(c.page));
            if (std::string(c.name) == "combo") click(window.get(), kCombo);
            click(window.get(), c.start);
            for (int k : {Qt::Key_G, Qt::Key_O}) tap(window.get(), k);
            const QString file = QStringLiteral("%1-%2.png").arg(QString::fromLatin1(c.name), QString::fromStdString(language));
            QImage shown = grabbed(window.get());
            shown.save(QDir(outputFolder()).filePath(QStringLiteral("recording-") + file));
            EXPECT_TRUE(hasGreenText(shown, c.label)) << c.name << " " << language;
            if (c.firstRow != 0) {
                EXPECT_FALSE(caption(*window, c.firstRow + 1, language).isEmpty()) << c.name;
            }

            click(window.get(), c.start);  // stops it
            shown = grabbed(window.get());
            shown.save(QDir(outputFolder()).filePath(QStringLiteral("recorded-") + file));
            EXPECT_FALSE(hasGreenText(shown, c.label)) << c.name << " " << language;
            EXPECT_EQ(hooked(), 0u);
        }
    }
}

}  // namespace
