// SPDX-License-Identifier: GPL-2.0-or-later
#include "readaloud.h"

#include "play/speech.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCursor>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>

namespace {

const QKeySequence switchKeys(Qt::CTRL | Qt::Key_R);

QString itemText(const QModelIndex& index) {
    return index.data(Qt::DisplayRole).toString();
}

// Watches one window and every control in it.
class Reader : public QObject {
public:
    Reader(QWidget& window, Speech& speech, std::function<QString()> opening)
        : QObject(&window), window_(window), speech_(speech), opening_(std::move(opening)) {
        auto* keys = new QShortcut(switchKeys, &window);
        keys->setContext(Qt::WindowShortcut);
        connect(keys, &QShortcut::activated, this, [this] { speech_.toggle(); });
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) opened();
        if (watched == &window_ && event->type() == QEvent::WindowUnblocked) rest();
        if (!speech_.on() || watched == &window_) return false;
        auto* control = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Enter:
            pointedAt(*control);
            break;
        case QEvent::FocusIn:
            focused(*control, static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::MouseMove:
            pointedAtItem(*control, static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Once the window shows, every control in it stands, a message box's buttons too.
    void watchControls() {
        for (QWidget* control : window_.findChildren<QWidget*>()) {
            control->installEventFilter(this);
            auto* view = qobject_cast<QAbstractItemView*>(control);
            if (!view) continue;
            view->viewport()->setMouseTracking(true);
            connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                    [this, view](const QModelIndex& current) {
                        if (view->hasFocus()) speech_.say(itemText(current));
                    });
        }
    }

    void opened() {
        if (!watching_) watchControls();
        watching_ = true;
        rest();
        if (opening_) speech_.say(opening_());
    }

    // A window that opens, or comes back when a window over it closes, under a pointer at
    // rest does not name what it came under: the pointer has not moved.
    void rest() {
        restingAt_ = QCursor::pos();
        resting_ = true;
    }

    void pointedAt(QWidget& control) {
        if (resting_ && QCursor::pos() == restingAt_) return;
        resting_ = false;
        // A text box or a list is named by its page, its items as the pointer moves on.
        if (isViewport(control) || qobject_cast<QAbstractScrollArea*>(&control)) return;
        speech_.say(spokenName(control));
    }

    // Only the keyboard's moves: the mouse spoke on arrival, and a window that puts the
    // focus somewhere as it opens (a dialog does so as if by Tab) has its opening to say.
    void focused(QWidget& control, Qt::FocusReason reason) {
        if (!window_.isActiveWindow()) return;
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            speech_.say(spokenName(control));
    }

    void pointedAtItem(QWidget& viewport, QPoint at) {
        if (!isViewport(viewport)) return;
        auto* view = static_cast<QAbstractItemView*>(viewport.parentWidget());
        const QModelIndex item = view->indexAt(at);
        if (item == hoveredItem_) return;
        hoveredItem_ = item;
        if (item.isValid()) speech_.say(itemText(item));
    }

    static bool isViewport(const QWidget& control) {
        auto* view = qobject_cast<QAbstractItemView*>(control.parentWidget());
        return view && view->viewport() == &control;
    }

    QWidget& window_;
    Speech& speech_;
    std::function<QString()> opening_;
    QPoint restingAt_;
    bool resting_ = false;
    bool watching_ = false;
    QPersistentModelIndex hoveredItem_;
};

} // namespace

void readAloud(QWidget& window, Speech& speech, std::function<QString()> opening) {
    new Reader(window, speech, std::move(opening));
}

QString readAloudKeys() {
    return switchKeys.toString(QKeySequence::NativeText);
}

QString spokenName(QWidget& control) {
    if (auto* view = qobject_cast<QAbstractItemView*>(&control);
        view && view->currentIndex().isValid())
        return itemText(view->currentIndex());
    // The page of a text box is the box.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control.parentWidget());
        area && area->viewport() == &control)
        return spokenName(*area);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&control);
    if (!a) return {};
    QStringList parts{a->text(QAccessible::Name)};
    if (const QString value = a->text(QAccessible::Value); value != parts.front()) parts << value;
    // Its own description only: a screen reader falls back on the tool tip, which a child
    // need not hear each time the pointer passes.
    parts << control.accessibleDescription();
    parts.removeAll(QString());
    return parts.join(", ");
}
