// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "widgets/rememberedwindow.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct ProgramState;

// `showscor`: after every answer, how it went, which kind of question it was, and the
// running score. "ok" closes it and the game goes on.
class ScoreBoard : public RememberedWindow {
    Q_OBJECT
public:
    explicit ScoreBoard(ProgramState& state, QWidget* parent = nullptr);

    void setResult(const QString& text);
    void setHeading(const QString& text);
    // Shows the current player's running score.
    void scoreCaption();

private:
    ProgramState& state_;
    QPlainTextEdit* text1_;
    QPushButton* command1_;
    QLabel* label2_;
    QLabel* label1_;
};
