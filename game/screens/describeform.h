#pragma once

#include "screens/describe.h"
#include "widgets/rememberedwindow.h"

#include <array>

class OptionButton;
class QLabel;
class QPushButton;
struct ProgramState;

// `ichoice`: the pictured animal and five descriptions; pressing one answers.
class DescribeForm : public RememberedWindow {
    Q_OBJECT
public:
    explicit DescribeForm(ProgramState& state, QWidget* parent = nullptr);

private:
    void createControls();
    void showQuestion();
    void answer(int option);

    ProgramState& state_;
    DescribeQuestion question_;
    QLabel* label1_ = nullptr;
    QLabel* image1_ = nullptr;
    std::array<OptionButton*, DescribeQuestion::options> choice_{};
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* command1_ = nullptr;
};
