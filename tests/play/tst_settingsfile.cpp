// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/settingsfile.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QBuffer>
#include <QTest>

#include <functional>

#include <sys/stat.h>

Q_DECLARE_METATYPE(GameSettings)

namespace {

Result<GameSettings> readFrom(const QByteArray& bytes) {
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

// The file of distinctSettings() with line `index` (0-based) replaced.
QByteArray withLine(int index, const QByteArray& line) {
    QList<QByteArray> lines = settingsText(distinctSettings()).split('\n');
    lines[index] = line + '\r';
    return lines.join('\n');
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void defaultsMatchTheDeliveredFile();
    void roundTripKeepsEveryField();
    void windowsTwoAndThreeChangePlacesInTheFile();
    void spacingIsNotSignificant();
    void unreadablePartsGiveDefaults_data();
    void unreadablePartsGiveDefaults();
    void reservedValuesReadBackAsRead_data();
    void reservedValuesReadBackAsRead();
    void unusableFieldsTakeTheirDefault_data();
    void unusableFieldsTakeTheirDefault();
    void windowStatesOutsideTheirRangeTakeTheirDefault();
    void filesThatCannotBeReadAreReported_data();
    void filesThatCannotBeReadAreReported();
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

// A value that is not a number of its field costs that field alone; a file that ends early,
// is no text or is mostly not numbers gives every default.
void TestSettingsFile::unreadablePartsGiveDefaults_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<GameSettings>("expected");
    const QByteArray whole = settingsText(distinctSettings());
    const GameSettings defaults;
    QTest::newRow("empty") << QByteArray() << defaults;
    QTest::newRow("first line only") << whole.left(whole.indexOf('\n') + 1) << defaults;
    QTest::newRow("last line missing") << whole.left(whole.lastIndexOf("-1")) << defaults;
    static const char junk[] = "\x01\x02\xff\xfe garbage \0 more";
    QTest::newRow("binary junk") << QByteArray(junk, sizeof junk - 1) << defaults;
    QTest::newRow("control character in a text")
        << QByteArray(whole).replace("My menu", "My\x01menu") << defaults;
    QTest::newRow("prose") << QByteArray("Dear diary, today we went to the zoo.\r\n").repeated(23)
                           << defaults;

    auto row = [](const char* tag, const QByteArray& bytes,
                  const std::function<void(GameSettings&)>& change) {
        GameSettings wanted = distinctSettings();
        change(wanted);
        QTest::newRow(tag) << bytes << wanted;
    };
    auto replaced = [&](const char* from, const char* to) {
        return QByteArray(whole).replace(from, to);
    };
    row("text for a height", replaced(" 1002 ", " x "),
        [](auto& s) { s.formLayout[2].height = 0; });
    row("number beyond 16 bits", replaced(" 31000 ", " 99000 "),
        [](auto& s) { s.spareValue2 = 0; });
    row("fraction", replaced(" 31000 ", " 310.5 "), [](auto& s) { s.spareValue2 = 0; });
    row("colour beyond 32 bits", replaced(" 589833 ", " 99999999999 "),
        [](auto& s) { s.formLayout[9].backColor = 0; });
    row("word for a kind", withLine(21, " off"), [](auto& s) { s.typeEnabled[8] = -1; });
}

void TestSettingsFile::unreadablePartsGiveDefaults() {
    QFETCH(QByteArray, bytes);
    QFETCH(GameSettings, expected);
    TestFolder folder;
    folder.write(settingsFileName, bytes);
    RecordingUi ui;
    GameSettings s = distinctSettings();
    loadSettings(s, ui);
    QCOMPARE(s, expected);
}

void TestSettingsFile::reservedValuesReadBackAsRead_data() {
    QTest::addColumn<QByteArray>("spelled");
    QTest::addColumn<QString>("value");
    QTest::newRow("number") << QByteArray("12") << "12";
    QTest::newRow("number in quotes") << QByteArray("\"12\"") << "12";
    QTest::newRow("leading zeros") << QByteArray("007") << "007";
    QTest::newRow("minus zero") << QByteArray("-0") << "-0";
    QTest::newRow("plus sign") << QByteArray("+5") << "+5";
    QTest::newRow("beyond any integer")
        << QByteArray("123456789012345678901") << "123456789012345678901";
    QTest::newRow("empty") << QByteArray("\"\"") << "";
    QTest::newRow("blank inside") << QByteArray("\"a b\"") << "a b";
    QTest::newRow("comma inside") << QByteArray("\"a,b\"") << "a,b";
    QTest::newRow("line end inside") << QByteArray("\"a\r\nb\"") << "a\r\nb";
    QTest::newRow("quote inside a word") << QByteArray("ab\"c") << "ab\"c";
    QTest::newRow("14 letters") << QByteArray("abcdefghijklmn") << "abcdefghijklmn";
    QTest::newRow("28 letters") << QByteArray(28, 'a') << QString(28, 'a');
    QTest::newRow("14 letters in quotes") << QByteArray("\"abcdefghijkl\"") << "abcdefghijkl";
}

void TestSettingsFile::reservedValuesReadBackAsRead() {
    QFETCH(QByteArray, spelled);
    QFETCH(QString, value);
    // The value stands second on line 3, right before a negative number.
    const auto read = readFrom(withLine(2, "x  " + spelled + "  -3"));
    QVERIFY(read);
    QCOMPARE(read->reserved[0].second, value);
    QCOMPARE(read->reserved[0].third, -3);
    QCOMPARE(read->titlePicture, distinctSettings().titlePicture);
    const QByteArray saved = settingsText(*read);
    const auto back = readFrom(saved);
    QVERIFY2(back, saved.constData());
    QCOMPARE(*back, *read);
    QCOMPARE(settingsText(*back), saved);
}

// A hand-edited value no game can use, or no number at all, gives way to its default; the rest
// of the file stands.
void TestSettingsFile::unusableFieldsTakeTheirDefault_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QList<int>>("expected"); // min, max, questions, log level
    QTest::newRow("all in range") << QByteArray(" 2  3  10  2") << QList<int>{2, 3, 10, 2};
    QTest::newRow("lowest bounds") << QByteArray(" 1  1  1  0") << QList<int>{1, 1, 1, 0};
    QTest::newRow("fractions of zero") << QByteArray("2.0 3.00 10. 1") << QList<int>{2, 3, 10, 1};
    QTest::newRow("no questions") << QByteArray("1 3 0 2") << QList<int>{1, 3, 5, 2};
    QTest::newRow("negative questions") << QByteArray("1 3 -7 2") << QList<int>{1, 3, 5, 2};
    QTest::newRow("11 questions") << QByteArray("1 3 11 1") << QList<int>{1, 3, 5, 1};
    QTest::newRow("questions beyond 16 bits")
        << QByteArray("1 3 99999 1") << QList<int>{1, 3, 5, 1};
    QTest::newRow("highest level 99") << QByteArray("1 99 4 1") << QList<int>{1, 1, 4, 1};
    QTest::newRow("highest level 0") << QByteArray("1 0 4 1") << QList<int>{1, 1, 4, 1};
    QTest::newRow("lowest above highest") << QByteArray("3 2 4 1") << QList<int>{1, 2, 4, 1};
    QTest::newRow("lowest level 0") << QByteArray("0 3 4 1") << QList<int>{1, 3, 4, 1};
    QTest::newRow("lowest level 4") << QByteArray("4 3 4 1") << QList<int>{1, 3, 4, 1};
    QTest::newRow("log level 9") << QByteArray("1 3 4 9") << QList<int>{1, 3, 4, 0};
    QTest::newRow("log level -1") << QByteArray("1 3 4 -1") << QList<int>{1, 3, 4, 0};
    QTest::newRow("all wrong") << QByteArray("-5 -5 -5 -5") << QList<int>{1, 1, 5, 0};
    QTest::newRow("questions not a number") << QByteArray("2 3 x 1") << QList<int>{2, 3, 5, 1};
    QTest::newRow("levels not numbers") << QByteArray("low high 4 1") << QList<int>{1, 1, 4, 1};
}

void TestSettingsFile::unusableFieldsTakeTheirDefault() {
    QFETCH(QByteArray, line);
    QFETCH(QList<int>, expected);
    TestFolder folder;
    folder.write(settingsFileName, withLine(0, line));
    RecordingUi ui;
    GameSettings s;
    loadSettings(s, ui);
    QCOMPARE(ui.messages, QStringList{});
    GameSettings wanted = distinctSettings(); // the rest of the file stands
    wanted.minDifficulty = int16_t(expected[0]);
    wanted.maxDifficulty = int16_t(expected[1]);
    wanted.questionCount = int16_t(expected[2]);
    wanted.logLevel = int16_t(expected[3]);
    QCOMPARE(s, wanted);
}

void TestSettingsFile::windowStatesOutsideTheirRangeTakeTheirDefault() {
    // Line 6 holds the states of windows 0, 1, 3, 2, 4.
    const auto read = readFrom(withLine(5, " 3  -1  2  0  1"));
    QVERIFY(read);
    GameSettings wanted = distinctSettings();
    wanted.formLayout[0].windowState = 0;
    wanted.formLayout[1].windowState = 0;
    wanted.formLayout[3].windowState = 2;
    wanted.formLayout[2].windowState = 0;
    wanted.formLayout[4].windowState = 1;
    QCOMPARE(*read, wanted);
}

void TestSettingsFile::filesThatCannotBeReadAreReported_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why");  // empty: no message
    QTest::addColumn<QString>("kept"); // where the file went; empty: nowhere
    QTest::newRow("missing") << "missing"
                             << ""
                             << "";
    QTest::newRow("FIFO") << "fifo"
                          << "it is not a regular file"
                          << "";
    QTest::newRow("folder") << "folder"
                            << "it is a folder"
                            << "";
    QTest::newRow("far too large") << "large"
                                   << "it is larger than 1048576 bytes"
                                   << "velk.INI.damaged";
    QTest::newRow("cut short") << "short"
                               << "The file ends in the middle of a record"
                               << "velk.INI.damaged";
    QTest::newRow("an earlier damaged file stays") << "again"
                                                   << "The file ends in the middle of a record"
                                                   << "velk.INI.damaged-2";
}

