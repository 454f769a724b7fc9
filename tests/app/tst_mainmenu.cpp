// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/mainmenu.h"
#include "formtesting.h"
#include "knowledge/programinfo.h"
#include "play/gamefolders.h"
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

// A program folder as delivered: settings at level 3, two animals, a log of the last run.
void deliver(const QString& folder, bool withAnimals = true) {
    const auto write = [&](const char* name, const QByteArray& bytes) {
        writeFile(folder + "/" + name, bytes);
    };
    GameSettings s;
    s.maxDifficulty = 3;
    s.questionCount = 8;
    write(settingsFileName, settingsText(s));
    if (withAnimals)
        write("velk.dat",
              "\"Lion\",\"Lion\",\"pictures/lion.jpg\",1,0,1,1,0,1,0,0,0,0,0,0,0,0\r\n"
              "\"Owl\",\"Barn owl\",\"pictures/owl.jpg\",2,1,5,1,0,0,0,0,1,0,0,0,0,0\r\n");
    write("velkquiz.log", "---- Question 1\r\n");
    QImage picture(60, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.save(folder + "/menu.jpg");
}

// The menu of a delivered program folder, open on the screen.
struct OpenMenu {
    OpenMenu() {
        deliver(program.path());
        menu = std::make_unique<MainMenu>(state, program.path());
        menu->show();
    }
    TestFolder program;
    RecordingUi ui;
    ProgramState state{ui};
    std::unique_ptr<MainMenu> menu;
};

} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void startsUpFromAnyFolder();
    void readsAnimalsLastAndShowsTheVersion();
    void aboutShowsTheCredits();
    void closingSavesTheSettings_data();
    void closingSavesTheSettings();
    void helpOpensTheViewerWithoutWaiting();
    void opensCentredWithoutPictureOrAnimals();
    void anInstalledGameWorksInThePlayersFolder();
};

void TestMainMenu::startsUpFromAnyFolder() {
    TestFolder program;
    deliver(program.path());
    TestFolder elsewhere; // the player's current folder is not the program's

    RecordingUi ui;
    ProgramState state(ui);
    MainMenu menu(state, program.path());

    QCOMPARE(QDir::currentPath(), QDir(program.path()).canonicalPath());
    QCOMPARE(state.settings.questionCount, 8);
    QCOMPARE(state.knowledge.tables.eaterNames[1], "Carnivore"); // built at the stored level
    QCOMPARE(state.knowledge.animalCount, 2);
    QCOMPARE(state.knowledge.animals[2].fullName, "Barn owl");
    QCOMPARE(state.nameMeWorth, 6);
    QCOMPARE(program.read("velkquiz.log"), QByteArray());
    QVERIFY(ui.messages.isEmpty());
    QVERIFY(!child<QLabel>(menu, "Image1")->pixmap().isNull());
}

// The animals are read last: when their message comes, the settings are in, the tables
// speak the stored level and the old log is gone.
void TestMainMenu::readsAnimalsLastAndShowsTheVersion() {
    TestFolder program;
    deliver(program.path(), false);
    RecordingUi ui;
    ProgramState state(ui);
    bool checked = false;
    ui.onMessage = [&](const QString& text) {
        QVERIFY(text.endsWith("last item 0 "));
        QCOMPARE(state.settings.questionCount, 8);
        QCOMPARE(state.knowledge.tables.familyNames[5], "Raptor");
        QCOMPARE(program.read("velkquiz.log"), QByteArray());
        checked = true;
    };
    MainMenu menu(state, program.path());
    QVERIFY(checked);

    QCOMPARE(menu.windowTitle(), "Morvane Velkins");
    QCOMPARE(child<QLabel>(menu, "Label1")->text(), "Morvane Velkins");
    const QString version = QString("Version ") + versionNumber; // not the drawn "Version 1.01"
    QCOMPARE(child<QLabel>(menu, "Label2")->text(), version);
    // A screen reader reads what the screen shows, not the text the label was made with.
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QLabel>(menu, "Label2"))
                 ->text(QAccessible::Name),
             version);
    menu.show();
    QVERIFY(!child<QLabel>(menu, "Label3")->isVisible());
    QVERIFY(!child<QLabel>(menu, "Label4")->isVisible());
    QCOMPARE(child<QPushButton>(menu, "Command1")->toolTip(), "Play the game");
    QCOMPARE(child<QPushButton>(menu, "cmdsetup")->toolTip(), "Conditions for the game");
    for (const char* name : {"Command1", "cmdsetup", "cmdhelp", "Command3", "cmdquit"})
        QVERIFY2(child<QPushButton>(menu, name)->isVisible(), name);
}

