// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/categories.h"
#include "play/programstate.h"
#include "recordingui.h"

#include <QStringList>

// A game's state for one question screen: the player's settings, a few named animals, a
// fixed random generator, and the port recording what the player is told.
struct QuestionState {
    explicit QuestionState(int questionType, int maxDifficulty = 1, quint32 seed = 1) {
        state.settings.maxDifficulty = int16_t(maxDifficulty);
        buildCategoryTables(state.knowledge.tables, maxDifficulty);
        state.knowledge.questionType = questionTypeFromNumber(questionType);
        state.nameMeWorth = 6;
        state.random.seed(seed);
    }

    // Animal n+1 is called names[n]; its full name adds "Great ", its picture is
    // "pictures/<name>.jpg".
    void addAnimals(const QStringList& names, int difficulty = 1) {
        auto& kb = state.knowledge;
        for (const QString& name : names) {
            AnimalRecord& a = kb.animals[size_t(++kb.animalCount)];
            a.name = name;
            a.fullName = "Great " + name;
            a.picture = "pictures/" + name + ".jpg";
            a.difficulty = int16_t(difficulty);
        }
    }

    RecordingUi ui;
    ProgramState state{ui};
};
