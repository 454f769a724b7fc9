// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "formtesting.h"
#include "knowledge/wording.h"
#include "questionstate.h"
#include "screens/namemeform.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// An open Name me! window about a lion, with its picture and the dragons beside it.
struct OpenNameMe {
    explicit OpenNameMe(int difficulty = 1) {
        q.addAnimals({"Lion"}, difficulty);
        writePicture(folder, "pictures/Lion.jpg");
        for (int k = 1; k <= 6; ++k)
            writePicture(folder, QString("dragon%1.jpg").arg(k), {40, 60});
        form = std::make_unique<NameMeForm>(q.state);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    QLabel* label(const char* name) const { return child<QLabel>(*form, name); }
    QPushButton* key(char letter) const {
        return child<QPushButton>(*form, QString("letter") + letter);
    }
    // Typed on the keyboard, to whatever has the focus.
    void type(const QString& keys) const { QTest::keyClicks(QApplication::focusWidget(), keys); }

    TestFolder folder;
    QuestionState q{1};
    std::unique_ptr<NameMeForm> form;
};

bool struckOut(const QPushButton* key) {
    return key->font().strikeOut();
}

} // namespace

class TestNameMeForm : public QObject {
    Q_OBJECT
private slots:
    void showsTheWordAsBlanks();
    void typedLettersGuess();
    void everyKeyReachesTheFormFirst();
    void onScreenKeysDoWhatTypingDoes();
    void winningShowsTheScoreBoardAndCloses();
    void losingTellsTheWordAndCloses();
    void quitScoresNothing();
    void noAnimalLeavesOnlyQuit();
    void theGameOpensBothScreens();
};

void TestNameMeForm::showsTheWordAsBlanks() {
    OpenNameMe n;
    QCOMPARE(n.form->objectName(), "NameMe");
    QCOMPARE(n.form->windowTitle(), "Name Me -- Press the letter keys to enter my name... ");
    QCOMPARE(n.label("Label2")->text(), "_ _ _ _ ");
    QCOMPARE(n.label("Label2")->font().pointSize(), 24);
    QCOMPARE(accessibleName(n.label("Label2")), "_ _ _ _ ");
    QCOMPARE(n.label("Label1")->text(), QString());
    QVERIFY(!n.label("Label3")->isVisible());
    QCOMPARE(accessibleName(n.label("Image2")), "The animal to name");
    QVERIFY(!n.label("Image2")->pixmap().isNull());
    QVERIFY(n.label("Image1")->pixmap().isNull());
    QCOMPARE(n.form->findChildren<QPushButton*>(QRegularExpression("^letter[A-Z]$")).size(), 26);
    QCOMPARE(QApplication::focusWidget(), n.label("Label2"));
}

// A hit fills the row and greens the key; a miss is listed, shows the hint and a bigger
// dragon about the same centre, and strikes the key out in red.
void TestNameMeForm::typedLettersGuess() {
    OpenNameMe n;
    n.type("i");
    QCOMPARE(n.label("Label2")->text(), "_  I _  _  ");
    QCOMPARE(accessibleName(n.label("Label2")), "_  I _  _  ");
    QCOMPARE(accessibleDescription(n.key('I')), "in the word");
    QVERIFY(!struckOut(n.key('I')));

    QLabel* dragon = n.label("Image1");
    const QRect before = dragon->geometry();
    n.type("Q");
    QCOMPARE(n.label("Label1")->text(), " Q");
    QCOMPARE(accessibleName(n.label("Label1")), " Q");
    QVERIFY(n.label("Label3")->isVisible());
    QVERIFY(!dragon->pixmap().isNull());
    QVERIFY(dragon->width() > before.width() && dragon->height() > before.height());
    QVERIFY((dragon->geometry().center() - before.center()).manhattanLength() <= 2);
    QVERIFY(struckOut(n.key('Q')));
    QCOMPARE(accessibleDescription(n.key('Q')), "missed");
    QVERIFY(n.key('Q')->palette().color(QPalette::Button) !=
            n.key('I')->palette().color(QPalette::Button));
    QVERIFY(n.q.ui.messages.isEmpty());
}

