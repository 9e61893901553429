// The whole way of a recorded macro: a key clicked in the main window, a macro recorded from
// real key events in the key settings window, OK, written to the (simulated) keyboard, read
// back from it, and shown in the main window's summary. Built where the main window is.
#include "CZelkDialogProgress.h"
#include "CZelkDlg.h"
#include "KeyMapWindowFixture.h"
#include "MainWindowLayout.h"
#include "SimulatedKeyboard.h"
#include "WindowTestSupport.h"
#include "WorkerThreads.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

namespace {

constexpr int kKeyA = 43;  // the key A of the main window's keyboard
const QPoint kClearAll(330, 112);
const QPoint kWriteKeys(490, 112);
const QPoint kReadAll(795, 112);

class RecordedMacroEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppResources::load();
        QtKeyHook::installProvider();
        profile = profileOnTestKeyboard(stateDir);
        CZelkDialogProgress::setWait([](std::chrono::milliseconds) {});
    }

    void TearDown() override
    {
        window.reset();
        WorkerThreads::waitForAll();
        CZelkDialogProgress::setWait({});
    }

    void click(QWidget* target, QPoint at)
    {
        QTest::mouseClick(target->windowHandle(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }

    // What the user does in the key settings window: a new macro, recorded, then OK.
    void recordMacro(QDialog& keyMap)
    {
        click(&keyMap, keymaptest::tab(2));
        click(&keyMap, keymaptest::kNewOnLeftList);
        QTest::keyClick(keyMap.findChild<QLineEdit*>(QStringLiteral("1003")), Qt::Key_Return);  // keeps "New Macro 1"
        click(&keyMap, keymaptest::kRecordMacro);
        keymaptest::press(&keyMap, Qt::Key_A);
        QTest::qWait(120);
        keymaptest::release(&keyMap, Qt::Key_A);
        keymaptest::tap(&keyMap, Qt::Key_B);
        click(&keyMap, keymaptest::kRecordMacro);  // stops the recording
        grabbedKeyMap = keyMap.grab();
        click(&keyMap, keymaptest::kOk);
    }

    QTemporaryDir stateDir;
    std::unique_ptr<KeyboardProfile> profile;
    ScriptedPrompts prompts;
    std::unique_ptr<CZelkDlg> window;
    QPixmap grabbedKeyMap;
};

TEST_F(RecordedMacroEndToEndTest, AMacroRecordedForAKeyComesBackFromTheKeyboard)
{
    window = std::make_unique<CZelkDlg>(*profile);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QPoint keyA = toQRect(MainWindowLayout::record(99 + kKeyA)->rect).center();

    prompts.modalRuns.push_back([this](QDialog& keyMap) {
        QTimer::singleShot(0, &keyMap, [this, &keyMap] { recordMacro(keyMap); });
        QTimer::singleShot(10000, &keyMap, [&keyMap] { keyMap.done(42); });  // a broken build must not hang
        return ScriptedPrompts::execForReal(keyMap);
    });
    click(window.get(), keyA);
    ASSERT_EQ(prompts.count(ScriptedPrompts::Kind::Modal), 1);
    EXPECT_EQ(prompts.asked[0].dialogClass, QStringLiteral("CZelkDialogKeyMapSettings"));
    EXPECT_EQ(QtKeyHook::instance()->hookedWindow(), 0u);
    grabbedKeyMap.save(keymaptest::outputFolder() + QStringLiteral("/end-to-end-recorded.png"));
    const KeyAssignment& assigned = profile->assignment(kKeyA, 0);
    ASSERT_EQ(assigned.kind, Kind::Macro);
    ASSERT_EQ(assigned.actions.lineCount(), 7) << "three delays between four events";
    EXPECT_EQ(assigned.actions.lines[0], u"A Down");
    EXPECT_EQ(assigned.actions.lines[2], u"A UP");
    EXPECT_EQ(assigned.actions.lines[6], u"B UP");

    prompts.modalRuns.push_back(ScriptedPrompts::execForReal);
    click(window.get(), kWriteKeys);
    click(window.get(), kClearAll);
    ASSERT_EQ(profile->assignment(kKeyA, 0).kind, Kind::NotSet);
    prompts.modalRuns.push_back(ScriptedPrompts::execForReal);
    click(window.get(), kReadAll);
    EXPECT_EQ(prompts.messages(), (QStringList{QStringLiteral("OK!"), QStringLiteral("OK!")}));

    QTest::mouseMove(window.get(), keyA);
    QCoreApplication::processEvents();
    const QString summary = window->summaryText();
    const QRegularExpression macroLine(QStringLiteral("Key settings L1：Macro A,(\\d+),A,(\\d+),B,(\\d+),B\\r\\n"));
    const QRegularExpressionMatch match = macroLine.match(summary);
    ASSERT_TRUE(match.hasMatch()) << summary.toStdString();
    EXPECT_GE(match.captured(1).toInt(), 110) << "the time A was held";
    EXPECT_LE(match.captured(1).toInt(), 1000);
    window->grab().save(keymaptest::outputFolder() + QStringLiteral("/end-to-end-main.png"));
}

}  // namespace
