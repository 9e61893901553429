#pragma once

#include "KeyHook.h"

#include <QObject>

class QKeyEvent;

// The device library's key hook, built on an application-wide Qt event filter.
//
// While a window is hooked (InstallHook(window)), every key press and release that reaches the
// program is posted to that window as message 0x466: wParam bits 0-7 the virtual-key code
// (VirtualKeyTable), bit 31 set for a release; lParam bit 24 set for an extended key (the
// keypad Enter among them). The keys are swallowed meanwhile: no shortcut, no edit and no
// dialog key (Enter, Escape) sees them. A held key repeats as presses only.
//
// Whether or not a window is hooked, the filter keeps KeyStateTracker::global() up to date
// (all keys up when the program loses the keyboard).
// If the hooked window goes away without unhooking, the hook lets go at the next key.
//
// The application installs it once, after creating its QApplication:
//   QtKeyHook::installProvider();
class QtKeyHook final : public QObject, public KeyHookProvider {
public:
    // Creates the program's hook (once; later calls do nothing) and makes it the provider behind
    // InstallHook and UninstallHook. Needs a QApplication; the hook lives as long as it does.
    static void installProvider();
    // The program's hook, nullptr before installProvider().
    static QtKeyHook* instance();

    bool install(WindowHandle window) override;
    bool uninstall() override;
    // The window the key events go to; 0 while unhooked.
    WindowHandle hookedWindow() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit QtKeyHook(QObject* parent);
    ~QtKeyHook() override;

    bool hookedWindowAlive();
    void post(const QKeyEvent& key, bool release);

    WindowHandle window_ = 0;
    bool scanCodesAreXkb_ = false;
};
