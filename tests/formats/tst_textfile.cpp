// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/textfile.h"
#include "tinydisk.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

QStringList filesIn(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.sort();
    return names;
}

// Root may add files to any folder; this thread does without that power while it lives.
class WithoutOverride {
public:
    WithoutOverride() {
        if (::syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct less[2]{saved_[0], saved_[1]};
        less[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        dropped = ::syscall(SYS_capset, &header_, less) == 0;
    }
    ~WithoutOverride() {
        if (dropped) ::syscall(SYS_capset, &header_, saved_);
    }
    bool dropped = false;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
};

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
    void aFullDiskFailsTheWholeSave_data();
    void aFullDiskFailsTheWholeSave();
    void removesOnlyTheTemporaryItsMarkNames_data();
    void removesOnlyTheTemporaryItsMarkNames();
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

    const Result<QString> read = readTextFile(path, 100);
    QCOMPARE(read.error(), error);
    QCOMPARE(bool(read), error.isEmpty());
    QCOMPARE(read.missing(), kind == "missing");
    if (read) QCOMPARE(*read, "Lion");
}

void TestTextFile::fifoIsRefusedWithoutWaiting() {
    QTemporaryDir dir;
    const QString path = dir.filePath("velk.INI");
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    // No program ever writes to it: a reader that waited would never come back.
    const Result<QString> read = readTextFile(path, 100);
    QVERIFY(!read);
    QCOMPARE(read.error(), "it is not a regular file");
}

void TestTextFile::bytesBeyondTheLimitAreRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("big");
    writeFile(path, QByteArray(101, 'x'));
    QCOMPARE(readTextFile(path, 100).error(), "it is larger than 100 bytes");
    QVERIFY(readTextFile(path, 101));

    QByteArray bytes(101, 'x');
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(readText(buffer, 100).error(), "it is larger than 100 bytes");
}

