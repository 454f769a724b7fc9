// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/gamefolders.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QFileDevice::Permissions readOnly =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
const QFileDevice::Permissions readOnlyFolder =
    readOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;

// An installed game: the program in bin/, the delivered files where it looks for them,
// read-only as a package leaves them.
struct Installed {
    Installed() {
        QDir().mkpath(program);
        writeFile(delivered + "/velk.INI", settingsText(GameSettings{}));
        writeFile(delivered + "/velk.dat", "\"Lion\",\"Lion\",\"pictures/lion.jpg\",1,0,1,1,0,1,0,"
                                           "0,0,0,0,0,0,0\r\n");
        QFile::setPermissions(delivered + "/velk.INI", readOnly);
        QFile::setPermissions(delivered + "/velk.dat", readOnly);
    }
    QTemporaryDir root;
    QString program = root.filePath("usr/bin");
    QString delivered = installedDataFolder(program);
    QString user = root.filePath("home/.local/share/velk");
    GameFolders folders{user, delivered};
};

} // namespace

class TestGameFolders : public QObject {
    Q_OBJECT
private slots:
    void choosesWhereToWork_data();
    void choosesWhereToWork();
    void firstStartCopiesWhatThePlayerChanges();
    void keepsThePlayersOwnCopies();
    void saysWhenTheFolderCannotBeMade();
    void findsFilesInTheWorkFolderFirst_data();
    void findsFilesInTheWorkFolderFirst();
};

void TestGameFolders::choosesWhereToWork_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("worksInProgramFolder");
    QTest::addColumn<bool>("deliveredInProgramFolder");
    QTest::newRow("a build or a portable copy") << "writable" << true << true;
    QTest::newRow("a copy on a read-only medium") << "read-only" << false << true;
    // Even where it could write there (root), an installed game leaves its files alone.
    QTest::newRow("installed") << "installed" << false << false;
}

void TestGameFolders::choosesWhereToWork() {
    QFETCH(QString, layout);
    QFETCH(bool, worksInProgramFolder);
    QFETCH(bool, deliveredInProgramFolder);
    QTemporaryDir root;
    const QString program = root.filePath("velk");
    const QString user = root.filePath("user");
    QDir().mkpath(program);
    if (layout == "installed") QDir().mkpath(installedDataFolder(program));
    if (layout == "read-only") {
        QFile::setPermissions(program, readOnlyFolder);
        if (QFileInfo(program).isWritable()) QSKIP("root writes into read-only folders");
    }

    const GameFolders folders = chooseFolders(program, user);
    QCOMPARE(folders.work, worksInProgramFolder ? program : user);
    QCOMPARE(folders.delivered, deliveredInProgramFolder ? program : installedDataFolder(program));
    QFile::setPermissions(program, readOnlyFolder | QFileDevice::WriteOwner);
}

void TestGameFolders::firstStartCopiesWhatThePlayerChanges() {
    Installed game;
    QCOMPARE(prepareWorkFolder(game.folders), QString());
    for (const char* name : {"velk.INI", "velk.dat"}) {
        QCOMPARE(readFile(game.user + "/" + name), readFile(game.delivered + "/" + name));
        // The copy of a read-only file is the player's to rewrite.
        QVERIFY2(QFileInfo(game.user + "/" + name).isWritable(), name);
    }
    QVERIFY(!QFileInfo::exists(game.user + "/velkhelp.txt"));

    const QString before = QDir::currentPath();
    QDir::setCurrent(game.user);
    RecordingUi ui;
    GameSettings changed;
    changed.questionCount = 9;
    saveSettings(changed, ui);
    QDir::setCurrent(before);
    QCOMPARE(ui.messages, QStringList());
    QCOMPARE(readFile(game.user + "/velk.INI"), settingsText(changed));
}

void TestGameFolders::keepsThePlayersOwnCopies() {
    Installed game;
    writeFile(game.user + "/velk.dat", "the player's animals");
    QCOMPARE(prepareWorkFolder(game.folders), QString());
    QCOMPARE(readFile(game.user + "/velk.dat"), "the player's animals");
    QCOMPARE(readFile(game.user + "/velk.INI"), readFile(game.delivered + "/velk.INI"));
}

void TestGameFolders::saysWhenTheFolderCannotBeMade() {
    Installed game;
    writeFile(game.root.filePath("home/.local/share"), "a file where the folder should be");
    const QString problem = prepareWorkFolder(game.folders);
    QVERIFY2(problem.contains(game.user), qPrintable(problem));
    QVERIFY(!prepareWorkFolder({QString(), game.delivered}).isEmpty());
}

void TestGameFolders::findsFilesInTheWorkFolderFirst_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found"); // "work", "delivered" or "as named"
    const auto row = [](const char* what, const char* name, const char* found) {
        QTest::newRow(what) << QString(name) << QString(found);
    };
    row("the player's own picture", "pictures/own.jpg", "work");
    row("one in both folders", "pictures/lion.jpg", "work");
    row("a delivered picture", "menu.jpg", "delivered");
    row("a picture nowhere", "pictures/gone.jpg", "as named");
    row("an absolute name", "/nowhere/lion.jpg", "as named");
}

void TestGameFolders::findsFilesInTheWorkFolderFirst() {
    QFETCH(QString, name);
    QFETCH(QString, found);
    TestFolder work; // current, as the game's work folder is
    QTemporaryDir delivered;
    for (const char* file : {"pictures/own.jpg", "pictures/lion.jpg"})
        writeFile(work.file(file), "x");
    for (const char* file : {"pictures/lion.jpg", "menu.jpg"})
        writeFile(delivered.filePath(file), "x");

    const QString file = findDataFile({work.path(), delivered.path()}, name);
    if (found == "delivered")
        QCOMPARE(file, delivered.filePath(name));
    else
        QCOMPARE(file, name); // the work folder is current: its files go by their bare name
    if (found == "work") QVERIFY(QFileInfo::exists(file));
}

QTEST_GUILESS_MAIN(TestGameFolders)
#include "tst_gamefolders.moc"
