// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/game.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "screens/setup.h"
#include "testfolder.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(SetupScreen::Box)

namespace {

// A player's settings as read from velk.INI, every field its own value.
GameSettings storedSettings() {
    GameSettings s;
    s.minDifficulty = 2;
    s.maxDifficulty = 3;
    s.questionCount = 8;
    s.logLevel = 2;
    s.typeEnabled = {7, -1, 0, -1, 0, -1, 0, 0, -1, 1, 4};
    s.formLayout[4] = {2, 0x123456, 4000, 5000};
    s.titlePicture = "title.jpg";
    s.spareValue1 = 9;
    return s;
}

// A program with its settings read, its word tables built, and the screen open.
struct OpenScreen {
    explicit OpenScreen(const GameSettings& stored = storedSettings()) {
        state.settings = stored;
        buildCategoryTables(state.knowledge.tables, stored.maxDifficulty);
        screen.load();
    }
    TestFolder folder;
    RecordingUi ui;
    ProgramState state{ui};
    SetupScreen screen{state};
};

} // namespace

class TestSetup : public QObject {
    Q_OBJECT
private slots:
    void loadShowsTheSettings();
    void changeRule_data();
    void changeRule();
    void unloadStoresRebuildsAndSaves();
    void unloadSavesLast();
    void allKindsOffIsAllowed();
    void onlineQuestionFileAcrossGames();
};

void TestSetup::loadShowsTheSettings() {
    OpenScreen o;
    // Opening always starts the log afresh at every line and the lowest level at 1.
    QCOMPARE(o.state.settings.logLevel, 0);
    QCOMPARE(o.state.settings.minDifficulty, 1);
    QCOMPARE(o.screen.text(SetupScreen::nquestion), "8");
    QCOMPARE(o.screen.text(SetupScreen::tmindif), "1");
    QCOMPARE(o.screen.text(SetupScreen::tmaxdif), "3");
    const QStringList names = o.screen.typeNames();
    QCOMPARE(names.size(), 9);
    QCOMPARE(names.first(), "Name me!");
    QCOMPARE(names.last(), "Odd one out -- biome");
    // Entry 0 is never listed; any nonzero entry counts as on.
    const QList<bool> expected{true, false, true, false, true, false, false, true, true};
    for (int item = 0; item < 9; ++item)
        QCOMPARE(o.screen.selected(item), expected[item]);
    QVERIFY(o.ui.windows.isEmpty());
    QVERIFY(o.ui.messages.isEmpty());
}

void TestSetup::changeRule_data() {
    QTest::addColumn<SetupScreen::Box>("box");
    QTest::addColumn<QString>("levels"); // "min-max" typed into the level boxes first
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("value");
    using S = SetupScreen;
    auto row = [](const char* name, S::Box box, const char* levels, const char* typed,
                  const char* shown, int value) {
        QTest::newRow(name) << box << QString(levels) << QString(typed) << QString(shown) << value;
    };
    // The open screen holds 8 questions and levels 1 to 3; the plain clamps are typed on
    // the form itself.
    row("negative", S::nquestion, "1-3", "-3", "1", 1);
    row("leading zero", S::nquestion, "1-3", "07", "7", 7);
    row("blanks around", S::nquestion, "1-3", " 4 ", "4", 4);
    row("empty keeps 8", S::nquestion, "1-3", "", "", 8);
    row("a word keeps 8", S::nquestion, "1-3", "ten", "ten", 8);
    row("a minus alone", S::nquestion, "1-3", "-", "-", 8);
    row("a fraction", S::nquestion, "1-3", "2.5", "2.5", 8);
    row("beyond 16 bits", S::nquestion, "1-3", "99999", "99999", 8);
    row("max below min", S::tmaxdif, "2-3", "1", "2", 2);
    row("min above max", S::tmindif, "1-2", "3", "2", 2);
    row("min 0", S::tmindif, "1-3", "0", "1", 1);
}

