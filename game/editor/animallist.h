// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct Knowledge;
struct ProgramState;

// animal.txt: every animal whose difficulty lies in the range, grouped by difficulty and in
// record order within, one line each in print zones: difficulty, number, full and plain
// name, then class, family and eater type each on a zone of its own, then the biomes.
QString animalListText(const Knowledge& kb, int minDifficulty, int maxDifficulty);

// Asks first; on OK writes animal.txt in the current folder for the settings' range. The
// file is replaced whole or not at all: a failure is reported and the old file stays.
void storeAnimalList(ProgramState& state);
