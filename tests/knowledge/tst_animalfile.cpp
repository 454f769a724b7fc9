// SPDX-License-Identifier: GPL-2.0-or-later
#include "knowledge/animalfile.h"
#include "knowledge/wording.h"
#include "recordingui.h"
#include "testfolder.h"
#include "trickyanimalfiles.h"

#include <QBuffer>
#include <QTest>

#include <sys/stat.h>

#include <memory>

namespace {

AnimalRecord animal(const QString& name, int16_t difficulty, int32_t cls, int32_t family,
                    int32_t eater) {
    AnimalRecord a;
    a.name = name;
    a.fullName = "Common " + name.toLower();
    a.picture = "pictures/" + name.toLower() + ".jpg";
    a.difficulty = difficulty;
    a.classIndex = cls;
    a.familyIndex = family;
    a.eaterIndex = eater;
    return a;
}

QByteArray line(const QString& name, const QString& rest = "1,0,1,1,0,1,0,0,0,0,0,0,0,0") {
    return QString("\"%1\",\"%1\",\"pictures/%1.jpg\",%2\r\n").arg(name, rest).toUtf8();
}

QByteArray records(int count) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += line(QString("Animal%1").arg(i));
    return bytes;
}

QString readInto(Knowledge& kb, const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readAnimals(buffer, kb).error();
}

// Writes what was read and reads it again: everything a load accepts, a save keeps.
void checkSavedAgain(const Knowledge& kb) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(writeAnimals(buffer, kb).error(), "");
    auto back = std::make_unique<Knowledge>();
    QCOMPARE(readInto(*back, buffer.data()), "");
    QCOMPARE(back->animalCount, kb.animalCount);
    for (int i = 1; i <= kb.animalCount; ++i)
        QCOMPARE(back->animals[i], kb.animals[i]);
}

} // namespace

class TestAnimalFile : public QObject {
    Q_OBJECT
private slots:
    void roundTripKeepsEveryField();
    void writesTheFileFormat();
    void layoutsReadAlike_data();
    void layoutsReadAlike();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void indicesPastTheirTablesHaveNoWord_data();
    void indicesPastTheirTablesHaveNoWord();
    void trickyFilesReadAsTheControlReadsThem();
    void hostileFilesAreRefusedAtOnce_data();
    void hostileFilesAreRefusedAtOnce();
    void messagesQuoteLittleOfAValue();
    void widestFileSavesAndLoadsAgain();
    void fourHundredAnimalsFit();
    void missingFileSaysLastItemZero();
    void saveReportsWhatItStored();
    void savingNoAnimalsGivesAnEmptyFile();
    void failedSaveKeepsTheOldFile();
};

void TestAnimalFile::roundTripKeepsEveryField() {
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1] = animal("Lion", 1, 0, 1, 1);
    kb->animals[1].biomes = {0, 3, 0, 0, 1, 0, 0, 0};
    kb->animals[2] = animal("Goldfish", 2, -1, -1, -7);
    kb->animals[2].biomes = {0, 0, 0, 0, 0, 0, -2, 0};
    kb->animals[2].extra1 = -32768;
    kb->animals[2].extra2 = 32767;
    kb->animals[2].extra3 = 12;
    kb->animals[3] = animal("Okapi", -4, 5, 10, 5);
    kb->animals[3].classIndex = -2147483647 - 1;
    kb->animalCount = 3;

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(writeAnimals(buffer, *kb).error(), "");

    auto back = std::make_unique<Knowledge>();
    QCOMPARE(readInto(*back, buffer.data()), "");
    QCOMPARE(back->animalCount, 3);
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(back->animals[i], kb->animals[i]);
}

void TestAnimalFile::writesTheFileFormat() {
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1] = animal("Frog", 1, 3, 7, 2);
    kb->animals[1].biomes = {0, 0, 1, 0, 1, 0, 1, 0};
    kb->animals[1].extra3 = -5;
    kb->animalCount = 1;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QCOMPARE(writeAnimals(buffer, *kb).error(), "");
    QCOMPARE(
        buffer.data(),
        QByteArray(
            "\"Frog\",\"Common frog\",\"pictures/frog.jpg\",1,3,7,2,0,0,1,0,1,0,1,0,0,-5\r\n"));
}

