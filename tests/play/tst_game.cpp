// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "play/game.h"
#include "play/playerfile.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "recordingspeaker.h"
#include "recordingui.h"
#include "scriptedrandom.h"
#include "testfolder.h"

#include <QTest>

namespace {

// A state with a few animals, chance on a script and the quiz log in a fresh folder.
struct Game {
    Game() {
        buildCategoryTables(state.knowledge.tables, 1);
        fill(state.knowledge, {beast("Lion", 1, 0, 1, 1)});
    }
    // The value of rnd() that draws question type t (0 draws type 1 too).
    static double type(int t) { return t / 10.0 + 0.05; }

    TestFolder folder;
    RecordingUi ui;
    ScriptedRandom random;
    ProgramState state{ui, random};
};

} // namespace

class TestGame : public QObject {
    Q_OBJECT
private slots:
    void scores_data();
    void scores();
    void scoresNeverWrapRound();
    void asksExactlyQuestionCountOfTheKindsSwitchedOn_data();
    void asksExactlyQuestionCountOfTheKindsSwitchedOn();
    void noKindsSendsThePlayerToTheSettings();
    void aQuestionThatCouldNotBePosedStillCounts();
    void everyGameStartsFromNothing();
    void noAnimalsNoGame();
    void stoppingEndsTheGameWithTheScoreSoFar();
    void soundsFollowThePlayersChoice();
};

void TestGame::scores_data() {
    QTest::addColumn<QList<int>>("answers"); // points, possible, points, possible, ...
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("final");
    QTest::newRow("nothing answered") << QList<int>{} << "Current score: 0 of 0  (0%)"
                                      << "You scored 0 out of 0 (0%)";
    QTest::newRow("ten of fifteen rounds down")
        << QList<int>{5, 5, 5, 5, 0, 5} << "Current score: 10 of 15  (66%)"
        << "You scored 10 out of 15 (66%)";
    QTest::newRow("a wrong answer lowers the percentage")
        << QList<int>{15, 20, 0, 5} << "Current score: 15 of 25  (60%)"
        << "You scored 15 out of 25 (60%)";
    QTest::newRow("three quarters") << QList<int>{15, 20} << "Current score: 15 of 20  (75%)"
                                    << "You scored 15 out of 20 (75%)";
    QTest::newRow("two thirds of a name") << QList<int>{4, 6} << "Current score: 4 of 6  (66%)"
                                          << "You scored 4 out of 6 (66%)";
}

void TestGame::scores() {
    QFETCH(QList<int>, answers);
    QFETCH(QString, caption);
    QFETCH(QString, final);
    Scores scores;
    for (int i = 0; i + 1 < answers.size(); i += 2)
        addScore(scores, answers[i], answers[i + 1], 0);
    QCOMPARE(scoreCaptionText(scores.current()), caption);
    QCOMPARE(finalScoreText(scores.current()), final);
}

void TestGame::scoresNeverWrapRound() {
    Scores scores;
    for (int i = 0; i < 20000; ++i)
        addScore(scores, 5, 5, 0);
    QCOMPARE(scores.current().points, 32767);
    QCOMPARE(scores.current().possible, 32767);
    QCOMPARE(scores.current().percent, 100);
}

void TestGame::asksExactlyQuestionCountOfTheKindsSwitchedOn_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("logLevel");
    QTest::newRow("one question") << 1 << 0;
    QTest::newRow("ten questions, every line logged") << 10 << 1;
    QTest::newRow("ten questions, only headings") << 10 << 2;
}

void TestGame::asksExactlyQuestionCountOfTheKindsSwitchedOn() {
    QFETCH(int, count);
    QFETCH(int, logLevel);
    Game g;
    g.state.settings.questionCount = int16_t(count);
    g.state.settings.logLevel = int16_t(logLevel);
    g.state.settings.typeEnabled = {0, -1, 0, 0, 0, 0, 0, 0, 0, 7, 0}; // Name me! and biomes
    // Draw 0 asks Name me! too; 2..8 are off and drawn again.
    g.random.push({0.0, Game::type(2), Game::type(8), Game::type(9), Game::type(1)});
    QList<int> expected{1, 9, 1};
    for (int i = 0; i < count; ++i)
        g.random.push({Game::type(5), Game::type(9)});
    while (expected.size() < count)
        expected << 9;
    playRound(g.state);
    QCOMPARE(g.ui.questions, expected.mid(0, count));
    QByteArray log;
    for (int n = 1; n <= count; ++n)
        log += "---- Question " + QByteArray::number(n) + "\r\n";
    QCOMPARE(g.folder.read(quizLogFileName), log);
}

