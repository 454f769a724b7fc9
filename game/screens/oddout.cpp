// SPDX-License-Identifier: GPL-2.0-or-later
#include "oddout.h"

#include "knowledge/wording.h"
#include "play/game.h"
#include "play/players.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "screens/shuffle.h"

#include <utility>

QString OddOneOutQuestion::caption() const {
    return shownTypeName(state_.knowledge);
}

bool OddOneOutQuestion::load() {
    logLine(state_, questionTypeName(state_.knowledge), 1, 0);
    for (int i = 0; i < pictures; ++i) {
        if (pickAnimal(state_, i) < 0) {
            reportTooFewAnimals(state_);
            return false;
        }
        slotOfPicture_[size_t(i)] = i;
        drawn_ = i + 1;
    }
    // Only the first three pictures take part: the bottom right one keeps slot 3, which
    // is never the odd animal.
    shuffleNeighbours(state_.random, 3, [this](int j) {
        std::swap(slotOfPicture_[size_t(j)], slotOfPicture_[size_t(j - 1)]);
    });
    complete_ = true;
    return true;
}

QString OddOneOutQuestion::prompt() const {
    if (!complete_) return {};
    return promptText(state_, 7, state_.knowledge.chosen[0], state_.knowledge.questionType);
}

int OddOneOutQuestion::animalAt(int picture) const {
    return state_.knowledge.chosen[size_t(slotOfPicture_[size_t(picture)])];
}

QString OddOneOutQuestion::pictureFile(int picture) const {
    return state_.knowledge.pictureFile(animalAt(picture));
}

QString OddOneOutQuestion::pictureName(int picture) const {
    return shownName(state_.knowledge, state_.settings.maxDifficulty, animalAt(picture));
}

void OddOneOutQuestion::answer(int picture) {
    if (!awaitsAnswer() || picture < 0 || picture >= pictures) return;
    answered_ = true;
    const auto& kb = state_.knowledge;
    const int level = state_.settings.maxDifficulty;
    const bool right = slotOfPicture_[size_t(picture)] == 1;
    // The online question file keeps the wrong answers, worded as an English player read them.
    if (!right) logLine(state_, oddOneOutVerdict(kb, level, right, true), 2, 0);
    state_.sounds.play(right ? Sound::right : Sound::wrong);
    recordReplies(state_, {{kb.chosen[1], animalAt(picture), right, right ? 5 : 0, 5}});
    showResult(state_, right ? 5 : 0, 5, oddOneOutVerdict(kb, level, right, false));
}