void TestAnimalFile::layoutsReadAlike_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray oneLine =
        line("Lion", "1,0,1,1,0,1,0,0,0,0,0,7,8,9") + line("Owl", "2,1,5,1,0,0,0,0,1,0,0,0,0,0");
    QTest::newRow("one record a line") << oneLine;
    QTest::newRow("split over lines")
        << QByteArray("\"Lion\",\"Lion\",\r\n\"pictures/"
                      "Lion.jpg\",1,0\r\n1,1,0,1,0,0,0,0,0\r\n7\r\n8\r\n9\r\n") +
               line("Owl", "2,1,5,1,0,0,0,0,1,0,0,0,0,0");
    QTest::newRow("line ends in place of commas")
        << QByteArray("\"Lion\"\r\n\"Lion\"\r\n\"pictures/"
                      "Lion.jpg\"\r\n1\r\n0\r\n1\r\n1\r\n0\r\n1\r\n0\r\n0"
                      "\r\n0\r\n0\r\n0\r\n7\r\n8\r\n9\r\n") +
               line("Owl", "2,1,5,1,0,0,0,0,1,0,0,0,0,0");
    QTest::newRow("two records on one line")
        << QByteArray(oneLine).replace("9\r\n\"Owl", "9,\"Owl");
    QTest::newRow("blanks before values") << QByteArray(oneLine).replace(",", ",  ");
    QTest::newRow("line feeds only") << QByteArray(oneLine).replace("\r\n", "\n");
    QTest::newRow("no line end at the end") << oneLine.chopped(2);
    QTest::newRow("blank lines at the end") << oneLine + "\r\n\r\n  \r\n";
    QTest::newRow("end-of-file mark") << oneLine + "\x1a";
    QTest::newRow("whole numbers with a fraction of zero")
        << line("Lion", "1.0,0,1,1,0,1.00,0,0,0,0,0,7,8,9") +
               line("Owl", "2.,1,5.0,1,0,0,0,0,1,0,0,0,0,0");
}

void TestAnimalFile::layoutsReadAlike() {
    QFETCH(QByteArray, bytes);
    auto kb = std::make_unique<Knowledge>();
    QCOMPARE(readInto(*kb, bytes), "");
    QCOMPARE(kb->animalCount, 2);
    QCOMPARE(kb->animals[1].name, "Lion");
    QCOMPARE(kb->animals[1].picture, "pictures/Lion.jpg");
    QCOMPARE(kb->animals[1].biomes[1], 1);
    QCOMPARE(kb->animals[1].extra1, 7);
    QCOMPARE(kb->animals[1].extra3, 9);
    QCOMPARE(kb->animals[2].name, "Owl");
    QCOMPARE(kb->animals[2].familyIndex, 5);
    QCOMPARE(kb->animals[2].biomes[4], 1);
}

void TestAnimalFile::badFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("lastItem");
    QTest::addColumn<QString>("why");
    const QByteArray two = line("Lion") + line("Owl");
    QTest::newRow("ends inside a record") << two + "\"Bat\",\"Bat\",\"b.jpg\",1,0"
                                          << "last item 2 Owl"
                                          << "ends";
    QTest::newRow("text where a number belongs")
        << line("Lion") + line("Owl", "1,0,one,1,0,1,0,0,0,0,0,0,0,0") << "last item 1 Lion"
        << "not a number";
    QTest::newRow("difficulty beyond 16 bits")
        << line("Lion", "32768,0,1,1,0,1,0,0,0,0,0,0,0,0") << "last item 0 "
        << "out of range";
    QTest::newRow("biome flag beyond 16 bits")
        << two + line("Bat", "1,0,1,1,0,-32769,0,0,0,0,0,0,0,0") << "last item 2 Owl"
        << "out of range";
    QTest::newRow("spare value beyond 16 bits")
        << line("Lion", "1,0,1,1,0,1,0,0,0,0,0,0,0,40000") << "last item 0 "
        << "out of range";
    QTest::newRow("family beyond 32 bits")
        << line("Lion", "1,0,99999999999,1,0,1,0,0,0,0,0,0,0,0") << "last item 0 "
        << "out of range";
    QTest::newRow("class beyond 32 bits")
        << two + line("Bat", "1,2147483648,1,1,0,1,0,0,0,0,0,0,0,0") << "last item 2 Owl"
        << "class";
    QTest::newRow("empty number") << line("Lion", "1,,1,1,0,1,0,0,0,0,0,0,0,0") << "last item 0 "
                                  << "not a number";
    QTest::newRow("unclosed quote") << line("Lion") + "\"Owl,Owl,o.jpg,1,0,1,1"
                                    << "last item 1 Lion"
                                    << "quote";
    QTest::newRow("401 animals") << records(401) << "last item 400 Animal400"
                                 << "more than 400";
    QTest::newRow("fraction in a number")
        << two + line("Bat", "1.5,0,1,1,0,1,0,0,0,0,0,0,0,0") << "last item 2 Owl"
        << "The difficulty \"1.5\" is not a whole number";
    QTest::newRow("double quote in a plain text")
        << two + "Say \"cheese\",\"Cheese\",\"c.jpg\",1,0,1,1,0,1,0,0,0,0,0,0,0,0\r\n"
        << "last item 2 Owl"
        << "holds a double quote";
}

