// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/describe.h"
#include "screens/formparts.h"

#include <array>

class OptionButton;
class QLabel;
class QPushButton;

// `ichoice`: the pictured animal and five descriptions; pressing one answers.
class DescribeForm : public QuestionWindow<DescribeQuestion> {
    Q_OBJECT
public:
    explicit DescribeForm(ProgramState& state, QWidget* parent = nullptr);

private:
    void createControls() override;
    void showQuestion() override;
    void answer(int option);

    QLabel* label1_ = nullptr;
    QLabel* image1_ = nullptr;
    std::array<OptionButton*, DescribeQuestion::options> choice_{};
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* command1_ = nullptr;
};
