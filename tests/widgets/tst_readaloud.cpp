// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "play/programstate.h"
#include "recordingui.h"
#include "recordingvoice.h"
#include "widgets/readaloud.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// A window of the kinds of control the game's screens are made of, reading itself aloud.
struct Window {
    explicit Window(bool on = true, const QString& opening = "Pick the description") {
        state.speech.attach(voice);
        state.speech.setOn(on);
        voice.said.clear();
        voice.asked = 0;
        auto* layout = new QVBoxLayout(&window);
        play = new QPushButton("Play", &window);
        play->setAccessibleDescription("held");
        edit = new QLineEdit("3", &window);
        edit->setAccessibleName("Maximum");
        label = new QLabel("Number of questions per game", &window);
        result = new QPlainTextEdit("Sorry, the answer was Mammal Meat eater", &window);
        result->setAccessibleName("Result");
        result->setTabChangesFocus(true);
        list = new QListWidget(&window);
        list->addItems({"Name me!", "Match animals by name"});
        list->setCurrentRow(0);
        for (QWidget* w : std::initializer_list<QWidget*>{play, edit, label, result, list})
            layout->addWidget(w);
        readAloud(window, state.speech, [opening] { return opening; });
        window.resize(300, 400);
    }
    bool open() {
        QCursor::setPos(0, 0); // away from where the window opens
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    // The pointer comes from the window's bare edge and rests on `w`.
    void pointAt(QWidget* w, QPoint at = {}) {
        QTest::mouseMove(&window, QPoint(1, 1));
        QTest::mouseMove(w, at.isNull() ? w->rect().center() : at);
    }

    RecordingUi ui;
    RecordingVoice voice;
    ProgramState state{ui};
    QWidget window;
    QPushButton* play;
    QLineEdit* edit;
    QLabel* label;
    QPlainTextEdit* result;
    QListWidget* list;
};

} // namespace

class TestReadAloud : public QObject {
    Q_OBJECT
private slots:
    void aWindowSaysItsOpeningAsItShows();
    void offNothingIsSaidNorAsked();
    void thePointerNamesWhatItComesTo_data();
    void thePointerNamesWhatItComesTo();
    void aWindowOpeningUnderTheRestingPointer();
    void onlyTheKeyboardsMovesAreNamed();
    void listItemsByKeyAndPointer();
    void theKeysSwitchReadingOnAnyWindow();
    void messageBoxesAreReadAsTheyOpen();
};

void TestReadAloud::aWindowSaysItsOpeningAsItShows() {
    Window w;
    QCOMPARE(w.voice.said, QStringList());
    QVERIFY(w.open());
    // The focus the window gives itself as it opens does not talk over the opening.
    w.play->setFocus();
    QCOMPARE(w.voice.said, QStringList{"Pick the description"});
}

void TestReadAloud::offNothingIsSaidNorAsked() {
    Window w(false);
    QVERIFY(w.open());
    w.pointAt(w.play);
    QTest::keyClick(&w.window, Qt::Key_Tab);
    QCOMPARE(w.voice.said, QStringList());
    QCOMPARE(w.voice.asked, 0);
}

void TestReadAloud::thePointerNamesWhatItComesTo_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("heard");
    QTest::newRow("button and its description") << "play"
                                                << "Play, held";
    QTest::newRow("box: caption and value") << "edit"
                                            << "Maximum, 3";
    QTest::newRow("label") << "label"
                           << "Number of questions per game";
    QTest::newRow("page of a text box") << "result"
                                        << "Result, Sorry, the answer was Mammal Meat eater";
}

void TestReadAloud::thePointerNamesWhatItComesTo() {
    QFETCH(QString, control);
    QFETCH(QString, heard);
    Window w;
    QVERIFY(w.open());
    QWidget* target = control == "play"    ? w.play
                      : control == "edit"  ? static_cast<QWidget*>(w.edit)
                      : control == "label" ? w.label
                                           : w.result->viewport();
    w.voice.said.clear();
    w.pointAt(target);
    QCOMPARE(w.voice.said, QStringList{heard});
    w.pointAt(target); // away and back: said again
    QCOMPARE(w.voice.said, (QStringList{heard, heard}));
}

