// SPDX-License-Identifier: GPL-2.0-or-later
#include "playedgame.h"
#include "testfolder.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

// What a second, independent reader finds in the file: the schema's version and the journal.
QStringList pragmas(const QString& fileName) {
    QStringList found;
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "peek");
        db.setDatabaseName(fileName);
        if (db.open()) {
            for (const char* p : {"user_version", "journal_mode"}) {
                QSqlQuery q(db);
                if (q.exec(QString("PRAGMA ") + p) && q.next()) found << q.value(0).toString();
            }
            QSqlQuery q(db);
            q.exec("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
            while (q.next())
                found << q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase("peek");
    return found;
}

QString keyOf(const Knowledge& kb, int n) {
    return animalKey(kb, n);
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void schemaAndPlayers();
    void answersComeBackAsTheyWereKept();
    void recordsEveryAnswerOfAGame();
    void missedAnimalsComeFirst();
    void practiseOffDrawsAsWithoutHistory();
    void damagedHistoryIsSetAside_data();
    void damagedHistoryIsSetAside();
};

void TestHistory::schemaAndPlayers() {
    TestFolder folder;
    RecordingUi ui;
    auto history = openSqlHistory(folder.path(), ui);
    QVERIFY(history);
    QCOMPARE(pragmas(folder.file(historyFileName)),
             (QStringList{QString::number(historySchemaVersion), "wal", "answers", "players"}));
    // A fresh history has its one player, made without a word.
    QCOMPARE(history->players(), QList<Player>{(Player{1, "Player 1", {}})});
    const int ann = history->addPlayer("Ann", "pictures/owl.jpg");
    QVERIFY(ann > 1);
    QVERIFY(history->changePlayer({1, "Bo", "pictures/lion.jpg"}));
    QCOMPARE(history->players(),
             (QList<Player>{{1, "Bo", "pictures/lion.jpg"}, {ann, "Ann", "pictures/owl.jpg"}}));
    QVERIFY(history->removePlayer(1));
    QVERIFY(!history->removePlayer(ann)); // someone always plays
    QCOMPARE(history->players().size(), 1);
    QVERIFY(ui.messages.isEmpty());

    // A history made by a later version is left alone, and the game plays without one.
    history.reset();
    {
        auto db = QSqlDatabase::addDatabase("QSQLITE", "later");
        db.setDatabaseName(folder.file(historyFileName));
        QVERIFY(db.open());
        QSqlQuery(db).exec(QString("PRAGMA user_version=%1").arg(historySchemaVersion + 1));
    }
    QSqlDatabase::removeDatabase("later");
    QVERIFY(!openSqlHistory(folder.path(), ui));
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(ui.messages[0].contains("newer version"));
    QVERIFY(QFile::exists(folder.file(historyFileName)));
}

void TestHistory::answersComeBackAsTheyWereKept() {
    TestFolder folder;
    RecordingUi ui;
    auto history = openSqlHistory(folder.path(), ui);
    QVERIFY(history);
    const Answer early{1000,       1,         2,     {"lion.jpg", "owl.jpg", "frog.jpg", "cow.jpg"},
                       "lion.jpg", "owl.jpg", false, 0,
                       5};
    const Answer late{2000, 2, 1, {"cow.jpg"}, "cow.jpg", QString(), false, 0, 6}; // a name lost
    const Answer sameTime{2000,    1,    9, {"a.jpg"}, QString::fromUtf8("élan.jpg"),
                          "a.jpg", true, 5, 5};
    QVERIFY(history->record({early, late}));
    QVERIFY(history->record({sameTime}));
    QCOMPARE(history->answers(0, 0), (QList<Answer>{early, late, sameTime}));
    QCOMPARE(history->answers(1, 0), (QList<Answer>{early, sameTime}));
    QCOMPARE(history->answers(1, 1500), QList<Answer>{sameTime});

    // Counted for My animals: every animal ever answered right, the weeks only lately.
    const Answer longAgo{100, 1, 1, {"lion.jpg"}, "lion.jpg", "lion.jpg", true, 6, 6};
    QVERIFY(history->record({longAgo, longAgo}));
    const RightAnswers right = history->rightAnswers(1, 2500, 1000, 2);
    QCOMPARE(QSet<QString>(right.animals.begin(), right.animals.end()),
             (QSet<QString>{"lion.jpg", sameTime.subject}));
    QCOMPARE(right.animals.size(), 2);
    QCOMPARE(right.weeks, (QList<RightAnswers::Week>{{9, 0, 1}}));
    QCOMPARE(history->rightAnswers(1, 3500, 1000, 2).weeks, (QList<RightAnswers::Week>{{9, 1, 1}}));
}

void TestHistory::recordsEveryAnswerOfAGame() {
    TestFolder folder;
    PlayedGame game(folder.path());
    game.play(4, {true, false, true, false});
    QCOMPARE(game.subjects.size(), 4);
    const Knowledge& kb = game.state.knowledge;
    const QList<Answer> kept = game.state.players.history()->answers(0, 0);
    QCOMPARE(kept.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const Answer& a = kept[i];
        const bool right = i % 2 == 0;
        QCOMPARE(a.player, 1);
        QCOMPARE(a.kind, questionTypeNumber(QuestionType::ClassFamily));
        QCOMPARE(a.subject, keyOf(kb, game.subjects[i]));
        QCOMPARE(a.right, right);
        QCOMPARE(a.answered == a.subject, right);
        QCOMPARE(a.points, right ? 5 : 0);
        QCOMPARE(a.asked.size(), 5);
        QVERIFY(a.asked.contains(a.subject) && a.asked.contains(a.answered));
        QVERIFY(qAbs(a.time - QDateTime::currentMSecsSinceEpoch()) < 60000);
    }
    QCOMPARE(game.ui.scoreBoards.size(), 4); // the game itself went on as ever
    QVERIFY(game.ui.messages.endsWith("You scored 10 out of 20 (50%)"));
}

void TestHistory::missedAnimalsComeFirst() {
    TestFolder folder;
    const QList<bool> answers{false, true, false, true, false};
    QList<int> missed; // the animals whose latest answer was wrong
    {
        PlayedGame first(folder.path());
        first.play(5, answers);
        for (int i = 0; i < 5; ++i) {
            missed.removeAll(first.subjects[i]);
            if (!answers[i]) missed << first.subjects[i];
        }
    }
    QVERIFY(!missed.isEmpty());
    PlayedGame again(folder.path(), 99);
    QVERIFY(setPractise(again.state.players, 1, true));
    again.play(int(missed.size()) + 1);
    // They all come back, answered right this time, before any other animal.
    const QList<int> back = again.subjects.first(missed.size());
    QCOMPARE(QSet<int>(back.begin(), back.end()), QSet<int>(missed.begin(), missed.end()));
    QVERIFY(!missed.contains(again.subjects.last()));
    QVERIFY(again.state.players.missed.empty());
    // Each question still follows the rules: five options that read differently.
    for (const Answer& a : again.state.players.history()->answers(0, 0))
        QCOMPARE(QSet<QString>(a.asked.begin(), a.asked.end()).size(), 5);
}

void TestHistory::practiseOffDrawsAsWithoutHistory() {
    TestFolder folder;
    PlayedGame missing(folder.path());
    missing.play(6, QList<bool>(6, false));
    PlayedGame off(folder.path(), 42);
    QVERIFY(setPractise(off.state.players, 1, false));
    off.play(6, QList<bool>(6, false));
    PlayedGame none(folder.path(), 42);
    none.state.players.setOpener({}); // no history at all
    none.play(6, QList<bool>(6, false));
    QCOMPARE(off.subjects, none.subjects);
    QCOMPARE(off.state.knowledge.chosen, none.state.knowledge.chosen);
}

void TestHistory::damagedHistoryIsSetAside_data() {
    QTest::addColumn<QByteArray>("damage"); // written over the file from byte `at` on
    QTest::addColumn<int>("at");
    QTest::newRow("not a database at all") << QByteArray(3000, 'x') << 0;
    QTest::newRow("header torn") << QByteArray(40, '\xff') << 16;
    QTest::newRow("a page of answers overwritten") << QByteArray(4096, '\x07') << 4096 * 2;
}

void TestHistory::damagedHistoryIsSetAside() {
    QFETCH(QByteArray, damage);
    QFETCH(int, at);
    TestFolder folder;
    const QString file = folder.file(historyFileName);
    {
        RecordingUi ui;
        auto history = openSqlHistory(folder.path(), ui);
        QVERIFY(history);
        for (int i = 0; i < 200; ++i)
            history->record({Answer{i, 1, 1, {"lion.jpg"}, "lion.jpg", "lion.jpg", true, 5, 5}});
    }
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.seek(at);
    f.write(damage);
    f.close();
    const QByteArray damaged = readFile(file);

    RecordingUi ui;
    auto fresh = openSqlHistory(folder.path(), ui);
    QVERIFY(fresh);
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(ui.messages[0].startsWith("The history of your answers was damaged"));
    const QStringList aside = QDir(folder.path()).entryList({"velkhistory.db.damaged-*"});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(readFile(folder.file(aside[0])), damaged);
    QVERIFY(fresh->answers(0, 0).isEmpty());
    QCOMPARE(fresh->players().size(), 1);
    QVERIFY(fresh->record({Answer{1, 1, 1, {"owl.jpg"}, "owl.jpg", "", false, 0, 5}}));
    fresh.reset();
    RecordingUi later;
    QVERIFY(openSqlHistory(folder.path(), later));
    QVERIFY(later.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
