// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct ProgramState;

// Removes what interrupted saves of velk.dat, velk.INI and animal.txt left in the current
// folder.
void removeLeftoverSaves();

// Decides where this run keeps its files (see chooseFolders) and makes that folder current,
// clears leftovers of interrupted saves, seeds chance, reads velk.INI and builds the word
// tables at the stored level.
void initGame(ProgramState& state, const QString& programFolder, const QString& userFolder);

// All the game does before its menu opens: initGame, the worth of a Name-me question, an
// empty quiz log, and the animals read last, so that a message about them comes once the
// settings are in and the tables speak the stored level. Problems are told through the port
// and the game opens all the same.
// Puts the player's language (theirs, or the desktop's) to work for texts, names and voice.
void switchLanguage(ProgramState& state);

void startUp(ProgramState& state, const QString& programFolder, const QString& userFolder);
