// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "play/startup.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void leftoversOfInterruptedSavesAreRemoved();
    void settingsFileThatIsNoFileIsReported();
};

void TestStartup::leftoversOfInterruptedSavesAreRemoved() {
    TestFolder program;
    GameSettings delivered;
    delivered.questionCount = 8;
    const QStringList kept{"velk.dat", "velk.INI", "velk.dat.bak", "menu.jpg.AbCdEf",
                           "velk.dat.AbCdEfG"};
    for (const QString& name : kept)
        program.write(name, settingsText(delivered));
    // Saves of all three killed after their temporary files were complete; each one's mark
    // names its temporary file.
    for (const QString name : {"velk.dat.AbCdEf", "velk.INI.xYzWvU", "animal.txt.QwErTy"}) {
        program.write(name, "a complete file that was never renamed");
        program.write(name.left(name.size() - 7) + ".~saving", name.toUtf8());
    }

    RecordingUi ui;
    ProgramState state(ui);
    QDir::setCurrent(QDir::tempPath()); // start-up finds the program folder by itself
    initGame(state, program.path(), QString());
    QStringList left = QDir(program.path()).entryList(QDir::Files);
    QStringList expected = kept;
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
    QCOMPARE(state.settings.questionCount, 8);
    QCOMPARE(ui.messages, QStringList{});
}

void TestStartup::settingsFileThatIsNoFileIsReported() {
    TestFolder program;
    QCOMPARE(::mkfifo(QFile::encodeName(program.file("velk.INI")).constData(), 0600), 0);
    RecordingUi ui;
    ProgramState state(ui);
    // Returns at once: nothing will ever write into the FIFO.
    initGame(state, program.path(), QString());
    QCOMPARE(state.settings, GameSettings{});
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(ui.messages[0].contains("velk.INI cannot be read: it is not a regular file"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
