#include "SyntheticKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

// What typing the key would insert: letters and digits only, enough for the tests' edits.
QString textOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return QString(QChar(key - Qt::Key_A + 'a'));
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return QString(QChar(key));
    return {};
}

bool send(QEvent::Type type, QWidget* target, int key, std::uint32_t scanCode, bool autoRepeat,
          Qt::KeyboardModifiers modifiers)
{
    QWidget* receiver = target->focusWidget() != nullptr ? target->focusWidget() : target;
    QKeyEvent event(type, key, modifiers, scanCode, 0, 0, textOf(key), autoRepeat);
    return QCoreApplication::sendEvent(receiver, &event);
}

}  // namespace

bool SyntheticKeys::press(QWidget* target, int key, std::uint32_t scanCode, bool autoRepeat, Qt::KeyboardModifiers modifiers)
{
    return send(QEvent::KeyPress, target, key, scanCode, autoRepeat, modifiers);
}

bool SyntheticKeys::release(QWidget* target, int key, std::uint32_t scanCode, bool autoRepeat, Qt::KeyboardModifiers modifiers)
{
    return send(QEvent::KeyRelease, target, key, scanCode, autoRepeat, modifiers);
}
