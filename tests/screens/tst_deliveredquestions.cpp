// SPDX-License-Identifier: GPL-2.0-or-later
// The delivered data/velk.dat played by the two screens' own rules: ten thousand questions
// of each kind at each highest difficulty, every one drawn without a word to the player and
// won by the right answer.
#include "knowledge/animalfile.h"
#include "questionstate.h"
#include "screens/match.h"
#include "screens/nameme.h"
#include "testfolder.h"

#include <QFile>
#include <QSet>
#include <QTest>

namespace {

constexpr int questions = 10000;

// A game over the delivered animals, at a log level that writes nothing.
struct DeliveredGame : QuestionState {
    DeliveredGame(int kind, int maxDifficulty) : QuestionState(kind, maxDifficulty, 100 * kind) {
        QFile file(QStringLiteral(VELK_DATA_DIR "/velk.dat"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readAnimals(file, state.knowledge).error(), QString());
        state.settings.logLevel = 3;
    }
    // Answers the question and leaves the score for the next one.
    PlayerScore takeScore() {
        const PlayerScore score = state.scores.current();
        state.scores.current() = PlayerScore{};
        return score;
    }
};

} // namespace

class TestDeliveredQuestions : public QObject {
    Q_OBJECT
private slots:
    void everyQuestionCanBeAskedAndWon_data();
    void everyQuestionCanBeAskedAndWon();

private:
    void matchThem(DeliveredGame& game);
    void nameMe(DeliveredGame& game);
    TestFolder folder_;
};

void TestDeliveredQuestions::everyQuestionCanBeAskedAndWon_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("maxDifficulty");
    for (int level = 1; level <= 3; ++level) {
        QTest::addRow("Name me!, up to level %d", level) << 1 << level;
        QTest::addRow("Match them, up to level %d", level) << 2 << level;
    }
}

void TestDeliveredQuestions::everyQuestionCanBeAskedAndWon() {
    QFETCH(int, kind);
    QFETCH(int, maxDifficulty);
    DeliveredGame game(kind, maxDifficulty);
    if (QTest::currentTestFailed()) return;
    for (int n = 0; n < questions; ++n) {
        if (kind == 1)
            nameMe(game);
        else
            matchThem(game);
        if (QTest::currentTestFailed()) return;
    }
    QCOMPARE(game.ui.messages, QStringList()); // no diagnostic, no kind switched off
    QCOMPARE(game.state.settings.typeEnabled[size_t(kind)], -1);
}

// Four different names, the bottom right picture with bar 3's animal, and every bar laid on
// its own picture is all correct.
void TestDeliveredQuestions::matchThem(DeliveredGame& game) {
    MatchQuestion question(game.state);
    QVERIFY(question.load());
    QSet<QString> names;
    for (int k = 0; k < MatchQuestion::count; ++k)
        names << question.caption(k);
    QCOMPARE(names.size(), 4);
    QVERIFY(!names.contains(QString()));
    QCOMPARE(question.slotOfPicture(3), 3);
    for (int p = 0; p < MatchQuestion::count; ++p) {
        question.startDrag(question.slotOfPicture(p));
        question.drop(p);
    }
    question.done();
    QCOMPARE(game.ui.scoreBoards.takeLast(),
             "Results for Match animals by name | *** All correct!");
    QCOMPARE(game.takeScore().points, 20);
}

// Typing each letter of the name once wins the whole worth.
void TestDeliveredQuestions::nameMe(DeliveredGame& game) {
    NameMeGame word(game.state);
    QVERIFY(word.load());
    QVERIFY(!word.hiddenWord().isEmpty());
    for (QChar letter : QSet<QChar>(word.hiddenWord().begin(), word.hiddenWord().end()))
        if (letter >= 'A' && letter <= 'Z') word.press(letter);
    QVERIFY2(word.over(), qPrintable(word.hiddenWord()));
    QCOMPARE(game.ui.scoreBoards.takeLast(), "Results for Name me! | You got it!");
    QCOMPARE(game.takeScore().points, 6);
}

QTEST_GUILESS_MAIN(TestDeliveredQuestions)
#include "tst_deliveredquestions.moc"
