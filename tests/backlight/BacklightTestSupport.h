#pragma once
// What the backlight window tests share: the profile on a simulated keyboard of the test's
// own, scripted prompts, the faces, and where each key is.
#include "AppResources.h"
#include "BacklightKeys.h"
#include "CZelkDialogProgress.h"
#include "KeyboardProfile.h"
#include "ScriptedPrompts.h"
#include "SimulatedKeyboard.h"
#include "WindowTestSupport.h"
#include "WorkerThreads.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace backlight_test {



class BacklightWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AppResources::load();
        profile = profileOnTestKeyboard(stateDir);
        // The pause after writing the lights: none, unless a test holds it at its gate.
        CZelkDialogProgress::setWait([](std::chrono::milliseconds) {});
    }

    void TearDown() override
    {
        gate->release();
        WorkerThreads::waitForAll();  // no worker may outlive the profile
        CZelkDialogProgress::setWait({});
    }

    void holdWorkers()
    {
        CZelkDialogProgress::setWait([g = gate](std::chrono::milliseconds) { g->wait(); });
    }

    template <typename Window>
    std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>(*profile);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    static const BacklightKey& key(int keyIndex) { return BacklightKeys::all()[static_cast<std::size_t>(keyIndex - 1)]; }
    static QPoint centreOf(int keyIndex) { return toQRect(key(keyIndex).rect).center(); }
    // A point inside the left band of a key's light frame.
    static QPoint frameOf(int keyIndex) { return QPoint(key(keyIndex).rect.left - 1, centreOf(keyIndex).y()); }

    static void click(QWidget& window, QPoint point) { QTest::mouseClick(&window, Qt::LeftButton, {}, point); }

    static QImage face(int id) { return AppResources::instance().bitmap(id).toImage().convertToFormat(QImage::Format_RGB32); }
    static QImage grabbed(QWidget& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Pixels brighter than the panel inside a rectangle: caption text.
    static int textPixels(const QImage& image, const QRect& rect)
    {
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) n += qGray(image.pixel(x, y)) > 150 ? 1 : 0;
        return n;
    }

    static QString outputPath(const QString& name)
    {
        const QString folder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../test-output"));
        QDir().mkpath(folder);
        return QDir(folder).filePath(name);
    }

    QTemporaryDir stateDir;
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
    std::unique_ptr<KeyboardProfile> profile;
    ScriptedPrompts prompts;
};

}  // namespace backlight_test
