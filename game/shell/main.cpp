#include "play/programstate.h"
#include "shell/formsui.h"
#include "shell/mainmenu.h"
#ifdef VELK_SPEECH
#include "shell/qtvoice.h"
#endif

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(programTitle);

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
    MainMenu menu(state, QCoreApplication::applicationDirPath());
    menu.show();
    return app.exec();
}
