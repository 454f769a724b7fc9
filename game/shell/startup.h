#pragma once

#include <QString>

struct ProgramState;

// Decides where this run keeps its files (see chooseFolders) and makes that folder current,
// seeds chance, reads velk.INI and builds the word tables at the stored level. True:
// start-up may go on.
bool initGame(ProgramState& state, const QString& programFolder, const QString& userFolder);

inline constexpr char versionNumber[] = "1.04";
