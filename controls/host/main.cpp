// SPDX-License-Identifier: GPL-2.0-or-later
// trivia-host: a container in which a person tries the controls of a registered library.
// `trivia-host --help` lists the options; they run in the order given, once the window is open.

#include "hostwindow.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Read before the application exists, so that --help and mistakes need no display.
    const trivia::HostCommandLine line = trivia::parseCommandLine(args);
    if (line.help) {
        std::fputs(qPrintable(trivia::usageText()), stdout);
        return 0;
    }
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "trivia-host: %s\nTry 'trivia-host --help' for the options.\n",
                     qPrintable(line.error));
        return 2;
    }

    // The embedded browser of a control needs shared GL contexts before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("trivia-host"));
    trivia::HostWindow window;
    window.show();
    QTimer::singleShot(0, &window, [&window, steps = line.steps] {
        for (const auto& step : steps)
            window.run(step);
    });
    return app.exec();
}
