#include "play/programstate.h"
#include "shell/mainmenu.h"
#include "shell/messagebox.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle);

    MessageBoxUi ui;
    ProgramState state(ui);
    MainMenu menu(state, QCoreApplication::applicationDirPath());
    menu.show();
    return app.exec();
}
