// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "settings.h"

#include "formats/result.h"

#include <QString>

class QIODevice;
class Ui;

// velk.INI: 23 lines of values in print zones. Not a sectioned file: the values are read
// back in the order they were written.

// The settings in `in`, or why it cannot be read at all: not text, ending before its 23
// lines, or with most of its numbers unreadable. A single value that is not a number of its
// field leaves that field at its default.
Result<GameSettings> readSettings(QIODevice& in);
// The 23 lines for `s`, CR LF ended.
QByteArray settingsText(const GameSettings& s);

// Reads velk.INI from the current folder; a missing file or one that cannot be read gives
// the defaults, and the next save writes a whole one. A field that cannot be read, or one
// with a range of its own (the difficulties, questionCount, logLevel, windowState) that lies
// outside it, takes its default and the rest of the file stands. A file that is there but
// cannot be read is reported through the port; a file of the player's that cannot be read is
// first moved to velk.INI.damaged (or velk.INI.damaged-2 and on, never over an earlier one),
// so no save destroys it.
void loadSettings(GameSettings& s, Ui& ui);
// Writes velk.INI atomically; a failure is reported through the port and the old file
// stays as it was.
void saveSettings(const GameSettings& s, Ui& ui);

inline constexpr char settingsFileName[] = "velk.INI";
