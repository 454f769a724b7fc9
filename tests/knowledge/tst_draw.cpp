// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "knowledge/draw.h"
#include "recordingui.h"
#include "scriptedrandom.h"

#include <QSet>
#include <QTest>

#include <memory>

namespace {

// A knowledge base, a port and chance for one test.
struct Bench {
    explicit Bench(const QList<AnimalRecord>& animals, int level = 3) {
        buildCategoryTables(kb->tables, level);
        fill(*kb, animals);
        window = {1, level};
    }
    int16_t pick(int qtype, int slot) {
        kb->questionType = questionTypeFromNumber(qtype);
        return pickAnimal(*kb, window, random, ui, slot);
    }
    // The value of rnd() that draws animal n.
    double drawing(int n) const { return (n - 0.5) / kb->animalCount; }
    void script(std::initializer_list<int> animals) {
        for (int n : animals)
            random.push({drawing(n)});
    }

    std::unique_ptr<Knowledge> kb = std::make_unique<Knowledge>();
    DifficultyWindow window;
    ScriptedRandom random;
    RecordingUi ui;
};

QList<AnimalRecord> many(int count, int cls, int difficulty = 1) {
    QList<AnimalRecord> list;
    for (int i = 0; i < count; ++i)
        list << beast(QString("C%1n%2").arg(cls).arg(i), difficulty, cls, 1 + i % 9, i % 5,
                      {i % 7});
    return list;
}

} // namespace

class TestDraw : public QObject {
    Q_OBJECT
private slots:
    void oneAnimalIsAlwaysDrawn();
    void presenceTestsKeepAnimalsOutOfQuestionsAboutWhatTheyLack_data();
    void presenceTestsKeepAnimalsOutOfQuestionsAboutWhatTheyLack();
    void everyBiomelessDrawIsReported();
    void optionsAllReadDifferently();
    void oddOneOutRelationsByWords();
    void oddOneOutByBiomeLooksAtTheFirstBiomeOnly();
    void oddOneOutNeedsFourDifferentAnimals();
    void givingUpAfterTenPasses();
    void aLongSearchThatSucceedsShowsNothing();
    void emptyWindowReportsEveryPass();
    void smallGroupsGiveMinusThree_data();
    void smallGroupsGiveMinusThree();
    void referenceCountsItselfAndNumbersNotWords();
    void unluckyDrawsNeverMakeAPlayableQuestionImpossible();
    void noAnimalsGivesUpAtOnce();
    void practisedAnimalsKeepEveryRule_data();
    void practisedAnimalsKeepEveryRule();
};

void TestDraw::oneAnimalIsAlwaysDrawn() {
    Bench b({beast("Lion", 1, 0, 1, 1)});
    for (int i = 0; i < 20; ++i)
        QCOMPARE(b.pick(1, 0), 1);
    QCOMPARE(b.kb->chosen[0], 1);
}

void TestDraw::presenceTestsKeepAnimalsOutOfQuestionsAboutWhatTheyLack_data() {
    QTest::addColumn<int>("qtype");
    QTest::addColumn<AnimalRecord>("lacking");
    QTest::newRow("class and family: no class") << 3 << beast("X", 1, -1, 2, 1);
    QTest::newRow("class and family: Misc") << 3 << beast("X", 1, 0, 0, 1);
    QTest::newRow("class and eater: no eater") << 4 << beast("X", 1, 0, 2, -1);
    QTest::newRow("class: none") << 6 << beast("X", 1, -1, 2, 1);
    QTest::newRow("family: Misc") << 7 << beast("X", 1, 0, 0, 1);
    QTest::newRow("family: none") << 7 << beast("X", 1, 0, -1, 1);
    QTest::newRow("eater: none") << 8 << beast("X", 1, 0, 2, -1);
}

