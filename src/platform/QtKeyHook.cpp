#include "QtKeyHook.h"

#include "KeyStateTracker.h"
#include "MessageSink.h"
#include "QtMessageSink.h"
#include "VirtualKeyTable.h"
#include "WindowRegistry.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

constexpr std::uintptr_t kReleaseBit = std::uintptr_t{1} << 31;
constexpr std::intptr_t kExtendedBit = std::intptr_t{1} << 24;
constexpr std::uintptr_t kCodeMask = 0xFF;

QtKeyHook* theHook = nullptr;

// Platforms whose native scan code is the XKB keycode of the physical key. The offscreen
// platform delivers none of its own; events made for it carry XKB keycodes when they carry any.
bool platformGivesXkbKeycodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")) ||
           platform == QLatin1String("offscreen");
}

VirtualKey virtualKeyOf(const QKeyEvent& key, bool scanCodesAreXkb)
{
    return VirtualKeyTable::of(key.nativeScanCode(), scanCodesAreXkb, key.key(), key.modifiers());
}

}  // namespace

QtKeyHook::QtKeyHook(QObject* parent) : QObject(parent), scanCodesAreXkb_(platformGivesXkbKeycodes())
{
    setObjectName(QStringLiteral("QtKeyHook"));
}

QtKeyHook::~QtKeyHook()
{
    setKeyHookProvider(nullptr);
    theHook = nullptr;
}

void QtKeyHook::installProvider()
{
    if (theHook != nullptr || QCoreApplication::instance() == nullptr) return;
    QtMessageSink::install();
    theHook = new QtKeyHook(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(theHook);
    setKeyHookProvider(theHook);
}

QtKeyHook* QtKeyHook::instance() { return theHook; }

bool QtKeyHook::install(WindowHandle window)
{
    window_ = window;
    return window != 0;
}

bool QtKeyHook::uninstall()
{
    window_ = 0;
    return true;
}

bool QtKeyHook::hookedWindowAlive()
{
    if (window_ == 0) return false;
    if (WindowRegistry::find(window_) != nullptr) return true;
    // Its window is gone: swallowing keys for nobody would leave the program deaf.
    window_ = 0;
    return false;
}

bool QtKeyHook::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationStateChange &&
        static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
        KeyStateTracker::global().releaseAll();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    const bool release = type == QEvent::KeyRelease;
    if (type != QEvent::ShortcutOverride) {
        const int stateCode = virtualKeyOf(key, scanCodesAreXkb_).stateCode;
        if (release && !key.isAutoRepeat()) KeyStateTracker::global().release(stateCode);
        if (!release) KeyStateTracker::global().press(stateCode);
    }
    if (!hookedWindowAlive()) return QObject::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Taken as an ordinary key, which is then swallowed below: no shortcut fires.
        event->accept();
        return true;
    }
    // A held key repeats as release and press pairs on some platforms; the hook reports
    // repeats as presses only.
    if (!(release && key.isAutoRepeat())) post(key, release);
    return true;
}

void QtKeyHook::post(const QKeyEvent& key, bool release)
{
    const VirtualKey vk = virtualKeyOf(key, scanCodesAreXkb_);
    const std::uintptr_t wParam = (static_cast<std::uintptr_t>(vk.code) & kCodeMask) | (release ? kReleaseBit : 0);
    const std::intptr_t lParam = vk.extended ? kExtendedBit : 0;
    postMessage(window_, kMsgKeyEvent, wParam, lParam);
}