void TestGame::noKindsSendsThePlayerToTheSettings() {
    Game g;
    g.state.settings.questionCount = 2;
    g.state.settings.typeEnabled = {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5}; // 0 and 10 don't count
    int setups = 0;
    g.ui.onSetup = [&] {
        // The first time the player switches nothing on, the second time kind 6.
        if (++setups == 2) g.state.settings.typeEnabled[6] = -1;
    };
    playRound(g.state);
    const QString text = "0No questions possible with current selections.  "
                         "Change difficulty levels or question types";
    QCOMPARE(g.ui.messages, QStringList(2, text));
    QCOMPARE(g.ui.windows, (QStringList{"setup", "setup", "question 6", "question 6"}));
    QCOMPARE(g.folder.read(quizLogFileName), "---- Question 1\r\n---- Question 2\r\n");
}

void TestGame::aQuestionThatCouldNotBePosedStillCounts() {
    Game g;
    g.state.settings.questionCount = 3;
    g.state.settings.typeEnabled = {0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0}; // one lion: no group
    g.ui.onSetup = [&] { g.state.settings.typeEnabled[3] = -1; };
    g.state.random.seed(7);
    playRound(g.state);
    QCOMPARE(g.ui.questions.size(), 3);
}

void TestGame::everyGameStartsFromNothing() {
    Game g;
    g.state.settings.questionCount = 2;
    g.state.scores.currentPlayer = 3;
    g.ui.onQuestion = [&](int) { addScore(g.state.scores, 5, 5, 0); };
    playGame(g.state);
    playGame(g.state);
    QCOMPARE(g.ui.messages, QStringList(2, "You scored 10 out of 10 (100%)"));
    QCOMPARE(g.state.scores.currentPlayer, 0);
}

void TestGame::noAnimalsNoGame() {
    Game g;
    g.state.knowledge.animalCount = 0;
    playGame(g.state);
    QCOMPARE(g.ui.questions.size(), 0);
    QCOMPARE(g.ui.messages.size(), 1);
    QVERIFY(g.ui.messages[0].startsWith("There are no animals"));
}

// The question on screen when the player stops is left out; the next game is whole again.
void TestGame::stoppingEndsTheGameWithTheScoreSoFar() {
    Game g;
    g.state.settings.questionCount = 5;
    g.state.random.seed(3);
    RecordingSpeaker speaker;
    g.state.sounds.attach(speaker);
    g.ui.onQuestion = [&](int) {
        if (g.ui.questions.size() == 2)
            stopGame(g.state);
        else
            addScore(g.state.scores, 1, 5, 0);
    };
    playGame(g.state);
    QCOMPARE(g.ui.questions.size(), 2);
    QCOMPARE(g.ui.messages, QStringList{"You scored 1 out of 5 (20%)"});
    QCOMPARE(speaker.played, QList<Sound>{Sound::cheerSmall});

    g.ui.onQuestion = [&](int) { addScore(g.state.scores, 5, 5, 0); };
    playGame(g.state);
    QCOMPARE(g.ui.questions.size(), 7);
    QCOMPARE(speaker.played.back(), Sound::cheerBig);
}

// Sounds are on until the player switches them off; the choice outlives the game.
void TestGame::soundsFollowThePlayersChoice() {
    Game g;
    const QString file = g.folder.file("player.ini");
    RecordingSpeaker speaker;
    g.state.sounds.attach(speaker);
    g.state.sounds.load(file);
    g.state.sounds.play(Sound::right);
    g.state.sounds.setOn(false);
    g.state.sounds.play(Sound::wrong);
    QCOMPARE(speaker.played, QList<Sound>{Sound::right});

    ProgramState next(g.ui);
    next.sounds.load(file);
    QVERIFY(!next.sounds.on());
    QVERIFY(!PlayerFile(file).flag("sounds", true));
    QVERIFY(g.ui.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
