#include "play/settingsfile.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QBuffer>
#include <QTest>

namespace {

std::optional<GameSettings> readFrom(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readSettings(buffer);
}

// Settings where every field holds a value of its own, so a swap or a drop shows.
GameSettings distinctSettings() {
    GameSettings s;
    s.minDifficulty = 2;
    s.maxDifficulty = 3;
    s.questionCount = 10;
    s.logLevel = 2;
    s.spareValue1 = -7;
    s.spareValue2 = 31000;
    s.reserved[0] = {"12", "word", -3};
    s.reserved[1] = {"-4", "5", 6};
    s.titlePicture = "pictures/My menu, big.jpg";
    for (int i = 0; i <= 10; ++i) {
        s.typeEnabled[i] = int16_t(i % 2 ? -1 : 0);
        s.formLayout[i] = {int16_t(i % 3), int32_t(0x10000 * i + i), int16_t(1000 + i),
                           int16_t(2000 + i)};
    }
    s.typeEnabled[0] = 5; // never shown on the settings screen, kept all the same
    s.formLayout[10] = {};
    s.typeEnabled[10] = 0; // entry 10 is not in the file
    return s;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void defaultsMatchTheDeliveredFile();
    void roundTripKeepsEveryField();
    void windowsTwoAndThreeChangePlacesInTheFile();
    void spacingIsNotSignificant();
    void unreadableFilesGiveDefaults_data();
    void unreadableFilesGiveDefaults();
    void outOfRangeFieldsTakeTheirDefault_data();
    void outOfRangeFieldsTakeTheirDefault();
    void missingFileGivesDefaultsAndSaveWritesItWhole();
    void failedSaveIsReportedAndKeepsTheOldFile();
};

void TestSettingsFile::defaultsMatchTheDeliveredFile() {
    const QByteArray golden = fixture("play/fixtures/default.INI");
    QVERIFY(!golden.isEmpty());
    QCOMPARE(settingsText(GameSettings{}), golden);
    QCOMPARE(fixture("../data/velk.INI"), golden); // what the program is delivered with
    QCOMPARE(golden.count("\r\n"), 23);
    // Line 2: the two 8s with an empty zone between them.
    QCOMPARE(golden.split('\n')[1],
             QByteArray(" 0             0             8                           8 \r"));
    const auto read = readFrom(golden);
    QVERIFY(read);
    QCOMPARE(*read, GameSettings{});
}

void TestSettingsFile::roundTripKeepsEveryField() {
    const GameSettings s = distinctSettings();
    const auto back = readFrom(settingsText(s));
    QVERIFY(back);
    QCOMPARE(back->typeEnabled, s.typeEnabled);
    QCOMPARE(back->formLayout, s.formLayout);
    QCOMPARE(back->titlePicture, s.titlePicture);
    QCOMPARE(back->reserved, s.reserved);
    QCOMPARE(*back, s);
}

void TestSettingsFile::windowsTwoAndThreeChangePlacesInTheFile() {
    GameSettings s;
    s.formLayout[2].height = 2222;
    s.formLayout[3].height = 3333;
    const QList<QByteArray> lines = settingsText(s).split('\n');
    QCOMPARE(lines[7], QByteArray(" 0             0             3333          2222          0 \r"));
}

void TestSettingsFile::spacingIsNotSignificant() {
    QByteArray text = settingsText(distinctSettings());
    text.replace("             ", " ");
    text.replace("\r\n", "  \r\n");
    text.replace(" 1000 ", "\t1000,");
    const auto back = readFrom(text);
    QVERIFY(back);
    QCOMPARE(*back, distinctSettings());
}

void TestSettingsFile::unreadableFilesGiveDefaults_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = settingsText(distinctSettings());
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("first line only") << whole.left(whole.indexOf('\n') + 1);
    QTest::newRow("last line missing") << whole.left(whole.lastIndexOf("-1"));
    QTest::newRow("text where a number belongs") << QByteArray(whole).replace(" 10 ", " ten ");
    QTest::newRow("number beyond 16 bits") << QByteArray(whole).replace(" 31000 ", " 99000 ");
    static const char junk[] = "\x01\x02\xff\xfe garbage \0 more";
    QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1);
}

