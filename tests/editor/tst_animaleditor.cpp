// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/animaleditor.h"
#include "play/settingsfile.h"
#include "testfolder.h"
#include "zoo.h"

#include <QBuffer>
#include <QTest>

namespace {

GameSettings settingsIn(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto read = readSettings(buffer);
    return read ? *read : GameSettings{};
}

} // namespace

class TestAnimalEditor : public QObject {
    Q_OBJECT
private slots:
    void speaksLevelThreeWhileOpen();
    void displayRule();
    void navigationNeverWraps();
    void difficultyCommits_data();
    void difficultyCommits();
    void aLevelFromTheFileIsNotRefused();
    void exitWritesPlayersLevelAndAnimals();
    void exitWithNoAnimalsKeepsTheFile();
};

void TestAnimalEditor::speaksLevelThreeWhileOpen() {
    Zoo run(1);
    {
        AnimalEditor editor(run.state);
        QCOMPARE(run.state.settings.maxDifficulty, 3);
        QCOMPARE(editor.currentAnimal(), 1);
        QCOMPARE(editor.filllist(), QStringList({"Domestic cat", "Barn owl", "Mystery",
                                                 "Leopard gecko", "Common hippopotamus"}));
        QCOMPARE(editor.classList().size(), 5);
        QCOMPARE(editor.familyList().size(), 10);
        QCOMPARE(editor.familyList()[7], "Swimming"); // "Water" at the player's level
        QCOMPARE(editor.eaterList(),
                 QStringList({"Herbivore", "Carnivore", "Insectivore", "Omnivore", "Fishivore"}));
        editor.close();
        QCOMPARE(run.state.settings.maxDifficulty, 1);
        QCOMPARE(run.state.knowledge.tables.eaterNames[2], "Meat eater");
    }
    // Going out of scope without close() gives the level back too.
    { AnimalEditor editor(run.state); }
    QCOMPARE(run.state.settings.maxDifficulty, 1);
    QCOMPARE(run.state.knowledge.tables.familyNames[8], "Water");
}

void TestAnimalEditor::displayRule() {
    Zoo run(1);
    AnimalEditor editor(run.state);

    RecordView v = editor.fillform(2);
    QCOMPARE(v.line, 1);
    QCOMPARE(v.difficulty, "1");
    QCOMPARE(v.classPosition, 1);
    QCOMPARE(v.familyPosition, 5);
    QCOMPARE(v.eaterPosition, 1);
    QCOMPARE(v.biomes, (std::array<bool, 7>{false, false, false, false, true, false, false}));
    QCOMPARE(v.biomeCaptions[3], "Mountains");
    QCOMPARE(run.animal(2).biomes[4], 2); // shown as set, kept as it is
    QCOMPARE(v.picture, "pictures/owl.jpg");
    QVERIFY(run.ui.messages.isEmpty());

    // No name, no class, family or eater, a broken flag, no picture.
    v = editor.fillform(3);
    QCOMPARE(run.ui.messages, QStringList{"Problem? no name for 3"});
    QCOMPARE(v.fullName, "Mystery");
    QVERIFY(!v.classPosition && !v.familyPosition && !v.eaterPosition);
    QCOMPARE(run.animal(3).classIndex, -1);
    QCOMPARE(run.animal(3).biomes[0], 0);
    QVERIFY(!v.biomes[0]);
    QVERIFY(v.picture.isEmpty());

    // A family the box does not offer shows an empty box; a blank picture name is none.
    v = editor.fillform(4);
    QCOMPARE(v.familyPosition, -1);
    QVERIFY(v.picture.isEmpty());
    QCOMPARE(editor.fillform(6).line, -1); // past the loaded animals: nothing to show
}

void TestAnimalEditor::navigationNeverWraps() {
    Zoo run(1);
    AnimalEditor editor(run.state);
    QVERIFY(editor.previous("2"));
    QCOMPARE(editor.currentAnimal(), 1);
    for (int i = 0; i < 6; ++i)
        QVERIFY(editor.next(editor.difficultyText()));
    QCOMPARE(editor.currentAnimal(), 5);
    QVERIFY(editor.pick(2, "3"));
    QCOMPARE(editor.currentAnimal(), 3);
    QVERIFY(!editor.pick(5, "5")); // no such line
    QCOMPARE(editor.currentAnimal(), 3);
}