// The lacking animal is drawn first every time and must be passed over in every slot.
void TestDraw::presenceTestsKeepAnimalsOutOfQuestionsAboutWhatTheyLack() {
    QFETCH(int, qtype);
    QFETCH(AnimalRecord, lacking);
    QList<AnimalRecord> animals{lacking};
    // Six hunting mammals and six plant-eating birds: two descriptions, two groups.
    for (int i = 0; i < 6; ++i)
        animals << beast(QString("M%1").arg(i), 1, 0, 1, 1, {0});
    for (int i = 0; i < 6; ++i)
        animals << beast(QString("B%1").arg(i), 1, 1, 5, 0, {1});
    Bench b(animals, 3);
    const int slotCount = qtype < 6 ? 2 : 4;
    for (int slot = 0; slot < slotCount; ++slot) {
        b.script({1});
        QVERIFY(b.pick(qtype, slot) > 1);
    }
}

void TestDraw::everyBiomelessDrawIsReported() {
    Bench b({beast("Ghost", 1, 0, 1, 1, {}), beast("Lion", 1, 0, 1, 1, {1})});
    b.script({1, 1, 2});
    QCOMPARE(b.pick(5, 0), 2);
    QCOMPARE(b.ui.messages, QStringList(2, "No niches found for 1 Ghost"));
}

void TestDraw::optionsAllReadDifferently() {
    // Two animals read "Mammal Primate"; only one of them may be an option.
    Bench b({beast("Ape", 1, 0, 2, 0), beast("Monkey", 1, 0, 2, 3), beast("Cow", 1, 0, 3, 0),
             beast("Owl", 1, 1, 5, 1)});
    b.script({1, 2, 1, 3, 2, 1, 3, 4});
    QCOMPARE(b.pick(3, 0), 1);
    QCOMPARE(b.pick(3, 1), 3);
    QCOMPARE(b.pick(3, 2), 4);
}

void TestDraw::oddOneOutRelationsByWords() {
    // At level 1 an omnivore (3) and an insect eater (2) both read "Meat eater" like the
    // reference, a carnivore (1): neither can be the odd one; the plant eater can.
    QList<AnimalRecord> animals;
    for (int i = 0; i < 5; ++i)
        animals << beast(QString("Wolf%1").arg(i), 1, 0, 1, 1);
    animals << beast("Bear", 1, 0, 1, 3) << beast("Mole", 1, 0, 4, 2) << beast("Cow", 1, 0, 3, 0);
    Bench b(animals, 1);
    b.script({1});
    QCOMPARE(b.pick(8, 0), 1);
    b.script({6, 7, 8});
    QCOMPARE(b.pick(8, 1), 8);
    b.script({8, 6}); // slot 2 must agree: the omnivore does, in words
    QCOMPARE(b.pick(8, 2), 6);
}

void TestDraw::oddOneOutByBiomeLooksAtTheFirstBiomeOnly() {
    // The reference lives in the plains (1) and the forest (4).
    QList<AnimalRecord> animals{beast("Deer", 1, 0, 3, 0, {1, 4})};
    for (int i = 0; i < 5; ++i)
        animals << beast(QString("Plain%1").arg(i), 1, 0, 3, 0, {1});
    animals << beast("Squirrel", 1, 0, 4, 0, {4}) << beast("Bison", 1, 0, 3, 0, {1, 4});
    Bench b(animals, 1);
    b.script({1});
    QCOMPARE(b.pick(9, 0), 1);
    b.script({2, 8, 7}); // the forest animal may be odd: it does not live in the plains
    QCOMPARE(b.pick(9, 1), 7);
    b.script({7, 8});
    QCOMPARE(b.pick(9, 2), 8); // living elsewhere too is fine
}

void TestDraw::oddOneOutNeedsFourDifferentAnimals() {
    // Exactly five mammals and one bird: the alike slots must not repeat the reference.
    QList<AnimalRecord> animals = many(5, 0);
    animals << beast("Owl", 1, 1, 5, 1);
    Bench b(animals);
    for (int seed = 1; seed <= 200; ++seed) {
        b.random.seed(quint32(seed));
        QSet<int> drawn;
        for (int slot = 0; slot < 4; ++slot)
            drawn.insert(b.pick(6, slot));
        QCOMPARE(drawn.size(), 4);
        QVERIFY(!drawn.contains(6) || b.kb->chosen[1] == 6);
    }
}