void TestMainMenu::aboutShowsTheCredits() {
    OpenMenu m;
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(child<QPushButton>(*m.menu, "Command3"), Qt::LeftButton);
        QVERIFY(child<QLabel>(*m.menu, "Label3")->isVisible());
        QVERIFY(child<QLabel>(*m.menu, "Label4")->isVisible());
        QVERIFY(!child<QLabel>(*m.menu, "Label3")->text().isEmpty());
    }
}

void TestMainMenu::closingSavesTheSettings_data() {
    QTest::addColumn<bool>("byQuit");
    QTest::newRow("Quit") << true;
    QTest::newRow("the window's close button") << false;
}

void TestMainMenu::closingSavesTheSettings() {
    QFETCH(bool, byQuit);
    OpenMenu m;
    m.state.settings.formLayout[4].width = 9000;
    m.state.settings.logLevel = 2;
    if (byQuit)
        QTest::mouseClick(child<QPushButton>(*m.menu, "cmdquit"), Qt::LeftButton);
    else
        m.menu->close();
    QVERIFY(!m.menu->isVisible());
    QCOMPARE(m.program.read(settingsFileName), settingsText(m.state.settings));
}

void TestMainMenu::helpOpensTheViewerWithoutWaiting() {
    OpenMenu m;
    QTest::mouseClick(child<QPushButton>(*m.menu, "cmdhelp"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(*m.menu, "cmdhelp"), Qt::LeftButton);
    QCOMPARE(m.ui.viewerFiles, (QStringList{"velkhelp.txt", "velkhelp.txt"}));
    QVERIFY(m.ui.messages.isEmpty());
}

void TestMainMenu::opensCentredWithoutPictureOrAnimals() {
    TestFolder program; // nothing delivered at all
    RecordingUi ui;
    ProgramState state(ui);
    MainMenu menu(state, program.path());
    QCOMPARE(ui.messages.size(), 1);
    QCOMPARE(state.settings, GameSettings{});
    QVERIFY(child<QLabel>(menu, "Image1")->pixmap().isNull());

    const QRect screen = menu.screen()->geometry();
    const QPoint centre = menu.frameGeometry().center();
    QVERIFY(qAbs(centre.x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(centre.y() - screen.center().y()) <= 1);
}

// Installed, the program's folder holds no data: the delivered files lie in their own
// folder, and everything the player changes goes to the player's folder.
void TestMainMenu::anInstalledGameWorksInThePlayersFolder() {
    TestFolder root;
    const QString program = root.file("usr/bin");
    const QString delivered = installedDataFolder(program);
    QDir().mkpath(program);
    QDir().mkpath(delivered);
    deliver(delivered);
    writeFile(delivered + "/velkhelp.txt", "help");
    const QString user = root.file("home/.local/share/velk");

    RecordingUi ui;
    ProgramState state(ui);
    auto menu = std::make_unique<MainMenu>(state, program, user);
    QCOMPARE(ui.messages, QStringList());
    QCOMPARE(QDir::currentPath(), QDir(user).canonicalPath());
    QCOMPARE(state.settings.questionCount, 8);
    QCOMPARE(state.knowledge.animalCount, 2);
    QVERIFY(QFileInfo::exists(user + "/velk.dat"));
    QVERIFY(QFileInfo::exists(user + "/velkquiz.log"));
    QCOMPARE(readFile(user + "/velkquiz.log"), QByteArray());
    QCOMPARE(readFile(delivered + "/velkquiz.log"), "---- Question 1\r\n");
    QVERIFY(!child<QLabel>(*menu, "Image1")->pixmap().isNull()); // the delivered picture

    QTest::mouseClick(child<QPushButton>(*menu, "cmdhelp"), Qt::LeftButton);
    QCOMPARE(ui.viewerFiles, QStringList{delivered + "/velkhelp.txt"});

    const QByteArray deliveredSettings = readFile(delivered + "/velk.INI");
    state.settings.questionCount = 3;
    menu->close();
    QFile file(user + "/velk.INI");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(readSettings(file)->questionCount, 3);
    QCOMPARE(readFile(delivered + "/velk.INI"), deliveredSettings);
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
