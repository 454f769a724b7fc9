#include "startup.h"

#include "play/programstate.h"
#include "play/settingsfile.h"

#include <QDateTime>
#include <QDir>

bool initGame(ProgramState& state, const QString& programFolder) {
    state.random.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    // Every file is opened by its bare name from here on, so it is found beside the program
    // whatever folder the player started it from.
    QDir::setCurrent(programFolder);
    loadSettings(state.settings);
    buildCategoryTables(state.knowledge.tables, state.settings.maxDifficulty);
    return true;
}