// The window opened where the pointer rests, or came back when a window over it closed:
// what lies under it is not named until the pointer moves, so the opening is heard whole.
void TestReadAloud::aWindowOpeningUnderTheRestingPointer() {
    Window w;
    QVERIFY(w.open());
    const QPoint onPlay = w.play->mapToGlobal(w.play->rect().center());
    QEnterEvent arrival(QPointF(1, 1), QPointF(1, 1), onPlay);
    QCursor::setPos(onPlay);
    QEvent unblocked(QEvent::WindowUnblocked);
    QApplication::sendEvent(&w.window, &unblocked);
    QApplication::sendEvent(w.play, &arrival);
    QCOMPARE(w.voice.said, QStringList{"Pick the description"});
    w.pointAt(w.play);
    QCOMPARE(w.voice.said.last(), "Play, held");
}

// Tab and Shift+Tab name where they land; a click names its control once, by the pointer.
void TestReadAloud::onlyTheKeyboardsMovesAreNamed() {
    Window w;
    QVERIFY(w.open());
    w.play->setFocus();
    w.voice.said.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(w.voice.said, QStringList{"Maximum, 3"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(w.voice.said.last(), "Play, held");
    w.voice.said.clear();
    w.pointAt(w.edit);
    QTest::mouseClick(w.edit, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.edit);
    QCOMPARE(w.voice.said, QStringList{"Maximum, 3"});
}

void TestReadAloud::listItemsByKeyAndPointer() {
    Window w;
    QVERIFY(w.open());
    w.result->setFocus();
    w.voice.said.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.list);
    QTest::keyClick(w.list, Qt::Key_Down);
    QCOMPARE(w.voice.said, (QStringList{"Name me!", "Match animals by name"}));
    w.voice.said.clear();
    const QRect first = w.list->visualItemRect(w.list->item(0));
    w.pointAt(w.list->viewport(), first.center());
    QTest::mouseMove(w.list->viewport(), first.center() + QPoint(3, 0)); // the same item
    QCOMPARE(w.voice.said, QStringList{"Name me!"});
}

void TestReadAloud::theKeysSwitchReadingOnAnyWindow() {
    Window w(false);
    QVERIFY(w.open());
    QTest::keyClick(&w.window, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(w.state.speech.on());
    QCOMPARE(w.voice.said, QStringList{"Read aloud"});
    QTest::keyClick(w.edit, Qt::Key_R, Qt::ControlModifier); // from a box as well
    QVERIFY(!w.state.speech.on());
    QCOMPARE(w.edit->text(), "3");
    w.voice.missing = "No speech engine is installed on this computer.";
    QTest::keyClick(&w.window, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(!w.state.speech.on());
}

// Every message and question box reads its text as it opens; the keys work there too.
void TestReadAloud::messageBoxesAreReadAsTheyOpen() {
    FormsUi ui;
    ProgramState state(ui);
    ui.attach(state);
    RecordingVoice voice;
    state.speech.attach(voice);
    state.speech.setOn(true);
    voice.said.clear();
    QStringList boxes;
    auto answer = [&](bool switchOff) {
        QTimer::singleShot(0, [&, switchOff] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            boxes << (box ? box->objectName() : "nothing");
            if (!box) return;
            if (!QTest::qWaitForWindowActive(box)) qWarning("the box is not active");
            if (switchOff) QTest::keyClick(box, Qt::Key_R, Qt::ControlModifier);
            box->accept();
        });
    };
    answer(false);
    ui.message("The word was: OWL. Better luck next time!");
    answer(true);
    ui.confirm("Store list", "Store the animals by difficulty?");
    QCOMPARE(boxes, (QStringList{"messageBox", "confirmBox"}));
    QCOMPARE(voice.said, (QStringList{"The word was: Owl. Better luck next time!",
                                      "Store the animals by difficulty?"}));
    QVERIFY(!state.speech.on());
}

QTEST_MAIN(TestReadAloud)
#include "tst_readaloud.moc"
