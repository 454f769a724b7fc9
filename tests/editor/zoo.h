// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "play/programstate.h"
#include "recordingui.h"

// A run of the program at the player's level with five animals that between them hold
// every case the editor and the list must handle: a biome flag of 2, spare values, a record
// with no name, negative indices and a negative biome flag, a difficulty no level uses, an
// index past its box, a blank picture name and a full name that reaches past the zones.
struct Zoo {
    explicit Zoo(int level) {
        state.settings.maxDifficulty = int16_t(level);
        buildCategoryTables(state.knowledge.tables, level);
        auto set = [this](int i, AnimalRecord a) { state.knowledge.animals[size_t(i)] = a; };
        set(1, {"Cat", "Domestic cat", "pictures/cat.jpg", 2, 0, 1, 1, {0, 1, 0, 0, 1, 0, 0}});
        set(2, {"Owl", "Barn owl", "pictures/owl.jpg", 1, 1, 5, 1, {0, 0, 0, 0, 2}, 0, 7, -3, 12});
        set(3, {"", "Mystery", "", 5, -1, -1, -1, {-1, 0, 0, 0, 0, 0, 1}});
        set(4, {"Gecko", "Leopard gecko", " ", 1, -1, 10, 2, {}});
        set(5, {"Hippo",
                "Common hippopotamus",
                "pictures/hippo.jpg",
                3,
                0,
                3,
                0,
                {0, 1, 0, 0, 0, 0, 1}});
        state.knowledge.animalCount = 5;
    }
    const AnimalRecord& animal(int i) const { return state.knowledge.animals[size_t(i)]; }

    RecordingUi ui;
    ProgramState state{ui};
};