void TestSettingsFile::filesThatCannotBeReadAreReported() {
    QFETCH(QString, kind);
    QFETCH(QString, why);
    QFETCH(QString, kept);
    TestFolder folder;
    const QString path = folder.file(settingsFileName);
    const QByteArray older = "an earlier damaged file";
    if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "folder") QVERIFY(QDir(folder.path()).mkdir(settingsFileName));
    if (kind == "large") folder.write(settingsFileName, settingsText({}).repeated(3000));
    if (kind == "short" || kind == "again")
        folder.write(settingsFileName, settingsText(distinctSettings()).left(300));
    if (kind == "again") folder.write("velk.INI.damaged", older);
    const QByteArray bytes = kept.isEmpty() ? QByteArray() : folder.read(settingsFileName);
    RecordingUi ui;
    GameSettings s = distinctSettings();
    loadSettings(s, ui);
    QCOMPARE(s, GameSettings{});
    const QString keptLine = kept.isEmpty() ? "" : "\r\nThe file is kept as " + kept + ".";
    QCOMPARE(ui.messages, why.isEmpty()
                              ? QStringList{}
                              : QStringList{"The settings in velk.INI cannot be read: " + why +
                                            "\r\nThe game starts with its "
                                            "default settings." +
                                            keptLine});
    // What could not be read is kept whole, out of the way of the next save.
    if (!kept.isEmpty()) {
        QCOMPARE(folder.read(kept), bytes);
        QVERIFY(!QFileInfo::exists(path));
    }
    if (kind == "again") QCOMPARE(folder.read("velk.INI.damaged"), older);
    if (kind == "fifo") QVERIFY(QFileInfo(path).exists());
}

void TestSettingsFile::missingFileGivesDefaultsAndSaveWritesItWhole() {
    TestFolder folder;
    RecordingUi ui;
    GameSettings s = distinctSettings();
    loadSettings(s, ui);
    QCOMPARE(s, GameSettings{});

    s.questionCount = 7;
    saveSettings(s, ui);
    QVERIFY(ui.messages.isEmpty());
    GameSettings back;
    loadSettings(back, ui);
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
