// trivia-host: a container in which a person tries the controls of a registered library.
//
//   trivia-host [--register LIB] [--create PROGID] [--load FILE] [--set NAME=VALUE]...
//               [--call METHOD]... [--save FILE]
//
// The options run in the order given, after the window has opened.

#include "hostwindow.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    // The embedded browser of a control needs shared GL contexts before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trivia-host"));
    trivia::HostWindow window;
    window.show();

    const QStringList args = app.arguments().mid(1);
    QTimer::singleShot(0, &window, [&window, args] {
        for (int i = 0; i + 1 < args.size(); i += 2) {
            const QString& opt = args[i];
            const QString& value = args[i + 1];
            if (opt == QLatin1String("--register"))
                window.registerLibrary(value, true);
            else if (opt == QLatin1String("--create"))
                window.createControl(value);
            else if (opt == QLatin1String("--load"))
                window.loadFrom(value);
            else if (opt == QLatin1String("--save"))
                window.saveTo(value);
            else if (opt == QLatin1String("--call"))
                window.callMethod(value);
            else if (opt == QLatin1String("--set"))
                window.setFromText(value.section(QChar('='), 0, 0), value.section(QChar('='), 1));
        }
    });
    return app.exec();
}