void TestSetup::changeRule() {
    QFETCH(SetupScreen::Box, box);
    QFETCH(QString, levels);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, value);
    OpenScreen o;
    o.screen.change(SetupScreen::tmaxdif, levels.section('-', 1));
    o.screen.change(SetupScreen::tmindif, levels.section('-', 0, 0));
    QCOMPARE(o.screen.change(box, typed), shown);
    QCOMPARE(o.screen.value(box), value);
    // Writing the result back runs the rule once more and changes nothing.
    QCOMPARE(o.screen.change(box, shown), shown);
    QCOMPARE(o.screen.value(box), value);
}

void TestSetup::unloadStoresRebuildsAndSaves() {
    OpenScreen o;
    o.screen.change(SetupScreen::nquestion, "3");
    o.screen.change(SetupScreen::tmaxdif, "1");
    for (int item = 0; item < 9; ++item)
        o.screen.setSelected(item, item == 0 || item == 8);
    o.screen.unload();

    GameSettings expected = storedSettings();
    expected.questionCount = 3;
    expected.maxDifficulty = 1;
    expected.minDifficulty = 1;
    expected.logLevel = 0;
    expected.typeEnabled = {7, -1, 0, 0, 0, 0, 0, 0, 0, -1, 4}; // 0 and 10 untouched
    QCOMPARE(o.state.settings, expected);
    QCOMPARE(o.folder.read(settingsFileName), settingsText(expected));
    QCOMPARE(o.state.knowledge.tables.eaterNames[1], "Meat eater"); // the words of level 1
    QVERIFY(o.ui.messages.isEmpty());
}

// The file is written last, from settings already stored and tables already rebuilt: the
// report of a failed save comes when everything else is done.
void TestSetup::unloadSavesLast() {
    OpenScreen o;
    QVERIFY(QDir(o.folder.path()).mkdir(settingsFileName));
    o.screen.change(SetupScreen::tmaxdif, "2");
    o.screen.setSelected(1, true);
    bool reported = false;
    o.ui.onMessage = [&](const QString&) {
        QCOMPARE(o.state.settings.maxDifficulty, 2);
        QCOMPARE(o.state.settings.typeEnabled[2], -1);
        QCOMPARE(o.state.knowledge.tables.eaterNames[2], "Insect eater");
        reported = true;
    };
    o.screen.unload();
    QVERIFY(reported);
}

void TestSetup::allKindsOffIsAllowed() {
    OpenScreen o;
    for (int item = 0; item < 9; ++item)
        o.screen.setSelected(item, false);
    o.screen.setSelected(9, true);  // no tenth kind
    o.screen.setSelected(-1, true); // nor a zeroth
    o.screen.unload();
    for (int type = 1; type <= 9; ++type)
        QCOMPARE(o.state.settings.typeEnabled[size_t(type)], 0);
    QCOMPARE(o.state.settings.typeEnabled[0], 7);
    QCOMPARE(o.state.settings.typeEnabled[10], 4);
}

// A game of three after the button: the log holds the headings, not the descriptions the
// screens write as they open; after the screen is opened again it holds every line.
void TestSetup::onlineQuestionFileAcrossGames() {
    OpenScreen o;
    o.state.knowledge.animalCount = 1;
    o.ui.onQuestion = [&](int) { logLine(o.state, "a description", 1, 0); };
    auto playThree = [&] {
        clearLog(o.state);
        playGame(o.state);
        return QString::fromUtf8(o.folder.read(quizLogFileName)).split("\r\n");
    };
    o.screen.change(SetupScreen::nquestion, "3");
    o.screen.makeOnlineQuestions();
    o.screen.unload();
    QCOMPARE(playThree(),
             (QStringList{"---- Question 1", "---- Question 2", "---- Question 3", ""}));

    SetupScreen again(o.state);
    again.load();
    again.unload();
    const QStringList all = playThree();
    QCOMPARE(all.size(), 7);
    QCOMPARE(all.mid(0, 2), (QStringList{"---- Question 1", "a description"}));
}

QTEST_GUILESS_MAIN(TestSetup)
#include "tst_setup.moc"