void TestTextFile::savesReplaceWholeFiles() {
    QTemporaryDir dir;
    const QString path = dir.filePath("velk.INI");
    writeFile(path, "old");
    QVERIFY(writeFileAtomically(path, "new"));
    QCOMPARE(*readTextFile(path, 100), "new");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"velk.INI"});

    QVERIFY(QDir(dir.path()).mkdir("blocked"));
    const auto blocked = writeFileAtomically(dir.filePath("blocked"), "new");
    QVERIFY(!blocked && !blocked.error().isEmpty());

    // A link to a device (here a FIFO, to spare the machine's) keeps what it points at.
    const QString fifo = dir.filePath("fifo");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QFile::link(fifo, dir.filePath("player.ini")));
    QCOMPARE(writeFileAtomically(dir.filePath("player.ini"), "new").error(),
             "it is not a regular file");
    struct stat info {};
    QVERIFY(::stat(QFile::encodeName(fifo).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
}

void TestTextFile::aFullDiskFailsTheWholeSave_data() {
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    QTest::addColumn<int>("pagesLeft");
    QTest::addColumn<bool>("inPlace"); // in a folder where no new file may be made
    QTest::addColumn<bool>("fits");
    QTest::newRow("velk.INI-sized, full disk") << 700 << 720 << 0 << false << false;
    QTest::newRow("registry-sized, room for part of it") << 2000 << 6000 << 2 << false << false;
    QTest::newRow("velk.INI-sized, room enough") << 700 << 720 << 4 << false << true;
    QTest::newRow("in place, growing past the room") << 2000 << 9000 << 1 << true << false;
    QTest::newRow("in place, shrinking on a full disk") << 720 << 700 << 0 << true << true;
}

void TestTextFile::aFullDiskFailsTheWholeSave() {
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    QFETCH(int, pagesLeft);
    QFETCH(bool, inPlace);
    QFETCH(bool, fits);
    TinyDisk disk(64);
    if (disk.path.isEmpty()) QSKIP(qPrintable("no tiny disk can be made here: " + disk.whyNot));
    const QString path = disk.path + "/velk.INI";
    const QByteArray old(oldSize, 'o'), fresh(newSize, 'n');
    writeFile(path, old);
    QVERIFY(fillDisk(disk.path + "/filler", pagesLeft));

    std::optional<WithoutOverride> powerless;
    if (inPlace) {
        QVERIFY(QFile::setPermissions(disk.path, QFile::ReadOwner | QFile::ExeOwner));
        powerless.emplace();
        if (::getuid() == 0 && !powerless->dropped) QSKIP("root cannot do without its powers");
    }
    const auto saved = writeFileAtomically(path, fresh);
    powerless.reset();
    QCOMPARE(readFile(path), fits ? fresh : old);
    QCOMPARE(bool(saved), fits);
    QCOMPARE(saved.error(), fits ? QString() : qt_error_string(ENOSPC));
    QCOMPARE(filesIn(disk.path), QStringList({"filler", "velk.INI"}));
}

void TestTextFile::removesOnlyTheTemporaryItsMarkNames_data() {
    QTest::addColumn<QByteArray>("mark"); // what the mark holds; none without a mark
    QTest::addColumn<bool>("saving");     // its save is still under way
    QTest::addColumn<QStringList>("removed");
    const QByteArray none;
    const QByteArray empty("");
    QTest::newRow("no interrupted save") << none << false << QStringList();
    QTest::newRow("mark of an older version names nothing")
        << empty << false << QStringList{"velk.dat.~saving"};
    QTest::newRow("the temporary named in the mark")
        << QByteArray("velk.dat.q1W2e3") << false
        << QStringList{"velk.dat.q1W2e3", "velk.dat.~saving"};
    QTest::newRow("a mark naming what no save makes")
        << QByteArray("velk.dat") << false << QStringList{"velk.dat.~saving"};
    QTest::newRow("a mark naming another file's temporary")
        << QByteArray("velk.INI.AbCdEf") << false << QStringList{"velk.dat.~saving"};
    QTest::newRow("a save still under way")
        << QByteArray("velk.dat.q1W2e3") << true << QStringList();
}

void TestTextFile::removesOnlyTheTemporaryItsMarkNames() {
    QFETCH(QByteArray, mark);
    QFETCH(bool, saving);
    QFETCH(QStringList, removed);
    QTemporaryDir dir;
    const QString target = dir.filePath("velk.dat");
    // A parent's own copies, one of them written the moment the save began.
    const QStringList files{"velk.INI.AbCdEf", "velk.dat", "velk.dat.backup", "velk.dat.q1W2e3",
                            "velk.dat.zYxWvU"};
    for (const QString& name : files)
        writeFile(dir.filePath(name), "x");
    QFile markFile(target + ".~saving");
    if (!mark.isNull()) {
        QVERIFY(markFile.open(QIODevice::WriteOnly));
        QCOMPARE(markFile.write(mark), mark.size());
        QVERIFY(markFile.flush());
        if (saving) QCOMPARE(::flock(markFile.handle(), LOCK_EX), 0);
    }
    writeFile(dir.filePath("velk.dat.backup"), "written right after the mark");

    QCOMPARE(removeSaveLeftovers(target), int(removed.contains("velk.dat.q1W2e3")));
    QStringList left = files + (mark.isNull() ? QStringList() : QStringList{"velk.dat.~saving"});
    for (const QString& name : removed)
        left.removeOne(name);
    left.sort();
    QCOMPARE(filesIn(dir.path()), left);

    // Once the save under way is over (here: killed), the next save clears what it left, and
    // a successful save leaves neither a mark nor a temporary file.
    markFile.close();
    QVERIFY(writeFileAtomically(target, "new"));
    left.removeOne("velk.dat.~saving");
    if (saving) left.removeOne("velk.dat.q1W2e3");
    QCOMPARE(filesIn(dir.path()), left);
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