void TestDraw::givingUpAfterTenPasses() {
    // Two animals, the same description: the second option can never be found.
    Bench b({beast("Ape", 1, 0, 2, 0), beast("Monkey", 1, 0, 2, 3)});
    b.kb->chosen = {1, 42, 42, 42, 42, 42};
    QCOMPARE(b.pick(3, 1), noAnimalFound);
    QCOMPARE(b.kb->chosen[1], 42); // left as it was
    QCOMPARE(b.ui.messages.size(), 10);
    const QRegularExpression first("^Pick class, family  [12] 1 tried > 100, try 1\r\n"
                                   "item  0 Mammal Primate\r\ndminmax 1 3$");
    QVERIFY2(first.match(b.ui.messages[0]).hasMatch(), qPrintable(b.ui.messages[0]));
    QVERIFY(b.ui.messages[9].contains(" tried > 100, try 10\r\n"));
}

void TestDraw::aLongSearchThatSucceedsShowsNothing() {
    // Three passes of draws that read like the first option, then one that does not.
    Bench b({beast("Ape", 1, 0, 2, 0), beast("Monkey", 1, 0, 2, 3), beast("Owl", 1, 1, 5, 1)});
    b.kb->chosen = {1, 42, 42, 42, 42, 42};
    for (int i = 0; i < 3 * 201; ++i)
        b.script({2});
    b.script({3});
    QCOMPARE(b.pick(3, 1), 3);
    QVERIFY2(b.ui.messages.isEmpty(), qPrintable(b.ui.messages.value(0)));
}

void TestDraw::emptyWindowReportsEveryPass() {
    Bench b(many(8, 0, 3));
    b.window = {1, 2};
    QCOMPARE(b.pick(5, 0), noAnimalFound);
    QCOMPARE(b.ui.messages.size(), 10);
    QVERIFY(b.ui.messages[0].endsWith(" 0 tried > 100, try 1\r\ndminmax 1 2"));
    QCOMPARE(b.kb->chosen[0], 0);
}

void TestDraw::smallGroupsGiveMinusThree_data() {
    QTest::addColumn<int>("qtype");
    QTest::newRow("class") << 6;
    QTest::newRow("family") << 7;
    QTest::newRow("eater type") << 8;
    QTest::newRow("biome") << 9;
}

void TestDraw::smallGroupsGiveMinusThree() {
    QFETCH(int, qtype);
    // Four of each kind: no group reaches five inside the window.
    QList<AnimalRecord> animals;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 4; ++i)
            animals << beast(QString("A%1%2").arg(k).arg(i), 1, k, k + 1, k, {k});
    animals << beast("Outside", 3, 0, 1, 0, {0}); // makes five, but outside the window
    Bench b(animals);
    b.window = {1, 2};
    b.kb->chosen = {9, 9, 9, 9, 9, 9};
    QCOMPARE(b.pick(qtype, 0), groupsTooSmall);
    QCOMPARE(b.kb->chosen[0], 9);
    QVERIFY(b.ui.messages.isEmpty()); // within the first 200 draws: no diagnostic
}

void TestDraw::referenceCountsItselfAndNumbersNotWords() {
    // Exactly five carnivores; at level 1 the three insect eaters read "Meat eater" too but
    // do not make a group of their own.
    QList<AnimalRecord> animals;
    for (int i = 0; i < 5; ++i)
        animals << beast(QString("Wolf%1").arg(i), 1, 0, 1, 1);
    for (int i = 0; i < 3; ++i)
        animals << beast(QString("Mole%1").arg(i), 1, 0, 4, 2);
    animals << beast("Cow", 1, 0, 3, 0);
    Bench b(animals, 1);
    for (int seed = 1; seed <= 50; ++seed) {
        b.random.seed(quint32(seed));
        const int reference = b.pick(8, 0);
        QVERIFY(reference >= 1 && reference <= 5);
    }
}

