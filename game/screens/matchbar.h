// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPushButton>

// A name bar of the match-them screen. The mouse drags it: it follows the pointer and is
// let go over a picture. A click that does not move it, Enter, Space or a screen reader's
// press pick it up instead (it shows that it is held), and a picture pressed next takes it.
class MatchBar : public QPushButton {
    Q_OBJECT
public:
    explicit MatchBar(QWidget* parent = nullptr);

    void setHeld(bool held);
    bool held() const { return held_; }

signals:
    // A mouse button went down on the bar.
    void grabbed();
    // The mouse let go: where the pointer is, in the parent's coordinates, and whether the
    // bar was dragged there or only clicked.
    void released(QPoint pointer, bool dragged);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint grabOffset_;
    QPoint pressedAt_;
    bool pressed_ = false;
    bool dragged_ = false;
    bool held_ = false;
};
