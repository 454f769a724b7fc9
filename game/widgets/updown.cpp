// SPDX-License-Identifier: GPL-2.0-or-later
#include "updown.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

// A screen reader meets the spinner as a spin button named after its box's caption, with
// the two actions it expects of one.
class UpDownAccessible : public QAccessibleWidget {
public:
    explicit UpDownAccessible(UpDown* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString& name) override {
        auto* spinner = static_cast<UpDown*>(widget());
        if (name == increaseAction())
            spinner->step(1);
        else if (name == decreaseAction())
            spinner->step(-1);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            const QLineEdit* box = static_cast<UpDown*>(widget())->buddy();
            return box ? box->text() : QString();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* upDownInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("UpDown") && object && object->isWidgetType())
        return new UpDownAccessible(static_cast<UpDown*>(object));
    return nullptr;
}

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
    auto* b = new QToolButton(parent);
    b->setArrowType(type);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRepeat(true);
    b->setAccessibleName(name);
    return b;
}

} // namespace

UpDown::UpDown(QLineEdit& buddy, QWidget* parent)
    : QWidget(parent), buddy_(&buddy), up_(arrow(this, Qt::UpArrow, tr("Up"))),
      down_(arrow(this, Qt::DownArrow, tr("Down"))) {
    // Registered once for the whole program, before the first spinner is asked for.
    static const bool registered = (QAccessible::installFactory(upDownInterface), true);
    Q_UNUSED(registered);
    setFocusPolicy(Qt::NoFocus);
    buddy.installEventFilter(this);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
