// SPDX-License-Identifier: GPL-2.0-or-later
#include "questionstate.h"
#include "recordingvoice.h"
#include "screens/nameme.h"

#include <QTest>

#include <cmath>

namespace {

using Outcome = NameMeGame::Outcome;

// A name-me question about one animal; its full name is used from level 3.
struct Word {
    explicit Word(const QString& name, int maxDifficulty = 1) : q(1, maxDifficulty) {
        q.addAnimals({name});
        QVERIFY(game.load());
    }
    void type(const QString& keys) {
        for (QChar k : keys)
            game.press(k);
    }

    QuestionState q;
    NameMeGame game{q.state};
};

} // namespace

class TestNameMe : public QObject {
    Q_OBJECT
private slots:
    void startsWithEveryLetterHidden_data();
    void startsWithEveryLetterHidden();
    void aHitShowsTheLetterEverywhere();
    void refusedKeysChangeNothing_data();
    void refusedKeysChangeNothing();
    void dragonGrowsWithEveryMiss();
    void winning_data();
    void winning();
    void theSixthMissLoses();
    void aNameWithOtherCharactersCanBeWon();
    void wordFontSizeFollowsTheLength_data();
    void wordFontSizeFollowsTheLength();
    void noAnimalLeavesOnlyQuit();
    void readAloudEachLetterThenTheWord();
};

void TestNameMe::startsWithEveryLetterHidden_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxDifficulty");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one word") << "Lion" << 1 << "LION"
                              << "****"
                              << "_ _ _ _ ";
    QTest::newRow("two words: the blank is shown") << "Polar bear" << 2 << "POLAR BEAR"
                                                   << "***** ****"
                                                   << "_ _ _ _ _   _ _ _ _ ";
    QTest::newRow("the full name from level 3") << "Owl" << 3 << "GREAT OWL"
                                                << "***** ***"
                                                << "_ _ _ _ _   _ _ _ ";
}

void TestNameMe::startsWithEveryLetterHidden() {
    QFETCH(QString, name);
    QFETCH(int, maxDifficulty);
    Word w(name, maxDifficulty);
    QTEST(w.game.hiddenWord(), "hidden");
    QTEST(w.game.wordMask(), "mask");
    QTEST(w.game.shownWord(), "shown");
    QCOMPARE(w.game.missedLetters(), QString());
    QVERIFY(!w.game.hintShown());
    QCOMPARE(w.game.dragonFile(), QString());
    QCOMPARE(w.game.pictureFile(), "pictures/" + name + ".jpg");
}

// A letter fills every place it stands in, typed in either case; from then on a letter
// still hidden shows as "_" and two blanks.
void TestNameMe::aHitShowsTheLetterEverywhere() {
    Word w("Polar bear");
    QCOMPARE(w.game.press('a'), Outcome::hit);
    QCOMPARE(w.game.wordMask(), "***A* **A*");
    QCOMPARE(w.game.shownWord(), "_  _  _  A _    _  _  A _  ");
    QCOMPARE(w.game.press('R'), Outcome::hit);
    QCOMPARE(w.game.wordMask(), "***AR **AR");
    // typing a found letter again changes nothing
    QCOMPARE(w.game.press('r'), Outcome::hit);
    QCOMPARE(w.game.wordMask(), "***AR **AR");
    QCOMPARE(w.game.missedLetters(), QString());
    QVERIFY(w.q.ui.messages.isEmpty());
}

void TestNameMe::refusedKeysChangeNothing_data() {
    QTest::addColumn<QChar>("key");
    QTest::addColumn<QString>("message");
    QTest::newRow("space bar") << QChar(' ') << "Press a letter, only";
    QTest::newRow("digit") << QChar('7') << "Press a letter, only";
    QTest::newRow("hyphen") << QChar('-') << "Press a letter, only";
    QTest::newRow("accented letter") << QChar(0xE9) << "Press a letter, only";
    QTest::newRow("Enter") << QChar('\r') << "Press a letter, only";
    QTest::newRow("a letter missed before") << QChar('q') << "Already tried Q";
    QTest::newRow("the same in capitals") << QChar('Q') << "Already tried Q";
}

void TestNameMe::refusedKeysChangeNothing() {
    QFETCH(QChar, key);
    Word w("Polar bear");
    w.type("aq");
    w.q.ui.messages.clear();
    QCOMPARE(w.game.press(key), Outcome::refused);
    QTEST(w.q.ui.messages.join('|'), "message");
    QCOMPARE(w.game.wordMask(), "***A* **A*");
    QCOMPARE(w.game.missedLetters(), " Q");
    QCOMPARE(w.game.misses(), 1);
}

// The dragon grows by a fifth about the centre it has at design size and shows
// dragon6.jpg down to dragon2.jpg; the hint shows from the first miss.
void TestNameMe::dragonGrowsWithEveryMiss() {
    Word w("Lion");
    QCOMPARE(w.game.dragonRect(), QRectF(6000, 1560, 855, 1215));
    for (int m = 1; m <= 5; ++m) {
        QCOMPARE(w.game.press(QChar('Z' - m)), Outcome::miss);
        QCOMPARE(w.game.misses(), m);
        const QRectF dragon = w.game.dragonRect();
        QCOMPARE(dragon.width(), 855 * std::pow(1.2, m));
        QCOMPARE(dragon.height(), 1215 * std::pow(1.2, m));
        QCOMPARE(dragon.center(), QPointF(6427.5, 2168));
        QCOMPARE(w.game.dragonFile(), QString("dragon%1.jpg").arg(7 - m));
        QVERIFY(w.game.hintShown());
    }
    QCOMPARE(w.game.missedLetters(), " Y X W V U");
    QVERIFY(w.q.ui.messages.isEmpty());
}

