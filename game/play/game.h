// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/questiontype.h"

#include <QString>

#include <cstdint>

struct ProgramState;

// A game: questionCount questions of kinds drawn at random among those switched on, then
// the result. Returns when the player has closed the result message.
void playGame(ProgramState& state);
// The question loop of a game.
void playRound(ProgramState& state);

// Ends the game once the question on screen has closed: the final score counts what was
// asked before it.
void stopGame(ProgramState& state);

// The drawing and the wording with the player's own settings.
int16_t pickAnimal(ProgramState& state, int slot);
QString attributeText(const ProgramState& state, int animal, QuestionType qtype);
QString promptText(const ProgramState& state, int kind, int animal, QuestionType qtype);

// When the drawing gives up, the current kind cannot be asked with these settings: the
// player is told, the kind is switched off and the settings screen opens once.
void reportTooFewAnimals(ProgramState& state);

// After an answer: the points go to the current player, then the score board shows how it
// went and returns when the player has read it. Reading aloud, the board is read as it
// opens, after `spokenFirst`.
void showResult(ProgramState& state, int points, int possible, const QString& result,
                const QString& spokenFirst = {});
