#include "play/programstate.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "recordingvoice.h"
#include "screens/setupform.h"
#include "testfolder.h"

#include <QCheckBox>
#include <QDir>
#include <QTest>

namespace {

constexpr char playerFile[] = "config/morvane-velkins/player.ini";

// The settings screen over a program folder, with the player's own file beside it.
struct OpenSetup {
    explicit OpenSetup(bool withVoice = true) {
        buildCategoryTables(state.knowledge.tables, 1);
        if (withVoice) state.speech.attach(voice);
        state.speech.load(folder.file(playerFile));
        form = std::make_unique<SetupForm>(state);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) qWarning("the screen is not active");
    }
    QCheckBox* box() const { return form->findChild<QCheckBox*>("chkReadAloud"); }
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
    QCOMPARE(box->text(), "Read aloud");
    QVERIFY(box->isEnabled());
    QVERIFY(!box->isChecked());
    QCOMPARE(box->toolTip(), "Reads the questions, the answers and the score aloud. Ctrl+R "
                             "switches it on every screen.");
    QVERIFY(o.form->rect().contains(box->geometry()));
    for (QWidget* other : o.form->findChildren<QWidget*>()) {
        if (other == box || other->parentWidget() != o.form.get() || !other->isVisible()) continue;
        QVERIFY2(!other->geometry().intersects(box->geometry()), qPrintable(other->objectName()));
    }
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
    QTest::addColumn<bool>("whileOpen");
    QTest::addColumn<QString>("tip");
    QTest::newRow("built without speech")
        << "-" << false
        << "This copy of the game was built without speech. The game cannot read aloud.";
    QTest::newRow("no engine") << "No speech engine is installed on this computer." << false
                               << "No speech engine is installed on this computer. The game "
                                  "cannot read aloud.";
    QTest::newRow("no voice, found on the first word")
        << "The speech engine has no voice installed." << true
        << "The speech engine has no voice installed. The game cannot read aloud.";
}

void TestReadAloudSwitch::greyedOutSayingWhy() {
    QFETCH(QString, missing);
    QFETCH(bool, whileOpen);
    QFETCH(QString, tip);
    const QByteArray ini = untouched();
    OpenSetup o(missing != "-");
    if (whileOpen) {
        QTest::mouseClick(o.box(), Qt::LeftButton);
        QVERIFY(o.box()->isChecked());
        o.voice.goMissing(missing);
    } else if (missing != "-") {
        o.voice.goMissing(missing);
    }
    QVERIFY(!o.box()->isEnabled());
    QVERIFY(!o.box()->isChecked());
    QCOMPARE(o.box()->toolTip(), tip);
    QTest::keyClick(o.form.get(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!o.box()->isChecked());
    QCOMPARE(o.closed(), ini); // nothing else changes
    QVERIFY(o.ui.messages.isEmpty());
}

QTEST_MAIN(TestReadAloudSwitch)
#include "tst_readaloudswitch.moc"