void TestNameMe::winning_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("points");
    QTest::newRow("no miss") << "lion" << 6;
    QTest::newRow("two misses") << "LqIzON" << 4;
    QTest::newRow("refused keys cost nothing") << "l1 i?on" << 6;
}

void TestNameMe::winning() {
    QFETCH(QString, keys);
    QFETCH(int, points);
    Word w("Lion");
    QString shownAtTheEnd;
    w.q.ui.onScoreBoard = [&] { shownAtTheEnd = w.game.shownWord(); };
    Outcome last = Outcome::ignored;
    for (QChar k : keys)
        last = w.game.press(k);
    QCOMPARE(last, Outcome::won);
    QVERIFY(w.game.over());
    QCOMPARE(shownAtTheEnd, "L I O N "); // the whole word stands behind the score board
    QCOMPARE(w.q.ui.scoreBoards, QStringList("Results for Name me! | You got it!"));
    QCOMPARE(w.q.state.scores.current().points, points);
    QCOMPARE(w.q.state.scores.current().possible, 6);
    QCOMPARE(w.game.press('x'), Outcome::ignored); // nothing after the end
}

void TestNameMe::theSixthMissLoses() {
    Word w("Lion");
    w.type("abcde");
    QString dragonBeforeTheMessage;
    const auto last = w.game.press('f', [&] { dragonBeforeTheMessage = w.game.dragonFile(); });
    QCOMPARE(last, Outcome::lost);
    QCOMPARE(dragonBeforeTheMessage, "dragon1.jpg");
    QCOMPARE(w.q.ui.messages, QStringList("The word was: LION. Better luck next time!"));
    QVERIFY(w.q.ui.scoreBoards.isEmpty());
    QCOMPARE(w.q.state.scores.current().points, 0);
    QCOMPARE(w.q.state.scores.current().possible, 6);
    QCOMPARE(w.game.press('l'), Outcome::ignored);
}

// A hyphen or an accent cannot be typed: it is shown from the start, so the name can be won.
void TestNameMe::aNameWithOtherCharactersCanBeWon() {
    Word w(QString("Aye-aye b") + QChar(0xE9) + "b" + QChar(0xE9));
    QCOMPARE(w.game.wordMask(), QString("***-*** *") + QChar(0xC9) + "*" + QChar(0xC9));
    QCOMPARE(w.game.shownWord(),
             QString("_ _ _ - _ _ _   _ ") + QChar(0xC9) + " _ " + QChar(0xC9) + " ");
    w.type("aey");
    QCOMPARE(w.game.press('b'), Outcome::won);
    QCOMPARE(w.q.state.scores.current().points, 6);
}

void TestNameMe::wordFontSizeFollowsTheLength_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("points");
    for (auto [length, points] : {std::pair{1, 24},
                                  {8, 24},
                                  {9, 18},
                                  {12, 18},
                                  {13, 14},
                                  {14, 14},
                                  {15, 12},
                                  {16, 12},
                                  {17, 10},
                                  {40, 10}})
        QTest::addRow("%d characters", length) << length << points;
}

void TestNameMe::wordFontSizeFollowsTheLength() {
    QFETCH(int, length);
    QFETCH(int, points);
    QCOMPARE(NameMeGame::wordFontSize(length), points);
}

// No animal inside the difficulty window: the kind is switched off and keys do nothing.
void TestNameMe::noAnimalLeavesOnlyQuit() {
    QuestionState q(1);
    q.addAnimals({"Lion"}, 3);
    NameMeGame game(q.state);
    QVERIFY(!game.load());
    QVERIFY(
        q.ui.messages.last().startsWith("Current set doesn't provide enough items for Name me!. "));
    QCOMPARE(q.state.settings.typeEnabled[1], 0);
    QCOMPARE(q.ui.windows, QStringList("setup"));
    const int told = int(q.ui.messages.size());
    QCOMPARE(game.press('l'), Outcome::ignored);
    QCOMPARE(q.ui.messages.size(), told);
    QCOMPARE(q.state.scores.current().possible, 0);
}

// Each letter as it is typed, the whole name once the word is won (before the score board,
// which reads on); keys refused are told by their message.
void TestNameMe::readAloudEachLetterThenTheWord() {
    Word w("Polar bear", 2);
    RecordingVoice voice(&w.q.ui.windows);
    w.q.state.speech.attach(voice);
    QVERIFY(w.q.state.speech.setOn(true));
    voice.said.clear();
    w.type("p1zolarb");
    QCOMPARE(voice.said, (QStringList{"P", "Z", "O", "L", "A", "R", "B"}));
    QCOMPARE(w.q.ui.messages, QStringList{"Press a letter, only"});
    QVERIFY(!w.q.ui.windows.contains("score board"));
    w.type("e");
    QCOMPARE(w.q.ui.windows.mid(w.q.ui.windows.size() - 3),
             (QStringList{"say: E", "say: Polar bear. You got it! Current score: 5 of 6 (83%)",
                          "score board"}));

    Word lost("Owl");
    lost.q.state.speech.attach(voice);
    QVERIFY(lost.q.state.speech.setOn(true));
    lost.type("abcdef");
    // Nothing said over the message that names the word; its box reads it out.
    QCOMPARE(voice.said.last(), "F");
}

QTEST_GUILESS_MAIN(TestNameMe)
#include "tst_nameme.moc"
