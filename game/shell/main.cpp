#include "play/programstate.h"
#include "shell/formhelpers.h"
#include "shell/formsui.h"
#include "shell/mainmenu.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle);
    limitStyleCaches();

    FormsUi ui;
    ProgramState state(ui);
    ui.attach(state);
    MainMenu menu(state, QCoreApplication::applicationDirPath());
    menu.show();
    return app.exec();
}
