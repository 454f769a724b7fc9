// SPDX-License-Identifier: GPL-2.0-or-later
#include "formsui.h"

#include "editor/animalform.h"
#include "play/programstate.h"
#include "screens/describeform.h"
#include "screens/matchform.h"
#include "screens/namemeform.h"
#include "screens/oddoutform.h"
#include "screens/scoreboardform.h"
#include "screens/setupform.h"
#include "widgets/formhelpers.h"
#include "widgets/readaloud.h"

#include <QApplication>
#include <QMessageBox>

namespace {
// Every window of the game is modal over the one the player is looking at.
template <class Form> void showModal(ProgramState& state) {
    Form form(state, ownerWindow());
    form.exec();
}
} // namespace

void FormsUi::showQuestion(QuestionType questionType) {
    if (!state_) return;
    if (questionType == QuestionType::NameMe)
        showModal<NameMeForm>(*state_);
    else if (questionType == QuestionType::MatchNames)
        showModal<MatchForm>(*state_);
    else if (isDescribe(questionType))
        showModal<DescribeForm>(*state_);
    else if (isOddOneOut(questionType))
        showModal<OddOneOutForm>(*state_);
}

void FormsUi::showSetup() {
    if (state_) showModal<SetupForm>(*state_);
}

void FormsUi::showScoreBoard(const QString& result, const QString& heading) {
    if (!state_) return;
    ScoreBoard board(*state_, ownerWindow());
    board.setResult(result);
    board.setHeading(heading);
    board.scoreCaption();
    board.exec();
}

void FormsUi::showAnimalEditor() {
    if (state_) showModal<AnimalForm>(*state_);
}

void FormsUi::prepare(QMessageBox& box) {
    if (state_) readAloud(box, state_->speech, [&box] { return box.text(); });
}
