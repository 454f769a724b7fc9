// SPDX-License-Identifier: GPL-2.0-or-later
#include "quizlog.h"

#include "formats/textfile.h"
#include "knowledge/ui.h"
#include "play/programstate.h"

// A log that cannot be written is no reason to stop a child's game: the game goes on, and
// anything odd in the log's place (a FIFO nobody reads, a device) is left alone.

void clearLog(ProgramState&) {
    emptyFile(quizLogFileName);
}

void logLine(ProgramState& state, const QString& text, int level, int showBox) {
    if (level < state.settings.logLevel) return;
    appendToFile(quizLogFileName, (text + crlf).toUtf8());
    if (showBox == 1) state.ui.message(text);
}
