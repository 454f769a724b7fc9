#pragma once

#include <QString>

struct ProgramState;

// Removes what interrupted saves of velk.dat, velk.INI and animal.txt left in the current
// folder.
void removeLeftoverSaves();

// Decides where this run keeps its files (see chooseFolders) and makes that folder current,
// clears leftovers of interrupted saves, seeds chance, reads velk.INI and builds the word
// tables at the stored level. True: start-up may go on.
bool initGame(ProgramState& state, const QString& programFolder, const QString& userFolder);