// Every way of leaving animal 2 stores what was typed; a value that is no level is refused,
// the player hears why and the editor stays.
void TestAnimalEditor::difficultyCommits_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored"); // 0: refused
    QTest::addColumn<int>("landsOn");
    for (const char* path : {"list", "next", "previous", "exit", "close"})
        QTest::addRow("%s stores", path) << path << " 3 " << 3 << 0;
    QTest::newRow("list lands on its line") << QString("list") << QString("2") << 2 << 4;
    QTest::newRow("next lands on 3") << QString("next") << QString("2") << 2 << 3;
    for (const char* typed : {"0", "4", "-1", "two", "", "2.5", "99999"}) {
        QTest::addRow("next refuses '%s'", typed) << "next" << typed << 0 << 2;
        QTest::addRow("exit refuses '%s'", typed) << "exit" << typed << 0 << 2;
    }
    QTest::newRow("list refuses") << QString("list") << QString("7") << 0 << 2;
    QTest::newRow("previous refuses") << QString("previous") << QString("x") << 0 << 2;
}

void TestAnimalEditor::difficultyCommits() {
    QFETCH(QString, path);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(int, landsOn);
    TestFolder folder;
    Zoo run(1);
    AnimalEditor editor(run.state);
    QVERIFY(editor.next("2"));

    bool moved = true;
    if (path == "list") moved = editor.pick(3, typed);
    if (path == "next") moved = editor.next(typed);
    if (path == "previous") moved = editor.previous(typed);
    if (path == "exit") moved = editor.exit(typed);
    if (path == "close") editor.leave(typed);

    QCOMPARE(run.animal(2).difficulty, stored ? stored : 1);
    QCOMPARE(moved, stored != 0);
    if (landsOn) QCOMPARE(editor.currentAnimal(), landsOn);
    if (stored) return;
    QCOMPARE(run.ui.messages.size(), 1);
    QVERIFY(run.ui.messages[0].contains("must be a whole number from 1 to 3"));
    QVERIFY(run.ui.messages[0].endsWith("Barn owl keeps difficulty 1."));
    QCOMPARE(editor.difficultyText(), "1");
    QVERIFY(!QFile::exists(folder.file("velk.dat")));
    QVERIFY(!QFile::exists(folder.file("velk.INI")));
}

void TestAnimalEditor::aLevelFromTheFileIsNotRefused() {
    Zoo run(1);
    AnimalEditor editor(run.state);
    QVERIFY(editor.pick(2, "2"));
    QVERIFY(editor.next("5")); // animal 3's own level, untouched
    QCOMPARE(editor.currentAnimal(), 4);
    QCOMPARE(run.animal(3).difficulty, 5);
    QVERIFY(run.ui.messages.isEmpty());
}

void TestAnimalEditor::exitWritesPlayersLevelAndAnimals() {
    TestFolder folder;
    Zoo run(1);
    run.state.settings.questionCount = 7;
    AnimalEditor editor(run.state);
    editor.setBiome(6, true);
    QVERIFY(editor.exit("3"));

    QCOMPARE(run.ui.messages, QStringList{"5 animals stored Cat to Hippo"});
    QCOMPARE(folder.read("velk.dat"), fixture("editor/fixtures/velk.dat"));
    GameSettings onDisk = settingsIn(folder.read("velk.INI"));
    QCOMPARE(onDisk.maxDifficulty, 1);
    QCOMPARE(onDisk.questionCount, 7);
    QCOMPARE(run.state.settings.maxDifficulty, 3); // until the window closes
}

void TestAnimalEditor::exitWithNoAnimalsKeepsTheFile() {
    TestFolder folder;
    folder.write("velk.dat", "a file that did not load");
    RecordingUi ui;
    ProgramState state(ui);
    AnimalEditor editor(state);
    QCOMPARE(editor.currentAnimal(), 0);
    QVERIFY(editor.filllist().isEmpty());
    QVERIFY(!editor.next(""));
    QVERIFY(editor.exit(""));
    QCOMPARE(ui.messages, QStringList{"No animals are loaded, so velk.dat is left as it was."});
    QCOMPARE(folder.read("velk.dat"), QByteArray("a file that did not load"));
    QVERIFY(QFile::exists(folder.file("velk.INI")));
}

QTEST_GUILESS_MAIN(TestAnimalEditor)
#include "tst_animaleditor.moc"
