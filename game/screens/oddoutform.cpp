// SPDX-License-Identifier: GPL-2.0-or-later
#include "oddoutform.h"

#include "knowledge/ui.h"
#include "play/programstate.h"
#include "screens/formparts.h"
#include "widgets/formhelpers.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor rust(0xC0, 0x40, 0x00);
const QColor paleYellow(0xFF, 0xFF, 0x80);

// Top left, top right, bottom left, bottom right, in twips.
const std::array<QRect, OddOneOutQuestion::pictures> pictureBoxes{
    QRect(600, 600, 3615, 2535), QRect(4680, 600, 3495, 2535), QRect(600, 3360, 3615, 2415),
    QRect(4680, 3360, 3495, 2415)};
} // namespace

OddOneOutForm::OddOneOutForm(ProgramState& state, QWidget* parent)
    : QuestionWindow(state, "Ioddout", tr("Odd One Out"), oddOneOutForm, {8925, 6645}, {100, 100},
                     rust, parent) {
    setWindowTitle(question_.caption()); // the kind's name replaces the drawn title
    open();
}

void OddOneOutForm::createControls() {
    label1_ = placed<QLabel>(frame(), "Label1", {0, 0, 8655, 495});
    label1_->setFont(sansFont(13.5));
    paintBackground(*label1_, rust);

    for (int p = 0; p < OddOneOutQuestion::pictures; ++p) {
        auto* box = placed<PictureBox>(frame(), arrayName("Image1", p), pictureBoxes[size_t(p)]);
        onClick(box, this, [this, p] { answer(p); });
        image1_[size_t(p)] = box;
    }
    cmdhelp_ = colouredButton(frame(), "cmdhelp", tr("Help"), {1800, 6120, 1095, 375}, paleYellow,
                              sansFont(12));
    cmdSkip_ = colouredButton(frame(), "cmdSkip", tr("Skip"), {5520, 6120, 1455, 375}, paleYellow,
                              sansFont(12));
    cmdSkip_->setToolTip(tr("Click here when you are ready to proceed"));
    onClick(cmdhelp_, this, [this] { state_.ui.message(OddOneOutQuestion::helpText()); });
    onClick(cmdSkip_, this, [this] { reject(); });
}

void OddOneOutForm::showQuestion() {
    for (int p = 0; p < OddOneOutQuestion::pictures; ++p) {
        PictureBox* box = image1_[size_t(p)];
        const bool drawn = p < question_.picturesDrawn();
        // The name gives nothing away (the question is about what the animals share) and
        // lets a child who cannot see the pictures play; a picture that cannot be read
        // shows the name instead.
        box->setText(drawn ? question_.pictureName(p) : QString());
        if (drawn) box->load(findDataFile(state_.folders, question_.pictureFile(p)));
        box->setEnabled(question_.complete());
    }
    label1_->setText(question_.prompt());
    if (question_.complete())
        image1_[0]->setFocus();
    else
        cmdSkip_->setFocus();
}

void OddOneOutForm::answer(int picture) {
    // A screen reader can reach this window while its score board is open: one answer only.
    if (!question_.awaitsAnswer()) return;
    question_.answer(picture);
    accept();
}
