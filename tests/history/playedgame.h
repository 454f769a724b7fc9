// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "animals.h"
#include "history/sqlhistory.h"
#include "play/game.h"
#include "play/programstate.h"
#include "recordingui.h"
#include "screens/describe.h"
#include "scriptedrandom.h"

#include <QDir>

// Games of "describe this image" through the real driver, the history in `folder`. The
// player answers right or wrong as `rightAnswers` says, question by question.
struct PlayedGame {
    explicit PlayedGame(const QString& folder, quint32 seed = 7) : random({}, seed) {
        buildCategoryTables(state.knowledge.tables, 1);
        fill(state.knowledge, fiveApartFiveMice());
        state.settings.typeEnabled.fill(0);
        state.settings.typeSwitch(QuestionType::ClassFamily) = 1;
        state.players.file = PlayerFile(QDir(folder).filePath("player.ini"));
        state.players.setOpener([this, folder] { return openSqlHistory(folder, ui); });
        ui.onQuestion = [this](int) {
            DescribeQuestion q(state);
            if (!q.load()) return;
            subjects << q.pictured();
            const bool right = rightAnswers.isEmpty() || rightAnswers.takeFirst();
            q.answer(right ? q.correctChoice() : (q.correctChoice() + 1) % 4);
        };
    }
    void play(int questions, QList<bool> answers = {}) {
        state.settings.questionCount = int16_t(questions);
        rightAnswers = answers;
        playGame(state);
    }

    RecordingUi ui;
    ScriptedRandom random;
    ProgramState state{ui, random};
    QList<bool> rightAnswers;
    QList<int> subjects; // the pictured animal of every question, in order
};
