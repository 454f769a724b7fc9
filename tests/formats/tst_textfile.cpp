#include "formats/textfile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT
private slots:
    void decodesEitherEncoding_data();
    void decodesEitherEncoding();
    void readsRegularFilesOnly_data();
    void readsRegularFilesOnly();
    void fifoIsRefusedWithoutWaiting();
    void bytesBeyondTheLimitAreRefused();
    void savesReplaceWholeFiles();
    void removesOnlyLeftoversOfItsFile();
    void shortensLongValues_data();
    void shortensLongValues();
};

void TestTextFile::decodesEitherEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QString chameleon = QString::fromUtf8("Chamäleon");
    QTest::newRow("UTF-8") << QByteArray("Cham\xc3\xa4leon") << chameleon;
    QTest::newRow("Windows-1252") << QByteArray("Cham\xe4leon") << chameleon;
    QTest::newRow("Windows-1252 beyond Latin-1")
        << QByteArray("\x80 \x96 \x9f") << QString::fromUtf8("€ – Ÿ");
    QTest::newRow("unassigned Windows-1252 bytes survive")
        << QByteArray("a\x81\x8d\xe4") << QString::fromUtf8("a\u0081\u008dä");
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbfLion") << "Lion";
    QTest::newRow("end-of-file mark") << QByteArray("Lion\r\n\x1a") << "Lion\r\n";
    QTest::newRow("several end-of-file marks") << QByteArray("Lion\x1a\x1a") << "Lion";
    QTest::newRow("end-of-file mark inside stays") << QByteArray("Li\x1aon") << "Li\x1aon";
    QTest::newRow("nothing") << QByteArray() << "";
}

void TestTextFile::decodesEitherEncoding() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeText(bytes), text);
    // What a save writes reads back as the same text.
    QCOMPARE(decodeText(text.toUtf8()), text);
}

void TestTextFile::readsRegularFilesOnly_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    QTest::newRow("regular file") << "file"
                                  << "";
    QTest::newRow("link to a file") << "link"
                                    << "";
    QTest::newRow("folder") << "folder"
                            << "it is a folder";
    QTest::newRow("device") << "device"
                            << "it is not a regular file";
    QTest::newRow("missing") << "missing"
                             << "No such file or directory";
}

void TestTextFile::readsRegularFilesOnly() {
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QString path = dir.filePath("velk.dat");
    if (kind == "file" || kind == "link") writeFile(path, "Lion");
    if (kind == "link") {
        QVERIFY(QFile::link(path, dir.filePath("link")));
        path = dir.filePath("link");
    }
    if (kind == "folder") QVERIFY(QDir(dir.path()).mkdir("velk.dat"));
    if (kind == "device") path = "/dev/zero";

    const TextFileRead read = readTextFile(path, 100);
    QCOMPARE(read.error, error);
    QCOMPARE(read.text.has_value(), error.isEmpty());
    QCOMPARE(read.missing, kind == "missing");
    if (read.text) QCOMPARE(*read.text, "Lion");
}

void TestTextFile::fifoIsRefusedWithoutWaiting() {
    QTemporaryDir dir;
    const QString path = dir.filePath("velk.INI");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // No program ever writes to it: a reader that waited would never come back.
    const TextFileRead read = readTextFile(path, 100);
    QVERIFY(!read.text);
    QCOMPARE(read.error, "it is not a regular file");
}

void TestTextFile::bytesBeyondTheLimitAreRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("big");
    writeFile(path, QByteArray(101, 'x'));
    QCOMPARE(readTextFile(path, 100).error, "it is larger than 100 bytes");
    QVERIFY(readTextFile(path, 101).text);

    QByteArray bytes(101, 'x');
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(readText(buffer, 100).error, "it is larger than 100 bytes");
}

void TestTextFile::savesReplaceWholeFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath("velk.INI");
    writeFile(path, "old");
    QCOMPARE(writeFileAtomically(path, "new"), std::nullopt);
    QCOMPARE(*readTextFile(path, 100).text, "new");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"velk.INI"});

    QVERIFY(QDir(dir.path()).mkdir("blocked"));
    const auto why = writeFileAtomically(dir.filePath("blocked"), "new");
    QVERIFY(why && !why->isEmpty());
}

void TestTextFile::removesOnlyLeftoversOfItsFile() {
    QTemporaryDir dir;
    const QString target = dir.filePath("velk.dat");
    auto files = [&dir] {
        QStringList names = QDir(dir.path()).entryList(QDir::Files);
        names.sort();
        return names;
    };
    auto age = [&dir](const QString& name, int seconds) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-seconds),
                              QFileDevice::FileModificationTime));
    };
    QStringList kept{"velk.dat",        "velk.dat.bak",     "velk.dat.Ab-dEf", "velk.dat.AbCdEfG",
                     "velk.dat.q1W2e3", "xvelk.dat.AbCdEf", "velk.INI.AbCdEf", "velk.dat.backup"};
    for (const QString& name : kept + QStringList{"velk.dat.AbCdEf", "velk.dat.zYxWvU"})
        writeFile(dir.filePath(name), "x");
    age("velk.dat.backup", 3600); // the user's own, from an hour ago

    // No save was interrupted: nothing is touched, whatever its name.
    QCOMPARE(removeSaveLeftovers(target), 0);
    QCOMPARE(files().size(), kept.size() + 2);

    // A save was killed: its mark is left, and what it wrote soon after goes.
    writeFile(dir.filePath("velk.dat.~saving"), "");
    age("velk.dat.~saving", 1);
    QCOMPARE(removeSaveLeftovers(target), 2);
    kept.sort();
    QCOMPARE(files(), kept);

    // A successful save leaves neither a mark nor a temporary file.
    QCOMPARE(writeFileAtomically(target, "new"), std::nullopt);
    QCOMPARE(files(), kept);
}

void TestTextFile::shortensLongValues_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");
    const QString forty(40, 'x');
    QTest::newRow("short") << "Lion"
                           << "Lion";
    QTest::newRow("exactly forty") << forty << forty;
    QTest::newRow("forty-one") << forty + "y" << forty + QChar(0x2026);
    QTest::newRow("ten million digits")
        << QString(10'000'000, '7') << QString(40, '7') + QChar(0x2026);
    // A character outside the basic plane is never cut in two.
    const QString frogs = QString(39, 'x') + QString::fromUtf8("🐸🐸");
    QTest::newRow("wide character at the cut") << frogs << QString(39, 'x') + QChar(0x2026);
}

void TestTextFile::shortensLongValues() {
    QFETCH(QString, value);
    QFETCH(QString, shown);
    QCOMPARE(shortened(value), shown);
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