void TestAnimalFile::badFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, lastItem);
    QFETCH(QString, why);
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1] = animal("Before", 1, 0, 0, 0);
    kb->animalCount = 1;

    const QString message = readInto(*kb, bytes);
    const QStringList parts = message.split("\r\n");
    QCOMPARE(parts.size(), 2);
    QVERIFY2(parts[0].contains(why, Qt::CaseInsensitive), qPrintable(parts[0]));
    QCOMPARE(parts[1], lastItem);
    // Nothing of a refused file reaches the database.
    QCOMPARE(kb->animalCount, 1);
    QCOMPARE(kb->animals[1].name, "Before");
}

// A number past its word table is the data's mistake, not the file's: the animal loads, keeps
// its number through a save and reads as no word.
void TestAnimalFile::indicesPastTheirTablesHaveNoWord_data() {
    QTest::addColumn<QString>("rest"); // of the Bat's record
    QTest::addColumn<int>("qtype");
    QTest::addColumn<QString>("word");
    QTest::newRow("class 6") << "1,6,1,1,0,1,0,0,0,0,0,0,0,0" << 6 << "";
    QTest::newRow("family 11") << "1,0,11,1,0,1,0,0,0,0,0,0,0,0" << 7 << "";
    QTest::newRow("eating habit 6") << "1,0,1,6,0,1,0,0,0,0,0,0,0,0" << 8 << "";
    QTest::newRow("largest class, with a known eating habit")
        << "1,2147483647,1,1,0,1,0,0,0,0,0,0,0,0" << 4 << " Carnivore";
}

void TestAnimalFile::indicesPastTheirTablesHaveNoWord() {
    QFETCH(QString, rest);
    QFETCH(int, qtype);
    QFETCH(QString, word);
    auto kb = std::make_unique<Knowledge>();
    QCOMPARE(readInto(*kb, line("Lion") + line("Bat", rest) + line("Owl")), "");
    QCOMPARE(kb->animalCount, 3);
    checkSavedAgain(*kb);
    buildCategoryTables(kb->tables, 3);
    QCOMPARE(attributeText(*kb, 3, 2, questionTypeFromNumber(qtype)), word);
}

void TestAnimalFile::trickyFilesReadAsTheControlReadsThem() {
    for (const TrickyAnimalFile& file : trickyAnimalFiles()) {
        auto kb = std::make_unique<Knowledge>();
        const QString problem = readInto(*kb, file.bytes);
        QVERIFY2(problem.isEmpty() != file.refused, file.tag);
        if (file.refused) {
            QVERIFY2(problem.endsWith("\r\nlast item 0 "), file.tag);
            continue;
        }
        QVERIFY2(kb->animals[1].name == file.name, file.tag);
        QVERIFY2(kb->animals[1].fullName == file.fullName, file.tag);
        checkSavedAgain(*kb);
    }
}

void TestAnimalFile::hostileFilesAreRefusedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");
    QTest::newRow("FIFO") << "fifo"
                          << "Cannot read velk.dat: it is not a regular file";
    QTest::newRow("folder") << "folder"
                            << "Cannot read velk.dat: it is a folder";
    QTest::newRow("far too large") << "large"
                                   << "Cannot read velk.dat: it is larger than 4194304 bytes";
}

void TestAnimalFile::hostileFilesAreRefusedAtOnce() {
    QFETCH(QString, kind);
    QFETCH(QString, why);
    TestFolder folder;
    const QString path = folder.file("velk.dat");
    if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "folder") QVERIFY(QDir(folder.path()).mkdir("velk.dat"));
    if (kind == "large") folder.write("velk.dat", records(400).repeated(200));
    RecordingUi ui;
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1] = animal("Before", 1, 0, 0, 0);
    kb->animalCount = 1;
    loadAnimalFile(*kb, ui);
    QCOMPARE(ui.messages, QStringList{why + "\r\nlast item 0 "});
    QCOMPARE(kb->animalCount, 1);
}

