#pragma once

#include "screens/match.h"
#include "widgets/rememberedwindow.h"

#include <array>

class MatchBar;
class PictureBox;
class QPushButton;
struct ProgramState;

// `imatch`: four pictures and four name bars; the player lays each bar on its picture and
// presses Done.
class MatchForm : public RememberedWindow {
    Q_OBJECT
public:
    explicit MatchForm(ProgramState& state, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createBars();
    void showQuestion();
    void placeBars();
    void pressBar(int bar);
    void barReleased(int bar, QPoint pointer, bool dragged);
    void pressPicture(int picture);
    int pictureUnder(QPoint pointer) const;
    void focusNextBar();
    void done();

    ProgramState& state_;
    MatchQuestion question_;
    std::array<PictureBox*, MatchQuestion::count> image1_{};
    std::array<MatchBar*, MatchQuestion::count> btn1_{};
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    bool heldBeforePress_ = false;
};
