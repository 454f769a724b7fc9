#include "startup.h"

#include "editor/animallist.h"
#include "knowledge/animalfile.h"
#include "play/programstate.h"
#include "play/settingsfile.h"

#include "formats/textfile.h"

#include <QDateTime>
#include <QDir>

void removeLeftoverSaves() {
    // A save killed at the wrong moment leaves its finished temporary file behind.
    for (const char* name : {animalFileName, settingsFileName, animalListFileName})
        removeSaveLeftovers(name);
}

bool initGame(ProgramState& state, const QString& programFolder) {
    state.random.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    // Every file is opened by its bare name from here on, so it is found beside the program
    // whatever folder the player started it from.
    QDir::setCurrent(programFolder);
    removeLeftoverSaves();
    loadSettings(state.settings, state.ui);
    buildCategoryTables(state.knowledge.tables, state.settings.maxDifficulty);
    return true;
}
