// The notification-area icon: what its clicks post to the window, and a desktop without a
// notification area.
#include "NotificationIcon.h"

#include "QtMessageSink.h"
#include "WindowMessageReceiver.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Receiver final : WindowMessageReceiver {
    Receiver() : handle(WindowRegistry::add(this)) {}
    ~Receiver() override { WindowRegistry::remove(handle); }
    void onWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        received.push_back({message, wParam, lParam});
    }
    struct Message {
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        friend bool operator==(const Message&, const Message&) = default;
    };
    WindowHandle handle;
    std::vector<Message> received;
};

class NotificationIconTest : public ::testing::Test {
protected:
    void SetUp() override { QtMessageSink::install(); }
    void TearDown() override { NotificationIcon::setAvailableForTesting(std::nullopt); }
};

}  // namespace

TEST_F(NotificationIconTest, ClicksArePostedAsMouseMessagesWithTheIconsId)
{
    NotificationIcon::setAvailableForTesting(true);
    Receiver window;
    NotificationIcon icon(window.handle, QIcon(), QStringLiteral("VornicTamsk"));
    ASSERT_TRUE(icon.add());
    ASSERT_TRUE(icon.isShown());
    EXPECT_EQ(icon.trayIcon()->toolTip(), QStringLiteral("VornicTamsk"));
    EXPECT_EQ(icon.trayIcon()->contextMenu(), &icon.menu());

    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context,
                        QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
        emit icon.trayIcon()->activated(reason);
    QApplication::processEvents();
    const std::vector<Receiver::Message> expected = {
        {kMsgTrayIcon, 128, 0x202}, {kMsgTrayIcon, 128, 0x203}, {kMsgTrayIcon, 128, 0x205}};
    EXPECT_EQ(window.received, expected);

    icon.remove();
    EXPECT_FALSE(icon.isShown());
}

TEST_F(NotificationIconTest, WithoutANotificationAreaNothingIsShown)
{
    NotificationIcon::setAvailableForTesting(false);
    NotificationIcon icon(1, QIcon(), QStringLiteral("VornicTamsk"));
    EXPECT_FALSE(icon.add());
    EXPECT_FALSE(icon.isShown());
    EXPECT_EQ(icon.trayIcon(), nullptr);
    icon.remove();  // harmless
}

TEST_F(NotificationIconTest, TheTipKeepsAtMost127Characters)
{
    const QString longTip(200, QLatin1Char('x'));
    EXPECT_EQ(NotificationIcon(1, QIcon(), longTip).tip(), QString(127, QLatin1Char('x')));
}
