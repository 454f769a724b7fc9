#include "quizlog.h"

#include "knowledge/ui.h"
#include "play/programstate.h"

#include <QFile>

// A log that cannot be written is no reason to stop a child's game: the game goes on.

void clearLog(ProgramState&) {
    QFile file(quizLogFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.close();
}

void logLine(ProgramState& state, const QString& text, int level, int showBox) {
    if (level < state.settings.logLevel) return;
    QFile file(quizLogFileName);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        file.write((text + crlf).toUtf8());
        file.close();
    }
    if (showBox == 1) state.ui.message(text);
}
