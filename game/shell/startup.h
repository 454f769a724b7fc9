#pragma once

#include <QString>

struct ProgramState;

// Makes `programFolder` the current folder, seeds chance, reads velk.INI and builds the
// word tables at the stored level. True: start-up may go on.
bool initGame(ProgramState& state, const QString& programFolder);

inline constexpr char versionNumber[] = "1.04";
