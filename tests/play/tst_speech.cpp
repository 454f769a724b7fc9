// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/game.h"
#include "play/programstate.h"
#include "recordingui.h"
#include "recordingvoice.h"
#include "testfolder.h"
#include "tinydisk.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// A game's state with a recording voice; the voice's texts share the port's timeline.
struct Spoken {
    explicit Spoken(bool on = true) {
        state.speech.attach(voice);
        if (on) state.speech.setOn(true);
        voice.said.clear();
        ui.windows.clear();
        voice.asked = 0;
    }
    TestFolder folder;
    RecordingUi ui;
    RecordingVoice voice{&ui.windows};
    ProgramState state{ui};
};

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT
private slots:
    void forTheEar_data();
    void forTheEar();
    void offNothingReachesTheVoice();
    void switchingOnSaysSoAndOffStops();
    void withoutAVoiceNothingIsSaid();
    void theChoiceIsKeptInThePlayersOwnFile();
    void aChoiceThatCannotBeKeptIsReported_data();
    void aChoiceThatCannotBeKeptIsReported();
    void theScoreBoardIsReadAsItOpens();
};

void TestSpeech::forTheEar_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("heard");
    QTest::newRow("plain") << "Pick the places where this creature lives"
                           << "Pick the places where this creature lives";
    QTest::newRow("points and outer blanks") << " Correct, +5 pts"
                                             << "Correct, +5 points";
    QTest::newRow("lines become sentences")
        << "\r\nLion placed on image of Owl\r\nOwl placed on image of Lion\r\n\r\n*** Scored 2 of 4"
        << "Lion placed on image of Owl. Owl placed on image of Lion. Scored 2 of 4";
    QTest::newRow("a line's own mark stays") << "You got it!\r\nCurrent score: 6 of 6  (100%)"
                                             << "You got it! Current score: 6 of 6 (100%)";
    QTest::newRow("stars") << "*** All correct!"
                           << "All correct!";
    QTest::newRow("dashes") << "Name Me -- Press the letter keys to enter my name... "
                            << "Name Me, Press the letter keys to enter my name...";
    QTest::newRow("words in capitals") << "The word was: GREAT WHITE SHARK. Better luck next time!"
                                       << "The word was: Great White Shark. Better luck next time!";
    QTest::newRow("capitals inside a prompt") << "Click on the image that does NOT fit the pattern"
                                              << "Click on the image that does Not fit the pattern";
    QTest::newRow("a letter stays a letter") << "Q"
                                             << "Q";
    QTest::newRow("blanks of a word row") << "_  I _  _  "
                                          << "I";
    QTest::newRow("nothing to hear") << "_ _ _ \r\n"
                                     << "";
}

void TestSpeech::forTheEar() {
    QFETCH(QString, shown);
    QFETCH(QString, heard);
    QCOMPARE(Speech::forTheEar(shown), heard);
}

// Off is the default, and then the voice is never even asked whether it could speak: no
// speech engine is ever started.
void TestSpeech::offNothingReachesTheVoice() {
    Spoken s(false);
    QVERIFY(!s.state.speech.on());
    s.state.speech.say("Lion");
    showResult(s.state, 5, 5, " Correct, +5 pts");
    QCOMPARE(s.voice.said, QStringList());
    QCOMPARE(s.voice.asked, 0);
    QCOMPARE(s.voice.stops, 0);
}

void TestSpeech::switchingOnSaysSoAndOffStops() {
    Spoken s(false);
    QSignalSpy changed(&s.state.speech, &Speech::changed);
    QVERIFY(s.state.speech.toggle());
    QVERIFY(s.state.speech.on());
    s.state.speech.say("Lion");
    s.state.speech.say("   ");
    QCOMPARE(s.voice.said, (QStringList{"Read aloud", "Lion"}));
    QVERIFY(s.state.speech.toggle());
    QVERIFY(!s.state.speech.on());
    QCOMPARE(s.voice.stops, 1);
    s.state.speech.say("Owl");
    QCOMPARE(s.voice.said.size(), 2);
    QCOMPARE(changed.size(), 2);
}

