// SPDX-License-Identifier: GPL-2.0-or-later
#include "describe.h"

#include "knowledge/ui.h"
#include "play/game.h"
#include "play/players.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "screens/shuffle.h"

#include <QCoreApplication>

#include <utility>

bool DescribeQuestion::load() {
    logLine(state_, "Image match (no logging)", 1, 0);
    correctChoice_ = 0;
    auto& chosen = state_.knowledge.chosen;
    for (int i = 0; i < options; ++i) {
        const int a = pickAnimal(state_, i);
        if (a < 0) {
            reportTooFewAnimals(state_);
            return false;
        }
        captions_[size_t(i)] = promptText(state_, 2, a, QuestionType::None);
    }
    // Only the first four take part, so the right description is never the fifth.
    shuffleNeighbours(state_.random, 4, [&](int j) {
        std::swap(captions_[size_t(j)], captions_[size_t(j - 1)]);
        std::swap(chosen[size_t(j)], chosen[size_t(j - 1)]);
        if (correctChoice_ == j)
            correctChoice_ = j - 1;
        else if (correctChoice_ == j - 1)
            correctChoice_ = j;
    });
    complete_ = true;
    return true;
}

int DescribeQuestion::pictured() const {
    return state_.knowledge.chosen[size_t(correctChoice_)];
}

QString DescribeQuestion::pictureFile() const {
    return state_.knowledge.pictureFile(pictured());
}

QString DescribeQuestion::pictureName() const {
    return shownName(state_.knowledge, state_.settings.maxDifficulty, pictured());
}

QString DescribeQuestion::prompt() const {
    return promptText(state_, 6, pictured(), state_.knowledge.questionType);
}

void DescribeQuestion::answer(int option) {
    if (!awaitsAnswer() || option < 0 || option >= options) return;
    answered_ = true;
    const bool right = option == correctChoice_;
    state_.sounds.play(right ? Sound::right : Sound::wrong);
    recordReplies(state_,
                  {{pictured(), state_.knowledge.chosen[size_t(option)], right, right ? 5 : 0, 5}});
    if (right)
        showResult(state_, 5, 5, QCoreApplication::translate("Describe", " Correct, +5 pts"));
    else
        showResult(state_, 0, 5,
                   QCoreApplication::translate("Describe", "Sorry, the answer was %1")
                       .arg(captions_[size_t(correctChoice_)]));
}

QString DescribeQuestion::helpText() {
    return QCoreApplication::translate("Describe", "Click on the item that matches this image ") +
           crlf +
           QCoreApplication::translate("Describe", "Click on skip to move to the next question");
}
