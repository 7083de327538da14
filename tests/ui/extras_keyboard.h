#pragma once
// Key presses delivered the way the platform delivers them: first the
// shortcut override (where menus and application shortcuts get their
// chance), then the key press to the focused widget.

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QWidget>

Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject *o, ulong timestamp, int k,
                                               Qt::KeyboardModifiers mods,
                                               const QString &text = QString(),
                                               bool autorep = false, ushort count = 1);

namespace extras_test {

inline void PressKey(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    const bool printable = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde;
    const QString text = printable && !(modifiers & (Qt::ControlModifier | Qt::AltModifier))
                             ? QString(QChar(key)).toLower()
                             : QString();
    if (qt_sendShortcutOverrideEvent(target, 0, key, modifiers, text))
        return; // a shortcut took the key
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

// Lets the platform's activation arrive; false when it never does.
inline bool WaitForActive(QWidget *window, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!window->isActiveWindow() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return window->isActiveWindow();
}

} // namespace extras_test
