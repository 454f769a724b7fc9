// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "recordingvoice.h"
#include "screens/setupform.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <functional>

namespace {

constexpr char playerFile[] = "config/morvane-velkins/player.ini";

// The settings screen over a program folder, with the player's own file beside it.
struct OpenSetup {
    // `prepare` readies the voice before the game meets it; `wasOn`: the player's file has
    // reading on.
    explicit OpenSetup(bool withVoice = true, bool wasOn = false,
                       const std::function<void(RecordingVoice&)>& prepare = {}) {
        buildCategoryTables(state.knowledge.tables, 1);
        if (wasOn) writeFile(folder.file(playerFile), "[General]\nreadAloud=true\n");
        if (prepare) prepare(voice);
        if (withVoice) state.speech.attach(voice);
        state.speech.load(folder.file(playerFile));
        form = std::make_unique<SetupForm>(state);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) qWarning("the screen is not active");
    }
    QCheckBox* box() const { return form->findChild<QCheckBox*>("chkReadAloud"); }
    QLabel* why() const { return form->findChild<QLabel*>("lblNoVoice"); }
    QByteArray closed() {
        form->accept();
        return folder.read(settingsFileName);
    }

    TestFolder folder;
    RecordingUi ui;
    RecordingVoice voice;
    ProgramState state{ui};
    std::unique_ptr<SetupForm> form;
};

// The names of the other controls on the screen that `control` overlaps.
QStringList overlapped(const QWidget& form, const QWidget& control) {
    QStringList names;
    for (QWidget* other : form.findChildren<QWidget*>())
        if (other != &control && other->parentWidget() == &form && other->isVisible() &&
            other->geometry().intersects(control.geometry()))
            names << other->objectName();
    return names;
}

// velk.INI as the screen writes it when nothing but the switch was touched.
QByteArray untouched() {
    OpenSetup o(false);
    return o.closed();
}

} // namespace

class TestReadAloudSwitch : public QObject {
    Q_OBJECT
private slots:
    void theSwitchOnTheScreen();
    void keptInThePlayersFileNeverInVelkIni();
    void theKeysFlipItHereToo();
    void greyedOutSayingWhy_data();
    void greyedOutSayingWhy();
};

// Off at first, with its own room on the screen, named by its text.
void TestReadAloudSwitch::theSwitchOnTheScreen() {
    OpenSetup o;
    QCheckBox* box = o.box();
    QVERIFY(box);
    QCOMPARE(o.voice.probes, 1); // asked as the screen opens, never before
    QVERIFY(o.why() && !o.why()->isVisible());
    QCOMPARE(box->text(), "Read aloud");
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isChecked());
    QCOMPARE(box->toolTip(), "Reads the questions, the answers and the score aloud. Ctrl+R "
                             "switches it on every screen.");
    QVERIFY(o.form->rect().contains(box->geometry()));
    QCOMPARE(overlapped(*o.form, *box), QStringList());
}

void TestReadAloudSwitch::keptInThePlayersFileNeverInVelkIni() {
    const QByteArray ini = untouched();
    QCOMPARE(ini.count("\r\n"), 23);
    {
        OpenSetup o;
        QTest::mouseClick(o.box(), Qt::LeftButton);
        QVERIFY(o.state.speech.on());
        QCOMPARE(o.voice.said, QStringList{"Read aloud"});
        QVERIFY(o.folder.read(playerFile).contains("readAloud=true"));
        QCOMPARE(o.closed(), ini);
    }
    OpenSetup again;
    QDir(again.folder.path()).mkpath("config/morvane-velkins");
    again.folder.write(playerFile, "[General]\nreadAloud=true\n");
    again.state.speech.load(again.folder.file(playerFile));
    QVERIFY(again.box()->isChecked());
    QTest::keyClick(again.box(), Qt::Key_Space);
    QVERIFY(!again.state.speech.on());
    QVERIFY(again.folder.read(playerFile).contains("readAloud=false"));
    QCOMPARE(again.closed(), ini);
}

void TestReadAloudSwitch::theKeysFlipItHereToo() {
    OpenSetup o;
    QTest::keyClick(o.form.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(o.box()->isChecked());
    QTest::keyClick(o.form.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!o.box()->isChecked());
    QVERIFY(!o.state.speech.on());
}

void TestReadAloudSwitch::greyedOutSayingWhy_data() {
    QTest::addColumn<QString>("missing"); // what the voice says of itself; "-": no voice
    QTest::addColumn<QString>("found");   // when: "at once", "on probing", "while open"
    QTest::addColumn<QString>("why");     // what the screen says
    QTest::newRow("built without speech")
        << "-"
        << "at once"
        << "This copy of the game was built without speech. The game cannot read aloud.";
    QTest::newRow("no engine") << "No speech engine is installed on this computer."
                               << "at once"
                               << "No speech engine is installed on this computer. The game "
                                  "cannot read aloud.";
    QTest::newRow("no voice, found as the screen opens")
        << "The speech engine has no voice installed."
        << "on probing"
        << "The speech engine has no voice installed. The game cannot read aloud.";
    QTest::newRow("no voice, found while the screen is open")
        << "The speech engine has no voice installed."
        << "while open"
        << "The speech engine has no voice installed. The game cannot read aloud.";
}

// Greyed out and saying why on the screen from the moment it opens, and switched off for
// good, even where the player's file had it on.
void TestReadAloudSwitch::greyedOutSayingWhy() {
    QFETCH(QString, missing);
    QFETCH(QString, found);
    QFETCH(QString, why);
    const QByteArray ini = untouched();
    OpenSetup o(missing != "-", true, [&](RecordingVoice& voice) {
        if (found == "at once") voice.missing = missing;
        if (found == "on probing") voice.missingOnProbe = missing;
    });
    if (found == "while open") {
        QVERIFY(o.box()->isChecked());
        o.voice.goMissing(missing);
    }
    QVERIFY(!o.box()->isEnabled());
    QVERIFY(!o.box()->isChecked());
    QCOMPARE(o.box()->toolTip(), why);
    // In words on the screen: a greyed-out box takes no focus, so its tool tip is out of reach.
    QLabel* said = o.why();
    QVERIFY(said && said->isVisible());
    QCOMPARE(said->text(), why);
    QVERIFY(said->heightForWidth(said->width()) <= said->height());
    QCOMPARE(overlapped(*o.form, *said), QStringList());
    QVERIFY(!o.state.speech.on());
    QVERIFY(o.folder.read(playerFile).contains("readAloud=false"));
    QTest::keyClick(o.form.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!o.box()->isChecked());
    QCOMPARE(o.closed(), ini); // nothing else changes
    QVERIFY(o.ui.messages.isEmpty());
}

QTEST_MAIN(TestReadAloudSwitch)
#include "tst_readaloudswitch.moc"
