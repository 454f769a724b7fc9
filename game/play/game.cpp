// SPDX-License-Identifier: GPL-2.0-or-later
#include "game.h"

#include "knowledge/draw.h"
#include "knowledge/ui.h"
#include "knowledge/wording.h"
#include "play/numbers.h"
#include "play/players.h"
#include "play/programstate.h"
#include "play/quizlog.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

constexpr char noKindsText[] =
    QT_TRANSLATE_NOOP("Game", "No questions possible with current selections.  "
                              "Change difficulty levels or question types");

int enabledKinds(const GameSettings& s) {
    int total = 0;
    for (int n = 1; n <= questionTypeCount; ++n)
        total += std::abs(s.typeSwitch(questionTypeFromNumber(n)));
    return total;
}

} // namespace

void playGame(ProgramState& state) {
    if (state.knowledge.animalCount < 1) {
        state.ui.message(QCoreApplication::translate(
            "Game", "There are no animals to ask about: velk.dat beside the program could not be "
                    "read."));
        return;
    }
    state.scores.currentPlayer = 0;
    state.scores.current() = PlayerScore{};
    state.stopRequested = false;
    beginPlayerGame(state);
    playRound(state);
    state.stopRequested = false;
    state.sounds.play(Sounds::cheerFor(state.scores.current()));
    state.ui.message(finalScoreText(state.scores.current()));
}

void playRound(ProgramState& state) {
    int asked = 0;
    while (asked < state.settings.questionCount) {
        // Ten equally likely draws over nine kinds: "Name me!" gets both 0 and 1.
        const QuestionType t = questionTypeFromNumber(
            clampInt(int16_t(state.random.rnd() * 10), 1, questionTypeCount));
        if (state.settings.typeSwitch(t) != 0) {
            logLine(state, "---- Question " + QString::number(asked + 1), 2, 0);
            askQuestion(state.knowledge, state.ui, t);
            if (state.stopRequested) return;
            ++asked; // a question that could not be posed counts all the same
            continue;
        }
        const int total = enabledKinds(state.settings);
        if (total == 0) {
            state.ui.message(QString::number(total) +
                             QCoreApplication::translate("Game", noKindsText));
            state.ui.showSetup();
        }
    }
}

int16_t pickAnimal(ProgramState& state, int slot) {
    const DifficultyWindow window{state.settings.minDifficulty, state.settings.maxDifficulty};
    const bool practised =
        state.players.practise && slot == subjectSlot(state.knowledge.questionType);
    return pickAnimal(state.knowledge, window, state.random, state.ui, slot,
                      practised ? std::span<const int16_t>(state.players.missed)
                                : std::span<const int16_t>());
}

QString attributeText(const ProgramState& state, int animal, QuestionType qtype) {
    return attributeText(state.knowledge, state.settings.maxDifficulty, animal, qtype);
}

QString promptText(const ProgramState& state, int kind, int animal, QuestionType qtype) {
    return promptText(state.knowledge, state.settings.maxDifficulty, kind, animal, qtype);
}

void stopGame(ProgramState& state) {
    state.stopRequested = true;
}

void reportTooFewAnimals(ProgramState& state) {
    const QuestionType type = state.knowledge.questionType;
    if (!isPlayable(type)) return;
    state.ui.message(QCoreApplication::translate(
                         "Game", "Current set doesn't provide enough items for %1. Use another "
                                 "question type or change difficulty level to include more.")
                         .arg(shownTypeName(state.knowledge)));
    state.settings.typeSwitch(type) = 0;
    state.ui.showSetup();
}

void showResult(ProgramState& state, int points, int possible, const QString& result,
                const QString& spokenFirst) {
    addScore(state.scores, points, possible, 0);
    state.speech.say(spokenFirst + crlf + result + crlf + scoreCaptionText(state.scores.current()));
    state.ui.showScoreBoard(result, resultsHeading(state.knowledge));
}
