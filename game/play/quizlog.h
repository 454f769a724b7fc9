// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct ProgramState;

// velkquiz.log in the current folder: what was asked in this run and, at log level 0 or 1,
// how it went. Each line is on disk when logLine returns.
inline constexpr char quizLogFileName[] = "velkquiz.log";

// Empties the log of the previous run.
void clearLog(ProgramState& state);

// Appends `text` when `level` reaches the player's log level; with showBox 1 the line is
// also shown in a message box.
void logLine(ProgramState& state, const QString& text, int level, int showBox);