// Candidates outside the window, and many small groups, once let six unlucky draws call a
// playable question impossible and switch its kind off.
void TestDraw::unluckyDrawsNeverMakeAPlayableQuestionImpossible() {
    QList<AnimalRecord> animals = many(5, 0); // the one group, at level 1
    for (int i = 0; i < 200; ++i)
        animals << beast(QString("Far%1").arg(i), 3, i % 5, 1, 1, {0});
    for (int i = 0; i < 16; ++i) // four classes of four
        animals << beast(QString("Small%1").arg(i), 1, 1 + i % 4, 2, 0, {i % 7});
    Bench b(animals);
    b.window = {1, 1};
    for (int seed = 1; seed <= 300; ++seed) {
        b.random.seed(quint32(seed));
        const int reference = b.pick(6, 0);
        QVERIFY2(reference >= 1 && reference <= 5, qPrintable(QString::number(reference)));
    }
}

void TestDraw::noAnimalsGivesUpAtOnce() {
    Bench b({});
    QCOMPARE(b.pick(1, 0), noAnimalFound);
    QCOMPARE(b.pick(6, 0), noAnimalFound);
    QVERIFY(b.ui.messages.isEmpty());
}

void TestDraw::practisedAnimalsKeepEveryRule_data() {
    QTest::addColumn<int>("qtype");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int16_t>>("missed");
    QTest::addColumn<QList<int>>("drawn"); // what may come; empty: anything but the missed
    // Animals 1-6 hunting mammals of the plains, 7-12 plant-eating birds of the forest, 13 a
    // mammal of no biome, 14 a mammal above the window, 15 the only reptile.
    QTest::newRow("a missed animal comes first") << 1 << 0 << QList<int16_t>{9} << QList<int>{9};
    QTest::newRow("drawn among those that fit")
        << 1 << 0 << QList<int16_t>{3, 14, 9} << QList<int>{3, 9};
    QTest::newRow("above the window: drawn as ever")
        << 1 << 0 << QList<int16_t>{14} << QList<int>{};
    QTest::newRow("no biome for a biome question") << 5 << 0 << QList<int16_t>{13} << QList<int>{};
    QTest::newRow("not a number of an animal")
        << 1 << 0 << QList<int16_t>{0, 16, -2} << QList<int>{};
    QTest::newRow("the odd one is unlike the reference")
        << 6 << 1 << QList<int16_t>{2, 8} << QList<int>{8};
    QTest::newRow("an alike animal is never the odd one")
        << 6 << 1 << QList<int16_t>{2, 3} << QList<int>{7, 8, 9, 10, 11, 12, 15};
    QTest::newRow("a reference needs its group") << 6 << 0 << QList<int16_t>{15} << QList<int>{};
}

void TestDraw::practisedAnimalsKeepEveryRule() {
    QFETCH(int, qtype);
    QFETCH(int, slot);
    QFETCH(QList<int16_t>, missed);
    QFETCH(QList<int>, drawn);
    QList<AnimalRecord> animals;
    for (int i = 0; i < 6; ++i)
        animals << beast(QString("M%1").arg(i), 1, 0, 1, 1, {0});
    for (int i = 0; i < 6; ++i)
        animals << beast(QString("B%1").arg(i), 1, 1, 5, 0, {1});
    animals << beast("Ghost", 1, 0, 1, 1, {}) << beast("Giant", 3, 0, 1, 1, {0})
            << beast("Lizard", 1, 2, 6, 1, {0});
    for (quint32 seed = 1; seed <= 20; ++seed) {
        Bench b(animals, 1);
        b.random.seed(seed);
        b.kb->chosen[0] = 1; // the reference of an odd-one-out question
        b.kb->questionType = questionTypeFromNumber(qtype);
        const int c = pickAnimal(*b.kb, b.window, b.random, b.ui, slot, missed);
        if (drawn.isEmpty())
            QVERIFY2(c > 0 && !missed.contains(int16_t(c)), qPrintable(QString::number(c)));
        else
            QVERIFY2(drawn.contains(c), qPrintable(QString::number(c)));
        QCOMPARE(b.kb->chosen[size_t(slot)], c);
    }
}

QTEST_GUILESS_MAIN(TestDraw)
#include "tst_draw.moc"
