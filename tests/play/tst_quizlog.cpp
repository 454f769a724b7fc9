// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/programstate.h"
#include "play/quizlog.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QTest>

class TestQuizLog : public QObject {
    Q_OBJECT
private slots:
    void levelFilter_data();
    void levelFilter();
    void clearEmptiesTheLastRun();
    void showBoxAlsoShowsTheLine();
};

void TestQuizLog::levelFilter_data() {
    QTest::addColumn<int>("logLevel");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray all = "---- Question 1\r\nImage match (no logging)\r\n---- Question 2\r\n"
                           "Match Match animals by name\r\n *** All correct!\r\n";
    QTest::newRow("level 0 writes everything") << 0 << all;
    QTest::newRow("level 1 writes everything") << 1 << all;
    QTest::newRow("level 2 writes headings and results")
        << 2 << QByteArray("---- Question 1\r\n---- Question 2\r\n *** All correct!\r\n");
}

void TestQuizLog::levelFilter() {
    QFETCH(int, logLevel);
    QFETCH(QByteArray, expected);
    TestFolder folder;
    RecordingUi ui;
    ProgramState state(ui);
    state.settings.logLevel = int16_t(logLevel);
    logLine(state, "---- Question 1", 2, 0);
    logLine(state, "Image match (no logging)", 1, 0);
    logLine(state, "---- Question 2", 2, 0);
    logLine(state, "Match Match animals by name", 1, 0);
    logLine(state, " *** All correct!", 2, 0);
    QCOMPARE(folder.read(quizLogFileName), expected);
    QVERIFY(ui.messages.isEmpty());
}

void TestQuizLog::clearEmptiesTheLastRun() {
    TestFolder folder;
    folder.write(quizLogFileName, "---- Question 1\r\nold run\r\n");
    RecordingUi ui;
    ProgramState state(ui);
    clearLog(state);
    QVERIFY(QFile::exists(folder.file(quizLogFileName)));
    QCOMPARE(folder.read(quizLogFileName), QByteArray());
    logLine(state, "new run", 1, 0);
    QCOMPARE(folder.read(quizLogFileName), QByteArray("new run\r\n"));
}

void TestQuizLog::showBoxAlsoShowsTheLine() {
    TestFolder folder;
    RecordingUi ui;
    ProgramState state(ui);
    state.settings.logLevel = 2;
    logLine(state, "filtered", 1, 1);
    logLine(state, "shown", 2, 1);
    QCOMPARE(ui.messages, QStringList{"shown"});
    QCOMPARE(folder.read(quizLogFileName), QByteArray("shown\r\n"));
}

QTEST_GUILESS_MAIN(TestQuizLog)
#include "tst_quizlog.moc"
