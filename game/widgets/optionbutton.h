// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRadioButton>

// An option of a multiple-choice question. It answers on a press of any mouse button, on
// Enter or Space, and on a screen reader's press or toggle action; moving through the
// options with the arrow keys only moves the focus, so looking around never answers.
// Long captions wrap inside the option.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);

    // Marks the option as the one answered, without answering again.
    void select();

signals:
    void chosen();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void unselect();
    // Arrow keys walk round the options of the question.
    void focusNeighbour(int step);

    bool selecting_ = false;
};
