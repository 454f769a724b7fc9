// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <utility>

class QAbstractButton;
class QApplication;
class QWidget;

// Only the first press of a held key counts: its repeats never answer, dismiss or start
// anything, whichever window they reach. They still move the focus, and still type into a
// text box, where a person expects them to go on.
void ignoreHeldKeys(QApplication& app);

// Whether a modal window stands over the control's window. The player cannot reach the
// control then, but a screen reader still can.
bool blockedByModal(const QWidget& control);

// Connects a control's press (clicked, chosen, stepped...) to `action`, which a press on a
// window blocked by a modal window never reaches.
template <class Control, class Signal, class Action>
QMetaObject::Connection onPress(Control* control, Signal signal, QObject* context, Action action) {
    return QObject::connect(control, signal, context,
                            [control, action](auto... args) -> decltype(void(action(args...))) {
                                if (!blockedByModal(*control)) action(args...);
                            });
}

// The same for a button's click.
template <class Button, class Action>
QMetaObject::Connection onClick(Button* button, QObject* context, Action action) {
    return onPress(button, &Button::clicked, context, std::move(action));
}

// The same for a box's tick. A box ticked on a blocked window goes back as it was: it may
// not show a choice the game did not take.
QMetaObject::Connection onToggle(QAbstractButton* box, QObject* context,
                                 std::function<void(bool)> action);
