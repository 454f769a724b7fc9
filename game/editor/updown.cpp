#include "updown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

UpDown::UpDown(QLineEdit& buddy, int low, int high, const QString& caption, QWidget* parent)
    : QWidget(parent), buddy_(buddy), low_(low), high_(high),
      up_(arrow(Qt::UpArrow, caption + " up", 1)),
      down_(arrow(Qt::DownArrow, caption + " down", -1)) {
    buddy_.installEventFilter(this);
}

QToolButton* UpDown::arrow(Qt::ArrowType type, const QString& name, int steps) {
    auto* b = new QToolButton(this);
    b->setArrowType(type);
    b->setAccessibleName(name);
    b->setAutoRepeat(true);
    // The box holds the keyboard; the buttons are for the mouse and the screen reader.
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, steps] { stepBy(steps); });
    return b;
}

void UpDown::stepBy(int steps) {
    bool ok = false;
    const int value = buddy_.text().trimmed().toInt(&ok);
    const int stepped = ok ? std::clamp(value + steps, low_, high_) : low_;
    buddy_.setText(QString::number(stepped));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &buddy_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
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
