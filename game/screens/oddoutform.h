#pragma once

#include "screens/oddout.h"
#include "widgets/rememberedwindow.h"

#include <array>

class PictureBox;
class QLabel;
class QPushButton;
struct ProgramState;

// `Ioddout`: four pictures; clicking the one that does not fit answers.
class OddOneOutForm : public RememberedWindow {
    Q_OBJECT
public:
    explicit OddOneOutForm(ProgramState& state, QWidget* parent = nullptr);

private:
    void createControls();
    void showQuestion();
    void answer(int picture);

    ProgramState& state_;
    OddOneOutQuestion question_;
    QLabel* label1_ = nullptr;
    std::array<PictureBox*, OddOneOutQuestion::pictures> image1_{};
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* cmdSkip_ = nullptr;
};
