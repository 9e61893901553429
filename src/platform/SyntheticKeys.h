#pragma once

#include <Qt>

#include <cstdint>

class QWidget;

// Test aid: key events as a platform delivers them, with what QTest cannot give (a native scan
// code, an automatic repeat). They go through the application (QCoreApplication::sendEvent),
// so application-wide event filters such as the key hook see them first.
//
//   SyntheticKeys::press(window, Qt::Key_Shift, SyntheticKeys::kRightShift);
//   SyntheticKeys::press(window, Qt::Key_A, 0, /*autoRepeat=*/true);
class SyntheticKeys {
public:
    // XKB keycodes (evdev code + 8) of a few keys whose side or block the Qt key cannot tell.
    static constexpr std::uint32_t kLeftShift = 50;
    static constexpr std::uint32_t kRightShift = 62;
    static constexpr std::uint32_t kLeftCtrl = 37;
    static constexpr std::uint32_t kRightCtrl = 105;
    static constexpr std::uint32_t kKeypadEnter = 104;

    // The event goes to the focus widget of the target's window, or the target itself.
    static bool press(QWidget* target, int key, std::uint32_t scanCode = 0, bool autoRepeat = false,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static bool release(QWidget* target, int key, std::uint32_t scanCode = 0, bool autoRepeat = false,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};
