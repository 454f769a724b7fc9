// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/formparts.h"
#include "screens/oddout.h"

#include <array>

class PictureBox;
class QLabel;
class QPushButton;

// `Ioddout`: four pictures; clicking the one that does not fit answers.
class OddOneOutForm : public QuestionWindow<OddOneOutQuestion> {
    Q_OBJECT
public:
    explicit OddOneOutForm(ProgramState& state, QWidget* parent = nullptr);

private:
    void createControls() override;
    void showQuestion() override;
    void answer(int picture);

    QLabel* label1_ = nullptr;
    std::array<PictureBox*, OddOneOutQuestion::pictures> image1_{};
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* cmdSkip_ = nullptr;
};
