// SPDX-License-Identifier: GPL-2.0-or-later
#include "matchbar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

MatchBar::MatchBar(QWidget* parent) : QPushButton(parent) {
    setToolTip(tr("Click and drag this item to its description, below"));
    // Enter on a focused bar picks it up, never a button of the window.
    setAutoDefault(true);
}

void MatchBar::setHeld(bool held) {
    if (held == held_) return;
    held_ = held;
    update();
}

void MatchBar::mousePressEvent(QMouseEvent* event) {
    // Any mouse button takes the bar; the button's own click is left to the keyboard and
    // to screen readers.
    event->accept();
    setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    dragged_ = false;
    pressedAt_ = event->globalPosition().toPoint();
    grabOffset_ = event->position().toPoint();
    raise();
    emit grabbed();
}

void MatchBar::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!pressed_) return;
    const QPoint now = event->globalPosition().toPoint();
    if (!dragged_ && (now - pressedAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragged_ = true;
    // The bar follows the pointer, held where it was taken, and stays inside the window.
    QPoint to = mapToParent(event->position().toPoint()) - grabOffset_;
    if (parentWidget()) {
        to.setX(std::clamp(to.x(), 0, std::max(0, parentWidget()->width() - width())));
        to.setY(std::clamp(to.y(), 0, std::max(0, parentWidget()->height() - height())));
    }
    move(to);
}

void MatchBar::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!pressed_) return;
    pressed_ = false;
    emit released(mapToParent(event->position().toPoint()), dragged_);
}

void MatchBar::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!held_ && !hasFocus()) return;
    // A held bar wears a thick dashed frame, the bar with the keyboard a solid one: both
    // plain to see on every colour.
    QPainter p(this);
    p.setPen(QPen(Qt::black, held_ ? 3 : 2, held_ ? Qt::DashLine : Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}