// Letters guess whichever control has the focus; Enter or Space press a focused button,
// and anywhere else are keys like any other.
void TestNameMeForm::everyKeyReachesTheFormFirst() {
    OpenNameMe n;
    n.type(" ");
    QCOMPARE(n.q.ui.messages, QStringList("Press a letter, only"));
    n.key('A')->setFocus();
    n.type("n");
    QCOMPARE(n.label("Label2")->text(), "_  _  _  N ");
    QCOMPARE(n.label("Label1")->text(), QString()); // the focused A was not pressed
    QTest::keyClick(n.key('A'), Qt::Key_Space);
    QCOMPARE(n.label("Label1")->text(), " A");
    n.key('E')->setFocus();
    QTest::keyClick(n.key('E'), Qt::Key_Return);
    QCOMPARE(n.label("Label1")->text(), " A E");
    n.type("7");
    QCOMPARE(n.q.ui.messages.last(), "Press a letter, only");
    QCOMPARE(n.label("Label1")->text(), " A E");
}

void TestNameMeForm::onScreenKeysDoWhatTypingDoes() {
    OpenNameMe n;
    QWidget* focused = QApplication::focusWidget();
    QTest::mouseClick(n.key('Z'), Qt::LeftButton);
    QCOMPARE(n.label("Label1")->text(), " Z");
    QCOMPARE(QApplication::focusWidget(), focused); // a click leaves the keyboard where it was
    QTest::mouseClick(n.key('Z'), Qt::LeftButton);
    QCOMPARE(n.q.ui.messages, QStringList("Already tried Z"));
    QVERIFY(accessiblePress(n.key('O')));
    QTRY_COMPARE(n.label("Label2")->text(), "_  _  O _  ");
    QCOMPARE(accessibleName(n.key('O')), "O");
}

void TestNameMeForm::winningShowsTheScoreBoardAndCloses() {
    OpenNameMe n;
    QString rowBehindTheBoard;
    n.q.ui.onScoreBoard = [&] { rowBehindTheBoard = n.label("Label2")->text(); };
    n.type("lxion");
    QCOMPARE(rowBehindTheBoard, "L I O N ");
    QCOMPARE(n.q.ui.scoreBoards, QStringList("Results for Name me! | You got it!"));
    QCOMPARE(n.q.state.scores.current().points, 5);
    QCOMPARE(n.form->result(), int(QDialog::Accepted));
    QVERIFY(!n.form->isVisible());
}

void TestNameMeForm::losingTellsTheWordAndCloses() {
    OpenNameMe n;
    QString dragonAtTheEnd;
    n.q.ui.onMessage = [&](const QString&) {
        dragonAtTheEnd = n.label("Image1")->pixmap().isNull() ? "none" : "shown";
    };
    n.type("abcdef");
    QCOMPARE(n.q.ui.messages, QStringList("The word was: LION. Better luck next time!"));
    QCOMPARE(dragonAtTheEnd, "shown");
    QVERIFY(n.q.ui.scoreBoards.isEmpty());
    QCOMPARE(n.q.state.scores.current().possible, 6);
    QVERIFY(!n.form->isVisible());
}

void TestNameMeForm::quitScoresNothing() {
    OpenNameMe n;
    n.type("l");
    QTest::mouseClick(child<QPushButton>(*n.form, "Command1"), Qt::LeftButton);
    QCOMPARE(n.form->result(), int(QDialog::Rejected));
    QCOMPARE(n.q.state.scores.current().possible, 0);
}

void TestNameMeForm::noAnimalLeavesOnlyQuit() {
    OpenNameMe n(3); // the lion lies above the highest difficulty
    QCOMPARE(n.q.ui.windows, QStringList("setup"));
    const int told = int(n.q.ui.messages.size());
    QVERIFY(!n.key('L')->isEnabled());
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(*n.form, "Command1"));
    n.type("l");
    QCOMPARE(n.q.ui.messages.size(), told);
}

// The program's own port opens each screen for its kind, modal, and returns when it closes.
void TestNameMeForm::theGameOpensBothScreens() {
    TestFolder folder;
    FormsUi ui;
    ProgramState state(ui);
    ui.attach(state);
    buildCategoryTables(state.knowledge.tables, 1);
    state.settings.maxDifficulty = 1;
    for (const char* name : {"Lion", "Owl", "Frog", "Bee"}) {
        AnimalRecord& a = state.knowledge.animals[size_t(++state.knowledge.animalCount)];
        a.name = name;
        a.difficulty = 1;
    }
    QStringList opened;
    for (int kind : {1, 2}) {
        QTimer::singleShot(0, [&] {
            QWidget* screen = QApplication::activeModalWidget();
            opened << (screen ? screen->objectName() : "nothing");
            if (screen) screen->close();
        });
        askQuestion(state.knowledge, ui, questionTypeFromNumber(kind));
    }
    QCOMPARE(opened, QStringList({"NameMe", "imatch"}));
}

QTEST_MAIN(TestNameMeForm)
#include "tst_namemeform.moc"
