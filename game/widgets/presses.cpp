// SPDX-License-Identifier: GPL-2.0-or-later
#include "presses.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextEdit>

namespace {

// Keys whose repeats only move about the window.
bool moves(int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

// A box the player types into. A key it does not take goes on to its window, and is
// judged there again.
bool typesInto(const QObject* target) {
    if (auto* line = qobject_cast<const QLineEdit*>(target)) return !line->isReadOnly();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(target)) return !text->isReadOnly();
    if (auto* text = qobject_cast<const QTextEdit*>(target)) return !text->isReadOnly();
    if (auto* spin = qobject_cast<const QAbstractSpinBox*>(target)) return !spin->isReadOnly();
    return false;
}

// Sees every key before any control does. A key held down on one window goes on to the
// window that opens over it: without this, a held Enter answers question after question.
class HeldKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        const auto& key = *static_cast<QKeyEvent*>(event);
        // The window gets the key first and hands it to its control: judged there.
        if (!repeated(key) || !watched->isWidgetType() || moves(key.key()) || typesInto(watched))
            return false;
        // Taken as the control's own key, a repeat reaches no shortcut either.
        event->accept();
        return true;
    }

private:
    // The window system stamps a repeat's release and press alike. Qt looks ahead for the
    // press as it handles the release, and while the program is busy (a window opening) it
    // can miss it: both then come as if a person had let go and pressed again.
    bool repeated(const QKeyEvent& key) {
        const Stamp stamp{key.key(), key.timestamp()};
        if (key.type() == QEvent::KeyRelease) {
            released_ = stamp;
            return key.isAutoRepeat();
        }
        return key.isAutoRepeat() || (stamp.time != 0 && stamp == released_);
    }

    struct Stamp {
        int key = 0;
        quint64 time = 0;
        bool operator==(const Stamp&) const = default;
    };
    Stamp released_;
};

} // namespace

void ignoreHeldKeys(QApplication& app) {
    app.installEventFilter(new HeldKeys(&app));
}

bool blockedByModal(const QWidget& control) {
    // Every modal window of the game blocks all the others (exec() makes it so); only the
    // topmost one and the windows that belong to it take presses.
    const QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return false;
    for (const QWidget* w = control.window(); w; w = w->parentWidget())
        if (w == modal) return false;
    return true;
}

QMetaObject::Connection onToggle(QAbstractButton* box, QObject* context,
                                 std::function<void(bool)> action) {
    return QObject::connect(box, &QAbstractButton::toggled, context,
                            [box, action = std::move(action)](bool on) {
                                if (!blockedByModal(*box)) return action(on);
                                const QSignalBlocker quiet(box);
                                box->setChecked(!on);
                            });
}
