#include "play/programstate.h"
#include "shell/formsui.h"
#include "shell/mainmenu.h"

#include <QApplication>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The short name names the player's folder (~/.local/share/velk); the desktop file name
    // lets the desktop match the windows to the menu entry and its icon.
    QApplication::setApplicationName("velk");
    QApplication::setDesktopFileName(appId);
    QApplication::setWindowIcon(QIcon::fromTheme(appId));

    FormsUi ui;
    ProgramState state(ui);
    ui.attach(state);
    MainMenu menu(state, QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    menu.show();
    return app.exec();
}
