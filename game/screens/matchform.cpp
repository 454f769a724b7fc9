// SPDX-License-Identifier: GPL-2.0-or-later
#include "matchform.h"

#include "knowledge/ui.h"
#include "play/programstate.h"
#include "screens/formparts.h"
#include "screens/matchbar.h"
#include "widgets/formhelpers.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/twips.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

namespace {
const QColor lilac(0x80, 0x80, 0xFF);
const QColor paleYellow(0xFF, 0xFF, 0x80);
// Orange, magenta, cyan, green: bar 0, the rightmost, first.
const std::array<QColor, MatchQuestion::count> barColours{
    QColor(0xFF, 0x80, 0x00), QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0xFF, 0xFF),
    QColor(0x00, 0xFF, 0x00)};
// The bars as they stand, left to right.
constexpr std::array<int, MatchQuestion::count> barsLeftToRight{3, 2, 1, 0};

// The desktop's sans serif runs wider than the one the sizes were chosen for: a caption
// that would not fit its bar steps down until it does.
QFont barFont(const QString& caption, int width) {
    QFont font = sansFont(MatchQuestion::barFontSize(int(caption.size())), true);
    while (QFontMetrics(font).horizontalAdvance(caption) > width && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

QString pictureName(int picture) {
    return MatchForm::tr("Picture %1").arg(picture + 1);
}
} // namespace

MatchForm::MatchForm(ProgramState& state, QWidget* parent)
    : QuestionWindow(state, "imatch", tr("Match 'em"), matchForm, {9030, 6645}, {100, 100}, lilac,
                     parent) {
    open();
}

void MatchForm::createControls() {
    for (int p = 0; p < MatchQuestion::count; ++p) {
        auto* box =
            placed<PictureBox>(frame(), arrayName("Image1", p), MatchQuestion::pictureRect(p));
        // Numbered in reading order, which tells nothing of the animal; a missing picture
        // leaves the box empty.
        box->setText(pictureName(p));
        box->setTextWithoutPicture(false);
        onClick(box, this, [this, p] { pressPicture(p); });
        image1_[size_t(p)] = box;
    }
    createBars();
    cmdhelp_ = colouredButton(frame(), "cmdhelp", tr("Help"), {2520, 6120, 1095, 375}, paleYellow,
                              sansFont(12));
    command1_ = colouredButton(frame(), "Command1", tr("Done"), {4080, 6120, 1500, 375}, paleYellow,
                               sansFont(12));
    command2_ = colouredButton(frame(), "Command2", tr("Skip"), {6120, 6120, 1455, 375}, paleYellow,
                               sansFont(12));
    for (QPushButton* b : {command1_, command2_})
        b->setToolTip(tr("Click here when you are ready to proceed"));
    onClick(cmdhelp_, this, [this] { state_.ui.message(MatchQuestion::helpText()); });
    onClick(command1_, this, [this] { done(); });
    onClick(command2_, this, [this] { reject(); });
}

void MatchForm::createBars() {
    for (int k = 0; k < MatchQuestion::count; ++k) {
        auto* bar = placed<MatchBar>(frame(), arrayName("Btn1", k), MatchQuestion::homeRect(k));
        paintButton(*bar, barColours[size_t(k)]);
        onClick(bar, this, [this, k] { pressBar(k); });
        connect(bar, &MatchBar::grabbed, this, [this, k] {
            heldBeforePress_ = question_.dragging() && question_.dragBar() == k;
            question_.startDrag(k);
            placeBars();
        });
        connect(bar, &MatchBar::released, this,
                [this, k](QPoint pointer, bool dragged) { barReleased(k, pointer, dragged); });
        btn1_[size_t(k)] = bar;
    }
    // The keyboard visits the bars as they stand, left to right, after the pictures.
    QWidget* previous = image1_.back();
    for (int k : barsLeftToRight) {
        setTabOrder(previous, btn1_[size_t(k)]);
        previous = btn1_[size_t(k)];
    }
}

void MatchForm::showQuestion() {
    for (int k = 0; k < question_.barsDrawn(); ++k) {
        const QString caption = question_.caption(k);
        btn1_[size_t(k)]->setText(caption);
        btn1_[size_t(k)]->setFont(
            barFont(caption, twips(designRect(*btn1_[size_t(k)]).width()) - 8));
        image1_[size_t(k)]->load(findDataFile(state_.folders, question_.pictureFile(k)));
    }
    // After the drawing gave up there is nothing to match: only Skip is left.
    const bool complete = question_.complete();
    for (int k = 0; k < MatchQuestion::count; ++k) {
        btn1_[size_t(k)]->setEnabled(complete);
        image1_[size_t(k)]->setEnabled(complete);
    }
    command1_->setEnabled(complete);
    placeBars();
    if (complete)
        btn1_[size_t(barsLeftToRight[0])]->setFocus();
    else
        command2_->setFocus();
}

// Every bar where the question says it lies, and what a screen reader hears of it.
void MatchForm::placeBars() {
    for (int k = 0; k < MatchQuestion::count; ++k) {
        MatchBar* bar = btn1_[size_t(k)];
        setDesignRect(*bar, question_.barRect(k));
        const bool held = question_.dragging() && question_.dragBar() == k;
        bar->setHeld(held);
        const int on = question_.pictureOfBar(k);
        bar->setAccessibleDescription(held ? tr("held")
                                      : on == MatchQuestion::none
                                          ? QString()
                                          : MatchForm::tr("on %1").arg(pictureName(on)));
    }
    for (int p = 0; p < MatchQuestion::count; ++p) {
        const int bar = question_.barOnPicture(p);
        image1_[size_t(p)]->setAccessibleDescription(
            bar == MatchQuestion::none ? QString() : question_.caption(bar));
    }
}

// Enter, Space or a screen reader's press: picks the bar up, or puts a held bar down.
void MatchForm::pressBar(int bar) {
    if (question_.dragging() && question_.dragBar() == bar) {
        question_.cancelDrag();
        placeBars();
        return;
    }
    question_.startDrag(bar);
    placeBars();
    if (question_.dragging()) image1_[0]->setFocus(Qt::TabFocusReason);
}

void MatchForm::barReleased(int bar, QPoint pointer, bool dragged) {
    if (!dragged) {
        // A click without a drag picks the bar up; a second one puts it down again.
        if (heldBeforePress_) question_.cancelDrag();
    } else if (const int p = pictureUnder(pointer); p != MatchQuestion::none) {
        question_.drop(p);
    } else {
        question_.cancelDrag(); // let go elsewhere: back where it was
    }
    placeBars();
    btn1_[size_t(bar)]->update();
}

int MatchForm::pictureUnder(QPoint pointer) const {
    for (int p = 0; p < MatchQuestion::count; ++p)
        if (image1_[size_t(p)]->geometry().contains(pointer)) return p;
    return MatchQuestion::none;
}

void MatchForm::pressPicture(int picture) {
    if (!question_.dragging()) return;
    question_.drop(picture);
    placeBars();
    focusNextBar();
}

// After a drop the keyboard goes on with the next bar still to place, or with Done.
void MatchForm::focusNextBar() {
    for (int k : barsLeftToRight) {
        if (question_.pictureOfBar(k) == MatchQuestion::none) {
            btn1_[size_t(k)]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    command1_->setFocus(Qt::TabFocusReason);
}

void MatchForm::keyPressEvent(QKeyEvent* event) {
    // Escape first puts a held bar down; only then does it close the window.
    if (event->key() == Qt::Key_Escape && question_.dragging()) {
        question_.cancelDrag();
        placeBars();
        return;
    }
    RememberedWindow::keyPressEvent(event);
}

void MatchForm::done() {
    if (!question_.complete()) return;
    question_.done();
    accept();
}
