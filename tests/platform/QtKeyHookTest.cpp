#include "QtKeyHook.h"

#include "KeyStateTracker.h"
#include "SyntheticKeys.h"
#include "WindowMessageReceiver.h"
#include "WindowRegistry.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct KeyMessage {
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    int vk() const { return static_cast<int>(wParam & 0xFF); }
    bool release() const { return (wParam >> 31) != 0; }
    bool extended() const { return ((lParam >> 24) & 1) != 0; }
};

// A window with an edit that has the focus, a shortcut, and what the hook posted to it.
class HookedWindow final : public QDialog, public WindowMessageReceiver {
public:
    HookedWindow() : handle(WindowRegistry::add(this))
    {
        auto* layout = new QVBoxLayout(this);
        edit = new QLineEdit(this);
        layout->addWidget(edit);
        auto* save = new QAction(this);
        save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        save->setShortcutContext(Qt::WindowShortcut);
        addAction(save);
        connect(save, &QAction::triggered, this, [this] { ++shortcutsFired; });
        show();
        activateWindow();
        edit->setFocus();
    }
    ~HookedWindow() override { WindowRegistry::remove(handle); }
    void onWindowMessage(unsigned m, std::uintptr_t w, std::intptr_t l) override { received.push_back({m, w, l}); }

    const WindowHandle handle;
    QLineEdit* edit = nullptr;
    int shortcutsFired = 0;
    std::vector<KeyMessage> received;
};

class QtKeyHookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QtKeyHook::installProvider();
        window = std::make_unique<HookedWindow>();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { UninstallHook(); }

    std::vector<KeyMessage> delivered()
    {
        QCoreApplication::processEvents();
        return window->received;
    }

    std::unique_ptr<HookedWindow> window;
};

TEST_F(QtKeyHookTest, PressesAndReleasesReachTheHookedWindowAsKeyMessages)
{
    ASSERT_TRUE(InstallHook(window->handle));
    EXPECT_EQ(QtKeyHook::instance()->hookedWindow(), window->handle);
    QTest::keyPress(window->edit, Qt::Key_A);
    QTest::keyRelease(window->edit, Qt::Key_A);
    QTest::keyPress(window->edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyRelease(window->edit, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(window->edit, Qt::Key_F5);
    const std::vector<KeyMessage> got = delivered();
    ASSERT_EQ(got.size(), 6u);
    struct Expected {
        int vk;
        bool release;
        bool extended;
    };
    const Expected expected[] = {{'A', false, false}, {'A', true, false}, {13, false, true},
                                 {13, true, true},    {116, false, false}, {116, true, false}};
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].message, kMsgKeyEvent) << i;
        EXPECT_EQ(got[i].vk(), expected[i].vk) << i;
        EXPECT_EQ(got[i].release(), expected[i].release) << i;
        EXPECT_EQ(got[i].extended(), expected[i].extended) << i;
        EXPECT_EQ(got[i].wParam & ~((std::uintptr_t{1} << 31) | 0xFF), 0u) << "no other bits";
    }
}

TEST_F(QtKeyHookTest, HookedKeysAreSwallowedShortcutsAndDialogKeysIncluded)
{
    InstallHook(window->handle);
    QTest::keyClicks(window->edit, "abc");
    QTest::keyClick(window->edit, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(window->edit, Qt::Key_Escape);
    EXPECT_EQ(window->edit->text(), QString());
    EXPECT_EQ(window->shortcutsFired, 0);
    EXPECT_TRUE(window->isVisible()) << "Escape never reached the dialog";
    EXPECT_EQ(delivered().size(), 2u * 6u);

    UninstallHook();
    EXPECT_EQ(QtKeyHook::instance()->hookedWindow(), 0u);
    QTest::keyClicks(window->edit, "abc");
    QTest::keyClick(window->edit, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(window->edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(window->shortcutsFired, 1);
    EXPECT_EQ(delivered().size(), 12u) << "nothing posted once unhooked";
}

TEST_F(QtKeyHookTest, AHeldKeyRepeatsAsPressesOnly)
{
    InstallHook(window->handle);
    SyntheticKeys::press(window.get(), Qt::Key_B);
    for (int i = 0; i < 3; ++i) {
        SyntheticKeys::release(window.get(), Qt::Key_B, 0, true);
        SyntheticKeys::press(window.get(), Qt::Key_B, 0, true);
    }
    SyntheticKeys::release(window.get(), Qt::Key_B);
    const std::vector<KeyMessage> got = delivered();
    ASSERT_EQ(got.size(), 5u);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(got[static_cast<std::size_t>(i)].release()) << i;
    EXPECT_TRUE(got[4].release());
}

TEST_F(QtKeyHookTest, ScanCodesNameThePhysicalKeyAndTrackTheSidesOfShift)
{
    KeyStateTracker& keys = KeyStateTracker::global();
    InstallHook(window->handle);
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kRightShift);
    EXPECT_TRUE(keys.isDown(161));
    EXPECT_FALSE(keys.isDown(160));
    SyntheticKeys::press(window.get(), Qt::Key_Control, SyntheticKeys::kRightCtrl);
    SyntheticKeys::release(window.get(), Qt::Key_Control, SyntheticKeys::kRightCtrl);
    SyntheticKeys::release(window.get(), Qt::Key_Shift, SyntheticKeys::kRightShift);
    EXPECT_FALSE(keys.isDown(161));
    const std::vector<KeyMessage> got = delivered();
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].vk(), 16) << "Shift goes out as the generic code";
    EXPECT_EQ(got[1].vk(), 163);
    EXPECT_TRUE(got[1].extended());

    // Unhooked, the states are still followed (a key held when a recording starts).
    UninstallHook();
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    EXPECT_TRUE(keys.isDown(160));
    SyntheticKeys::release(window.get(), Qt::Key_Shift, SyntheticKeys::kLeftShift);
    EXPECT_FALSE(keys.isDown(160));
}

TEST_F(QtKeyHookTest, KeysCountAsUpOnceTheProgramLosesTheKeyboard)
{
    SyntheticKeys::press(window.get(), Qt::Key_Shift, SyntheticKeys::kRightShift);
    ASSERT_TRUE(KeyStateTracker::global().isDown(161));
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    EXPECT_FALSE(KeyStateTracker::global().isDown(161)) << "its release went to another program";
}

TEST_F(QtKeyHookTest, TheHookLetsGoWhenItsWindowIsGone)
{
    auto gone = std::make_unique<HookedWindow>();
    InstallHook(gone->handle);
    gone.reset();
    window->activateWindow();
    window->edit->setFocus();
    QTest::keyClicks(window->edit, "ok");
    EXPECT_EQ(window->edit->text(), QStringLiteral("ok"));
    EXPECT_EQ(QtKeyHook::instance()->hookedWindow(), 0u);
}

}  // namespace
