// SPDX-License-Identifier: GPL-2.0-or-later
#include "describeform.h"

#include "knowledge/ui.h"
#include "play/programstate.h"
#include "screens/formparts.h"
#include "widgets/formhelpers.h"
#include "widgets/optionbutton.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/twips.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor paleGreen(0xC0, 0xFF, 0xC0);
const QColor green(0x80, 0xFF, 0x80);
const QColor yellow(0xFF, 0xFF, 0x00);

} // namespace

DescribeForm::DescribeForm(ProgramState& state, QWidget* parent)
    : QuestionWindow(state, "ichoice", tr("Describe this image"), describeForm, {8625, 6975},
                     {80, 50}, paleGreen, parent) {
    open();
}

void DescribeForm::createControls() {
    label1_ = new QLabel(frame());
    label1_->setObjectName("Label1");
    label1_->setFont(sansFont(15.75, true));
    setDesignRect(*label1_, {240, 120, 0, 0}); // as wide as its prompt
    paintBackground(*label1_, green);

    image1_ = placed<QLabel>(frame(), "Image1", {240, 1560, 5055, 3615});
    image1_->setFrameShape(QFrame::Box);

    auto* group = new QButtonGroup(this);
    for (int i = 0; i < DescribeQuestion::options; ++i) {
        auto* option = placed<OptionButton>(frame(), arrayName("choice", i),
                                            {5640, 600 + 1080 * i, 2415, 975});
        option->setFont(serifFont(12, true));
        paintBackground(*option, green);
        group->addButton(option, i);
        onPress(option, &OptionButton::chosen, this, [this, i] { answer(i); });
        choice_[size_t(i)] = option;
    }

    cmdhelp_ = colouredButton(frame(), "cmdhelp", tr("help"), {2880, 6240, 1095, 375}, yellow,
                              sansFont(12, true));
    command1_ = colouredButton(frame(), "Command1", tr("skip"), {4800, 6240, 975, 375}, yellow,
                               sansFont(12, true));
    onClick(cmdhelp_, this, [this] { state_.ui.message(DescribeQuestion::helpText()); });
    onClick(command1_, this, [this] { reject(); });
}

void DescribeForm::showQuestion() {
    for (int i = 0; i < DescribeQuestion::options; ++i) {
        choice_[size_t(i)]->setText(question_.captions()[size_t(i)]);
        // After the drawing gave up there is nothing to answer: only Skip is left.
        choice_[size_t(i)]->setEnabled(question_.complete());
    }
    if (!question_.complete()) {
        command1_->setFocus();
        return;
    }
    choice_[0]->setFocus();
    // The picture's name gives nothing away here (the question is not about names) and
    // lets a child who cannot see it play.
    image1_->setAccessibleName(question_.pictureName());
    if (!loadPicture(*image1_, findDataFile(state_.folders, question_.pictureFile()))) {
        state_.ui.message(tr("Missing imagefile: %1").arg(question_.pictureFile()));
        return;
    }
    label1_->setText(question_.prompt());
    setDesignRect(*label1_, {240, 120, 0, 0});
}

void DescribeForm::answer(int option) {
    // A screen reader can reach this window while its score board is open: one answer only.
    if (!question_.awaitsAnswer()) return;
    choice_[size_t(option)]->select();
    question_.answer(option);
    accept();
}
