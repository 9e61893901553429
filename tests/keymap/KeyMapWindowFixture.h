#pragma once

// A key mapping window on the offscreen platform with its real faces, for one key of a fresh
// profile; clicks land at the coordinates of the window's layout.
#include "ActionListBuilders.h"
#include "AppResources.h"
#include "CSkinScrollBar.h"
#include "CZelkDialogKeyMapSettings.h"
#include "KeyboardProfile.h"
#include "QtKeyHook.h"
#include "ScriptedPrompts.h"
#include "SyntheticKeys.h"
#include "TipPopup.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace keymaptest {

// Points of the layout (client pixels).
inline const QPoint kOk(407, 336);
inline const QPoint kCancel(503, 336);
inline const QPoint kClear(75, 336);
inline const QPoint kClose(555, 20);
inline QPoint tab(int page) { return {56 + 78 * (page - 1), 64}; }
inline QPoint mediaChoice(int k) { return {63 + 50 * k, 170}; }          // 401 + k
inline QPoint macroRow(int r) { return {107, 120 + 14 * r}; }            // 221 + r, 321 + r on page 3
inline QPoint actionRow(int r) { return {284, 120 + 14 * r}; }           // 241 + r, 341 + r on page 3
inline QPoint comboRow(int r) { return {284, 143 + 16 * r}; }            // 121 + r
inline const QPoint kNewOnLeftList(75, 273);                             // 205, 305
inline const QPoint kDeleteOnLeftList(144, 273);                         // 206, 306
inline const QPoint kNewCombo(250, 260);
inline const QPoint kDeleteCombo(320, 260);
// Page 1: the switch and the two record buttons.
inline const QPoint kUniques(80, 112);       // 101
inline const QPoint kCombo(242, 112);        // 102
inline const QPoint kCaptureSingle(104, 221);  // 104
inline const QPoint kRecordCombo(450, 260);  // 107
// Page 2: play modes, delay modes, record.
inline const QPoint kTimesPlay(397, 122);    // 201
inline const QPoint kPlayWhileHeld(397, 142);  // 208
inline const QPoint kPlayToggle(397, 162);   // 209
inline const QPoint kAutoDelay(397, 182);    // 203
inline const QPoint kRecordedDelays(397, 202);  // 210
inline const QPoint kRecordMacro(462, 231);  // 207
// Page 3: record.
inline const QPoint kRecordEmulation(460, 163);  // 302

// Where the window grabs go for a person to look at: build/test-output/keymap.
inline QString outputFolder()
{
    const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../test-output/keymap"));
    QDir().mkpath(folder);
    return folder;
}

// Key events as they reach a running window; the key hook's messages are delivered before
// these return.
inline void deliver() { QCoreApplication::processEvents(); }
inline void press(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(window, static_cast<Qt::Key>(key), modifiers);
    deliver();
}
inline void release(QWidget* window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyRelease(window, static_cast<Qt::Key>(key), modifiers);
    deliver();
}
inline void tap(QWidget* window, int key)
{
    press(window, key);
    release(window, key);
}
// The window the key hook posts to; 0 when no window is hooked.
inline WindowHandle hooked() { return QtKeyHook::instance() != nullptr ? QtKeyHook::instance()->hookedWindow() : 0; }
inline std::vector<std::u16string> linesOf(const ActionList& list) { return list.lines; }

class KeyMapWindowTest : public ::testing::Test {
protected:
    static constexpr int kKey = 30;

    void SetUp() override
    {
        AppResources::load();
        // What the application does at start: the key hook over Qt's key events.
        QtKeyHook::installProvider();
        profile = std::make_unique<KeyboardProfile>();
        profile->initCatalogue();
        profile->resetProfile();
        profile->selectedKey = kKey;
        profile->currentLayer = 0;
    }

    KeyAssignment& key(int layer = 0) { return profile->assignment(kKey, layer); }

    std::unique_ptr<CZelkDialogKeyMapSettings> open()
    {
        auto window = std::make_unique<CZelkDialogKeyMapSettings>(*profile);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    // Through the platform window, so the child control under the point takes the click as
    // it would from the user.
    static void click(QWidget* window, QPoint at) { QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at); }

    template <typename T>
    static T* control(QWidget* window, int id)
    {
        return window->findChild<T*>(QString::number(id));
    }
    static QLineEdit* inPlaceEdit(QWidget* window) { return control<QLineEdit>(window, 1003); }
    static CSkinScrollBar* bar(QWidget* window, int id) { return control<CSkinScrollBar>(window, id); }

    static const SkinButton& recordOf(const CZelkDialogKeyMapSettings& window, int id)
    {
        for (const SkinButton& b : window.buttonTable)
            if (b.id == id) return b;
        static const SkinButton none;
        return none;
    }
    static QString caption(const CZelkDialogKeyMapSettings& window, int id, const std::string& language = "en-US")
    {
        return QString::fromStdU16String(recordOf(window, id).caption(language));
    }

    static QImage face(int id) { return AppResources::instance().bitmap(id).toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage grabbed(QWidget* window) { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Whether a rectangle of the window shows exactly that rectangle of a face image.
    static bool shows(const QImage& shown, int imageId, const SkinRect& rect)
    {
        const QImage image = face(imageId);
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                if (shown.pixel(x, y) != image.pixel(x, y)) return false;
        return true;
    }


    ScriptedPrompts prompts;
    std::unique_ptr<KeyboardProfile> profile;
};

}  // namespace keymaptest
