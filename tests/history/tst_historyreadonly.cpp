// SPDX-License-Identifier: GPL-2.0-or-later
// A game whose work folder the player may not write to: no history, one message, and the
// game plays on.
#include "playedgame.h"
#include "testfolder.h"

#include <QFile>
#include <QTest>

class TestHistoryReadOnly : public QObject {
    Q_OBJECT
private slots:
    void playsOnWithoutHistory_data();
    void playsOnWithoutHistory();
};

void TestHistoryReadOnly::playsOnWithoutHistory_data() {
    QTest::addColumn<bool>("keptBefore");
    QTest::newRow("nothing kept yet") << false;
    QTest::newRow("a history kept before") << true;
}

void TestHistoryReadOnly::playsOnWithoutHistory() {
    QFETCH(bool, keptBefore);
    TestFolder folder;
    const QString work = folder.file("work");
    QVERIFY(QDir().mkpath(work));
    if (keptBefore) {
        RecordingUi ui;
        auto history = openSqlHistory(work, ui);
        QVERIFY(history &&
                history->record({Answer{1, 1, 1, {"owl.jpg"}, "owl.jpg", "", false, 0, 5}}));
    }
    const QByteArray before = readFile(QDir(work).filePath(historyFileName));
    QVERIFY(QFile::setPermissions(work, QFile::ReadOwner | QFile::ExeOwner));
    PlayedGame game(work);
    game.play(3);
    QVERIFY(QFile::setPermissions(work, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    QCOMPARE(game.ui.scoreBoards.size(), 3);
    QVERIFY(game.ui.messages.endsWith("You scored 15 out of 15 (100%)"));
    const QStringList told = game.ui.messages.filter("history", Qt::CaseInsensitive) +
                             game.ui.messages.filter("could not be kept");
    QCOMPARE(told.size(), 1);
    QCOMPARE(readFile(QDir(work).filePath(historyFileName)), before);
}

QTEST_GUILESS_MAIN(TestHistoryReadOnly)
#include "tst_historyreadonly.moc"