void TestSettingsFile::unreadableFilesGiveDefaults() {
    QFETCH(QByteArray, bytes);
    TestFolder folder;
    folder.write(settingsFileName, bytes);
    GameSettings s = distinctSettings();
    loadSettings(s);
    QCOMPARE(s, GameSettings{});
}

// A hand-edited value no game can use gives way to its default; the rest of the file stands.
void TestSettingsFile::outOfRangeFieldsTakeTheirDefault_data() {
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QList<int>>("read"); // min, max, questions, log level
    QTest::newRow("in range") << QByteArray(" 2 3 10 1") << QList<int>{2, 3, 10, 1};
    QTest::newRow("no questions") << QByteArray(" 2 3 0 1") << QList<int>{2, 3, 5, 1};
    QTest::newRow("negative questions") << QByteArray(" 2 3 -7 1") << QList<int>{2, 3, 5, 1};
    QTest::newRow("eleven questions") << QByteArray(" 2 3 11 1") << QList<int>{2, 3, 5, 1};
    QTest::newRow("level 99") << QByteArray(" 1 99 4 1") << QList<int>{1, 1, 4, 1};
    QTest::newRow("level 0") << QByteArray(" 1 0 4 1") << QList<int>{1, 1, 4, 1};
    QTest::newRow("lowest above highest") << QByteArray(" 3 2 4 1") << QList<int>{1, 2, 4, 1};
    QTest::newRow("lowest 0") << QByteArray(" 0 2 4 1") << QList<int>{1, 2, 4, 1};
    QTest::newRow("log level 9") << QByteArray(" 2 3 4 9") << QList<int>{2, 3, 4, 0};
    QTest::newRow("log level -1") << QByteArray(" 2 3 4 -1") << QList<int>{2, 3, 4, 0};
}

void TestSettingsFile::outOfRangeFieldsTakeTheirDefault() {
    QFETCH(QByteArray, firstLine);
    QFETCH(QList<int>, read);
    QByteArray text = settingsText(distinctSettings());
    text = firstLine + text.mid(text.indexOf("\r\n"));
    const auto back = readFrom(text);
    QVERIFY(back);
    QCOMPARE(
        (QList<int>{back->minDifficulty, back->maxDifficulty, back->questionCount, back->logLevel}),
        read);
    GameSettings rest = *back;
    const GameSettings expected = distinctSettings();
    rest.minDifficulty = expected.minDifficulty;
    rest.maxDifficulty = expected.maxDifficulty;
    rest.questionCount = expected.questionCount;
    rest.logLevel = expected.logLevel;
    QCOMPARE(rest, expected);
}

void TestSettingsFile::missingFileGivesDefaultsAndSaveWritesItWhole() {
    TestFolder folder;
    GameSettings s = distinctSettings();
    loadSettings(s);
    QCOMPARE(s, GameSettings{});

    RecordingUi ui;
    s.questionCount = 7;
    saveSettings(s, ui);
    QVERIFY(ui.messages.isEmpty());
    GameSettings back;
    loadSettings(back);
    QCOMPARE(back, s);
    QCOMPARE(folder.read(settingsFileName).count("\r\n"), 23);
}

void TestSettingsFile::failedSaveIsReportedAndKeepsTheOldFile() {
    TestFolder folder;
    // A folder where the file should be cannot be replaced: the save says so.
    QVERIFY(QDir(folder.path()).mkdir(settingsFileName));
    RecordingUi ui;
    saveSettings(GameSettings{}, ui);
    QCOMPARE(ui.messages.size(), 1);
    QVERIFY(ui.messages[0].contains(settingsFileName));
    QVERIFY(QFileInfo(folder.file(settingsFileName)).isDir());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
