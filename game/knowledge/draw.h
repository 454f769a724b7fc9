// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "categories.h"

#include <span>

class Random;
class Ui;

// The difficulty levels a game draws from. The highest also sets the vocabulary.
struct DifficultyWindow {
    int minDifficulty = 1;
    int maxDifficulty = 1;
    bool contains(const AnimalRecord& a) const {
        return minDifficulty <= a.difficulty && a.difficulty <= maxDifficulty;
    }
};

// An odd-one-out question needs a reference whose group of alike animals (same class,
// family, eating habit, or first biome) holds at least this many inside the window.
inline constexpr int smallestGroup = 5;

// Whether an animal carries what a question of this type asks about; one that does not
// never comes up in such a question.
bool carriesAttribute(const AnimalRecord& a, QuestionType qtype);

// What pickAnimal gives when it cannot fill the slot.
inline constexpr int16_t noAnimalFound = -2;  // gave up after 10 passes of draws
inline constexpr int16_t groupsTooSmall = -3; // no odd-one-out reference has a group

// The slot of the animal a question is about: the odd one of an odd-one-out question, the
// first otherwise.
constexpr int subjectSlot(QuestionType type) {
    return isOddOneOut(type) ? 1 : 0;
}

// Draws the animal for one slot of kb.chosen for the current question type, fair to the
// slots already drawn: inside the window, with the attribute asked about, every option
// reading differently, one odd animal and the rest alike. Returns the animal (also stored
// in the slot), or noAnimalFound / groupsTooSmall with the slot left as it was.
// `first` are animals to practise: one of those that fits every rule is taken, drawn at
// random among them, before any other; with none, the draws are exactly as without.
int16_t pickAnimal(Knowledge& kb, DifficultyWindow window, Random& random, Ui& ui, int slot,
                   std::span<const int16_t> first = {});
