// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/animallist.h"
#include "testfolder.h"
#include "zoo.h"

#include <QDir>
#include <QTest>

namespace {

const char question[] =
    "Store animal list to file: Ready to store list by difficulty in file 'animal.txt'";

} // namespace

class TestAnimalList : public QObject {
    Q_OBJECT
private slots:
    void listsByDifficultyInPrintZones();
    void rangeDecidesWhoIsListed();
    void cancelLeavesTheOldFile();
    void writeErrorIsReported();
};

// Grouped by level then record order, the zones, a line with no biome, a flag of 2, words
// left empty for a missing class and a family past its table, a level out of range.
void TestAnimalList::listsByDifficultyInPrintZones() {
    TestFolder folder;
    folder.write("animal.txt", "an older, longer list that must go entirely");
    Zoo run(3); // the editor's view: the grown-up words, levels 1 to 3
    storeAnimalList(run.state);
    QCOMPARE(run.ui.confirmations, QStringList{question});
    QCOMPARE(folder.read("animal.txt"), fixture("editor/fixtures/animal.txt"));
    QVERIFY(run.ui.messages.isEmpty());
}

void TestAnimalList::rangeDecidesWhoIsListed() {
    Zoo run(3);
    QCOMPARE(animalListText(run.state.knowledge, 7, 9), QString());
    QCOMPARE(animalListText(run.state.knowledge, 3, 1), QString());
    QCOMPARE(animalListText(run.state.knowledge, 5, 5),
             " 5  3 Mystery" + QString(57, ' ') + " Water \r\n"); // no words, one biome
    // From level 0 on, the empty slots past the loaded animals are listed as well.
    const QStringList lines = animalListText(run.state.knowledge, 0, 0).split("\r\n");
    QCOMPARE(lines.size(), 396);
    QCOMPARE(lines[0], " 0  6         Mammal        Misc          Herbivore      ");

    TestFolder folder;
    run.state.settings.minDifficulty = 4;
    storeAnimalList(run.state);
    QVERIFY(QFile::exists(folder.file("animal.txt")));
    QCOMPARE(folder.read("animal.txt"), QByteArray());
}

void TestAnimalList::cancelLeavesTheOldFile() {
    TestFolder folder;
    folder.write("animal.txt", "old list");
    Zoo run(3);
    run.ui.confirmAnswers = {false};
    storeAnimalList(run.state);
    QCOMPARE(run.ui.confirmations, QStringList{question});
    QCOMPARE(folder.read("animal.txt"), QByteArray("old list"));
}

void TestAnimalList::writeErrorIsReported() {
    TestFolder folder;
    QDir(folder.path()).mkdir("animal.txt"); // nothing can replace a folder
    Zoo run(3);
    storeAnimalList(run.state);
    QCOMPARE(run.ui.messages.size(), 1);
    QVERIFY(run.ui.messages[0].startsWith("The animal list could not be stored in animal.txt: "));
    QVERIFY(QFileInfo(folder.file("animal.txt")).isDir());
}

QTEST_GUILESS_MAIN(TestAnimalList)
#include "tst_animallist.moc"
