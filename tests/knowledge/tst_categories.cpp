// SPDX-License-Identifier: GPL-2.0-or-later
#include "knowledge/categories.h"

#include <QTest>

// The words a child reads must follow the highest difficulty, and a change of level must
// leave nothing of the old level behind.
class TestCategories : public QObject {
    Q_OBJECT
private slots:
    void eaterWords_data();
    void eaterWords();
    void familyWords_data();
    void familyWords();
    void fixedTablesAtEveryLevel_data();
    void fixedTablesAtEveryLevel();
    void switchingLevelsRebuildsEverything();
    void pictureFile();
};

void TestCategories::eaterWords_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("level 1") << 1 << QStringList{"Plant eater", "Meat eater", "Meat eater",
                                                 "Meat eater",  "Meat eater", ""};
    QTest::newRow("level 2") << 2 << QStringList{"Plant eater",   "Meat eater", "Insect eater",
                                                 "Eats anything", "Fish eater", ""};
    QTest::newRow("level 3") << 3 << QStringList{"Herbivore", "Carnivore", "Insectivore",
                                                 "Omnivore",  "Fishivore", ""};
    QTest::newRow("level 0 reads like 3")
        << 0 << QStringList{"Herbivore", "Carnivore", "Insectivore", "Omnivore", "Fishivore", ""};
}

void TestCategories::eaterWords() {
    QFETCH(int, level);
    QFETCH(QStringList, words);
    CategoryTables t;
    buildCategoryTables(t, level);
    QCOMPARE(QStringList(t.eaterNames.begin(), t.eaterNames.end()), words);
}

void TestCategories::familyWords_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("level 1")
        << 1 << QStringList{"Misc",      "Meat eater",   "Monkey", "Plant eater", "Rat-like",
                            "Hawk-like", "Tree & brush", "Water",  "Water",       "Ground",
                            ""};
    QTest::newRow("level 2") << 2 << QStringList{"Misc",   "Meat eater", "Monkey",   "Plant eater",
                                                 "Rodent", "Hawk-like",  "Perching", "Swimming",
                                                 "Wading", "Ground",     ""};
    QTest::newRow("level 3") << 3 << QStringList{"Misc",   "Carnivore", "Primate",  "Grazing",
                                                 "Rodent", "Raptor",    "Perching", "Swimming",
                                                 "Wading", "Ground",    ""};
}

void TestCategories::familyWords() {
    QFETCH(int, level);
    QFETCH(QStringList, words);
    CategoryTables t;
    buildCategoryTables(t, level);
    QCOMPARE(QStringList(t.familyNames.begin(), t.familyNames.end()), words);
}

void TestCategories::fixedTablesAtEveryLevel_data() {
    QTest::addColumn<int>("level");
    QTest::newRow("level 1") << 1;
    QTest::newRow("level 2") << 2;
    QTest::newRow("level 3") << 3;
}

void TestCategories::fixedTablesAtEveryLevel() {
    QFETCH(int, level);
    CategoryTables t;
    buildCategoryTables(t, level);
    QCOMPARE(QStringList(t.classNames.begin(), t.classNames.end()),
             (QStringList{"Mammal", "Bird", "Reptile", "Amphibian", "Insect", ""}));
    QCOMPARE(
        QStringList(t.biomeNames.begin(), t.biomeNames.end()),
        (QStringList{"Desert", "Plains", "Jungle", "Mountains", "Forest", "Tundra", "Water", ""}));
    QCOMPARE(t.questionTypeNames[0], "Name");
    QCOMPARE(t.questionTypeNames[1], "Name me!");
    QCOMPARE(t.questionTypeNames[5], "Pick biomes");
    QCOMPARE(t.questionTypeNames[9], "Odd one out -- biome");
    QCOMPARE(t.questionTypeNames[10], "");
}

void TestCategories::switchingLevelsRebuildsEverything() {
    CategoryTables t;
    buildCategoryTables(t, 1);
    buildCategoryTables(t, 3);
    QCOMPARE(t.familyNames[6], "Perching");
    QCOMPARE(t.familyNames[7], "Swimming");
    QCOMPARE(t.familyNames[8], "Wading");
    QCOMPARE(t.eaterNames[2], "Insectivore");

    buildCategoryTables(t, 2);
    buildCategoryTables(t, 1);
    QCOMPARE(t.familyNames[4], "Rat-like");
    QCOMPARE(t.eaterNames[3], "Meat eater");
}

void TestCategories::pictureFile() {
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1].picture = "pictures/lion.jpg";
    kb->animals[400].picture = "pictures/okapi.jpg";
    QCOMPARE(kb->pictureFile(0), "");
    QCOMPARE(kb->pictureFile(1), "pictures/lion.jpg");
    QCOMPARE(kb->pictureFile(400), "pictures/okapi.jpg");
    QCOMPARE(kb->pictureFile(401), "");
    QCOMPARE(kb->pictureFile(-1), "");
}

QTEST_GUILESS_MAIN(TestCategories)
#include "tst_categories.moc"
