// SPDX-License-Identifier: GPL-2.0-or-later
#include "startup.h"

#include "knowledge/animalfile.h"
#include "knowledge/ui.h"
#include "play/gamefolders.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "play/settingsfile.h"

#include "formats/textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

void removeLeftoverSaves() {
    // A save killed at the wrong moment leaves its finished temporary file behind.
    for (const char* name : {animalFileName, settingsFileName, animalListFileName})
        removeSaveLeftovers(name);
}

void initGame(ProgramState& state, const QString& programFolder, const QString& userFolder) {
    state.random.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    state.folders = chooseFolders(programFolder, userFolder);
    const QString problem = prepareWorkFolder(state.folders);
    if (!problem.isEmpty()) state.ui.message(problem);
    // Without a folder of its own the game still plays from what was delivered; only saving
    // fails, and says so.
    if (!QFileInfo(state.folders.work).isDir()) state.folders.work = state.folders.delivered;
    // Every file is opened by its bare name from here on, so it is found in the work folder
    // whatever folder the player started the game from.
    QDir::setCurrent(state.folders.work);
    removeLeftoverSaves();
    loadSettings(state.settings, state.ui);
    switchLanguage(state);
    buildCategoryTables(state.knowledge.tables, state.settings.maxDifficulty);
}

void switchLanguage(ProgramState& state) {
    state.language.use(effectiveLanguage(state.language.choice()), state.folders, state.knowledge);
    state.speech.setLanguage(state.language.code());
}

void startUp(ProgramState& state, const QString& programFolder, const QString& userFolder) {
    initGame(state, programFolder, userFolder);
    state.nameMeWorth = 6;
    clearLog(state);
    loadAnimalFile(state.knowledge, state.ui);
}