void TestAnimalFile::messagesQuoteLittleOfAValue() {
    auto kb = std::make_unique<Knowledge>();
    const QString longName(900, 'N');
    const QByteArray hugeNumber(1'000'000, '7');
    const QString message =
        readInto(*kb, line(longName) + line("Owl", hugeNumber + ",0,1,1,0,1,0,0,0,0,0,0,0,0"));
    // One short line saying what is wrong, and the last good animal by its first 40 letters.
    QCOMPARE(message, "The value \"" + QString(40, '7') + QChar(0x2026) +
                          "\" is longer than 1000 characters\r\nlast item 1 " + QString(40, 'N') +
                          QChar(0x2026));
}

void TestAnimalFile::widestFileSavesAndLoadsAgain() {
    // 400 animals whose texts are as long as a text may be, in letters that take one byte on
    // the old platform and three once saved: the saved file still loads.
    QByteArray bytes;
    const QByteArray euros(1000, '\x80');
    for (int i = 0; i < maxAnimals; ++i)
        bytes += "\"" + euros + "\",\"" + euros + "\",\"" + euros +
                 "\",-32768,-2147483648,-2147483648,-2147483648,"
                 "-32768,-32768,-32768,-32768,-32768,-32768,-32768,-32768,-32768,-32768\r\n";
    auto kb = std::make_unique<Knowledge>();
    QCOMPARE(readInto(*kb, bytes), "");
    QCOMPARE(kb->animalCount, maxAnimals);
    QCOMPARE(kb->animals[400].picture, QString(1000, QChar(0x20AC)));
    checkSavedAgain(*kb);
}

void TestAnimalFile::fourHundredAnimalsFit() {
    auto kb = std::make_unique<Knowledge>();
    QCOMPARE(readInto(*kb, records(400)), "");
    QCOMPARE(kb->animalCount, 400);
    QCOMPARE(kb->animals[400].name, "Animal400");

    QCOMPARE(readInto(*kb, QByteArray()), "");
    QCOMPARE(kb->animalCount, 0);
}

void TestAnimalFile::missingFileSaysLastItemZero() {
    TestFolder folder;
    RecordingUi ui;
    auto kb = std::make_unique<Knowledge>();
    loadAnimalFile(*kb, ui);
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(ui.messages[0].endsWith("\r\nlast item 0 "));
    QVERIFY(ui.messages[0].contains("velk.dat"));
    QCOMPARE(kb->animalCount, 0);

    folder.write("velk.dat", line("Lion") + line("Owl"));
    loadAnimalFile(*kb, ui);
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(kb->animalCount, 2);
}

void TestAnimalFile::saveReportsWhatItStored() {
    TestFolder folder;
    RecordingUi ui;
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1] = animal("Lion", 1, 0, 1, 1);
    kb->animals[2] = animal("Bat", 1, 0, 0, 2);
    kb->animals[3] = animal("Owl", 2, 1, 5, 1);
    kb->animalCount = 3;
    saveAnimals(*kb, ui, "velk.dat");
    QCOMPARE(ui.messages, QStringList{"3 animals stored Lion to Owl"});

    auto back = std::make_unique<Knowledge>();
    loadAnimals(*back, ui, "velk.dat");
    QCOMPARE(back->animalCount, 3);
    QCOMPARE(back->animals[3], kb->animals[3]);
}

void TestAnimalFile::savingNoAnimalsGivesAnEmptyFile() {
    TestFolder folder;
    folder.write("velk.dat", line("Lion"));
    RecordingUi ui;
    auto kb = std::make_unique<Knowledge>();
    saveAnimals(*kb, ui, "velk.dat");
    QCOMPARE(folder.read("velk.dat"), QByteArray());
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(ui.messages[0].startsWith("0 animals stored "));
}

void TestAnimalFile::failedSaveKeepsTheOldFile() {
    TestFolder folder;
    const QByteArray old = line("Lion") + line("Owl");
    folder.write("velk.dat", old);
    RecordingUi ui;
    auto kb = std::make_unique<Knowledge>();
    kb->animals[1] = animal("Lion", 1, 0, 1, 1);
    kb->animals[2] = animal("Say \"cheese\"", 1, 0, 1, 1); // a quote cannot be stored
    kb->animalCount = 2;
    saveAnimals(*kb, ui, "velk.dat");
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(!ui.messages[0].contains("animals stored"));
    QCOMPARE(folder.read("velk.dat"), old);

    // A folder standing where the file should go cannot be replaced either.
    QVERIFY(QDir(folder.path()).mkdir("blocked.dat"));
    kb->animals[2] = animal("Owl", 1, 0, 1, 1);
    saveAnimals(*kb, ui, "blocked.dat");
    QCOMPARE(ui.messages.size(), 2);
    QVERIFY(!ui.messages[1].contains("animals stored"));
}

QTEST_GUILESS_MAIN(TestAnimalFile)
#include "tst_animalfile.moc"
