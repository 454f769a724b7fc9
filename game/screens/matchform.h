// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/formparts.h"
#include "screens/match.h"

#include <array>

class MatchBar;
class PictureBox;
class QPushButton;

// `imatch`: four pictures and four name bars; the player lays each bar on its picture and
// presses Done.
class MatchForm : public QuestionWindow<MatchQuestion> {
    Q_OBJECT
public:
    explicit MatchForm(ProgramState& state, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls() override;
    void createBars();
    void showQuestion() override;
    void placeBars();
    void pressBar(int bar);
    void barReleased(int bar, QPoint pointer, bool dragged);
    void pressPicture(int picture);
    int pictureUnder(QPoint pointer) const;
    void focusNextBar();
    void done();

    std::array<PictureBox*, MatchQuestion::count> image1_{};
    std::array<MatchBar*, MatchQuestion::count> btn1_{};
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    bool heldBeforePress_ = false;
};