// Switching on is refused where no voice can speak. An engine may find out only when
// started that it has none: the game falls silent and reading goes off.
void TestSpeech::withoutAVoiceNothingIsSaid() {
    Spoken s(false);
    s.voice.missing = "No speech engine is installed on this computer.";
    QVERIFY(!s.state.speech.toggle());
    QVERIFY(!s.state.speech.on());

    Spoken later;
    QSignalSpy changed(&later.state.speech, &Speech::changed);
    later.voice.goMissing("The speech engine has no voice installed.");
    QCOMPARE(changed.size(), 1);
    later.state.speech.say("Lion");
    QCOMPARE(later.voice.said, QStringList());
    QVERIFY(!later.state.speech.on());
}

// Written by one run, read by the next; velk.INI is not touched.
void TestSpeech::theChoiceIsKeptInThePlayersOwnFile() {
    Spoken s(false);
    const QString file = s.folder.file("config/morvane-velkins/player.ini");
    s.state.speech.load(file);
    QVERIFY(!s.state.speech.on()); // no file yet: off
    QVERIFY(s.state.speech.setOn(true));
    Spoken next(false);
    next.state.speech.load(file);
    QVERIFY(next.state.speech.on());
    QVERIFY(!QFile::exists(s.folder.file("velk.INI")));

    // Whatever else the file holds stays, a key of the same name elsewhere too.
    writeFile(file, "; the player's note\r\n[Other]\r\nreadAloud=true\r\nvoice=low\r\n");
    next.state.speech.load(file);
    QVERIFY(next.state.speech.setOn(true));
    QVERIFY(next.state.speech.setOn(false));
    QCOMPARE(readFile(file), "[General]\nreadAloud=false\n; the player's note\r\n[Other]\r\n"
                             "readAloud=true\r\nvoice=low\r\n");
}

void TestSpeech::aChoiceThatCannotBeKeptIsReported_data() {
    QTest::addColumn<bool>("fullDisk"); // or a file where the folder should be
    QTest::newRow("no folder for it") << false;
    QTest::newRow("a full disk") << true;
}

void TestSpeech::aChoiceThatCannotBeKeptIsReported() {
    QFETCH(bool, fullDisk);
    Spoken s(false);
    std::optional<TinyDisk> disk;
    if (fullDisk) disk.emplace(64);
    if (disk && disk->path.isEmpty())
        QSKIP(qPrintable("no tiny disk can be made here: " + disk->whyNot));
    s.folder.write("blocked", "a file where the folder should be");
    const QString file = disk ? disk->path + "/player.ini" : s.folder.file("blocked/player.ini");
    // The player's file holds more than a page, and the disk has room for less.
    const QByteArray before = "[General]\nreadAloud=false\n[Notes]\nnote=" + QByteArray(5000, 'x');
    if (fullDisk) {
        writeFile(file, before);
        QVERIFY(fillDisk(disk->path + "/filler", 1));
    }
    s.state.speech.load(file);
    QVERIFY(s.state.speech.setOn(true));
    QCOMPARE(s.ui.messages.size(), 1);
    QVERIFY(s.ui.messages[0].startsWith("The choice to read aloud could not be kept in "));
    QVERIFY(s.ui.messages[0].endsWith("It holds until the game ends."));
    QVERIFY(s.state.speech.on());
    if (fullDisk) QCOMPARE(readFile(file), before);
}

// Read as the board opens, never after it has closed; the score is the new one.
void TestSpeech::theScoreBoardIsReadAsItOpens() {
    Spoken s;
    s.state.knowledge.questionType = QuestionType::ClassFamily;
    buildCategoryTables(s.state.knowledge.tables, 1);
    showResult(s.state, 0, 5, "Sorry, the answer was Mammal Meat eater");
    showResult(s.state, 5, 5, " Correct, +5 pts", "Lion");
    QCOMPARE(
        s.ui.windows,
        (QStringList{"say: Sorry, the answer was Mammal Meat eater. Current score: 0 of 5 (0%)",
                     "score board", "say: Lion. Correct, +5 points. Current score: 5 of 10 (50%)",
                     "score board"}));
}

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
