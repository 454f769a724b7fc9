// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "app/lazyspeaker.h"
#include "app/mainmenu.h"
#include "history/sqlhistory.h"
#include "knowledge/programinfo.h"
#include "play/programstate.h"
#include "widgets/formhelpers.h"
#include "widgets/presses.h"
#ifdef VELK_SPEECH
#include "app/qtvoice.h"
#endif

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The name a screen reader announces, and the name of the player's own folder.
    QApplication::setApplicationName(programTitle);
    limitStyleCaches();
    ignoreHeldKeys(app);
    // Lets the desktop match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));

#ifdef VELK_SPEECH
    QtVoice voice; // no engine until the first text to say
#endif
    FormsUi ui;
    ProgramState state(ui);
    ui.attach(state);
#ifdef VELK_SPEECH
    state.speech.attach(voice);
#endif
    state.speech.load(Speech::userFile());
    state.fullScreen.load(PlayerFile::userFile());
    state.sounds.load(PlayerFile::userFile());
    const QString programFolder = QCoreApplication::applicationDirPath();
    LazySpeaker speaker({programFolder + "/libvelksound.so",
                         programFolder + "/" VELK_SOUND_FROM_PROGRAM "/libvelksound.so"},
                        [&state] { return findDataFile(state.folders, "sounds"); });
    state.sounds.attach(speaker);
    state.players.file = PlayerFile(PlayerFile::userFile());
    // Opened at the first need, once the menu shows: start-up never loads the database.
    state.players.setOpener([&state] { return openSqlHistory(state.folders.work, state.ui); });
    state.language.load(PlayerFile::userFile());
    MainMenu menu(state, programFolder,
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    menu.show();
    return app.exec();
}
