// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "formtesting.h"
#include "play/programstate.h"
#include "recordingui.h"
#include "screens/describeform.h"
#include "screens/oddoutform.h"
#include "screens/scoreboardform.h"
#include "scriptedrandom.h"
#include "testfolder.h"
#include "widgets/optionbutton.h"
#include "widgets/picturebox.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// What a screen reader's activation does: the action the control offers first.
void activateByScreenReader(QWidget* w, const QString& expected) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a && a->actionInterface());
    const QStringList actions = a->actionInterface()->actionNames();
    QVERIFY(!actions.isEmpty());
    QCOMPARE(actions.first(), expected);
    a->actionInterface()->doAction(actions.first());
}

void pressByScreenReader(QWidget* w) {
    QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

// Five animals far apart, five mammals more, and their pictures in a fresh program folder.
struct Table {
    Table() {
        const QList<AnimalRecord> animals = fiveApartFiveMice();
        fill(state.knowledge, animals);
        buildCategoryTables(state.knowledge.tables, 1);
        QDir().mkpath("pictures");
        for (int i = 1; i <= animals.size(); ++i) {
            QImage picture(64, 48, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(i * 30, 200, 200));
            picture.save(state.knowledge.animals[size_t(i)].picture);
        }
    }
    void ask(int qtype) { state.knowledge.questionType = questionTypeFromNumber(qtype); }

    TestFolder folder;
    RecordingUi ui;
    ScriptedRandom random;
    ProgramState state{ui, random};
};

// Describe-this-image with the lion pictured and its description at option 0.
struct Describe : Table {
    Describe() {
        ask(3);
        random.push({0.05, 0.15, 0.25, 0.35, 0.45});
        for (int i = 0; i < 20; ++i)
            random.push({0.0});
        form = std::make_unique<DescribeForm>(state);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    OptionButton* option(int i) { return child<OptionButton>(*form, QString("choice_%1").arg(i)); }
    std::unique_ptr<DescribeForm> form;
};

} // namespace

class TestQuestionForms : public QObject {
    Q_OBJECT
private slots:
    void describeShowsTheQuestion();
    void describeAnswersEveryWay_data();
    void describeAnswersEveryWay();
    void describeArrowKeysOnlyMoveTheFocus();
    void describeMissingPictureStillPlays();
    void describeSkipAndHelp();
    void oddOneOutAnswersEveryWay_data();
    void oddOneOutAnswersEveryWay();
    void oddOneOutMissingPictureShowsTheName();
    void oddOneOutGivenUpOffersOnlySkip();
    void scoreBoardShowsTheAnswerAndTheScore();
    void windowsComeBackAsTheyWereLeft();
    void minimisedComesBackNormal();
};

void TestQuestionForms::describeShowsTheQuestion() {
    Describe d;
    QCOMPARE(d.form->windowTitle(), "Describe this image");
    QCOMPARE(d.form->objectName(), "ichoice");
    QCOMPARE(child<QLabel>(*d.form, "Label1")->text(), "Pick the description for this creature");
    QCOMPARE(d.option(0)->text(), "Mammal Meat eater");
    QCOMPARE(d.option(4)->text(), "Insect Ground");
    auto* picture = child<QLabel>(*d.form, "Image1");
    QVERIFY(!picture->pixmap().isNull());
    QCOMPARE(picture->accessibleName(), "Lion");
    QCOMPARE(child<QPushButton>(*d.form, "Command1")->text(), "skip");
    QCOMPARE(child<QPushButton>(*d.form, "cmdhelp")->text(), "help");
    // The frame keeps its margin and stays centred.
    const QWidget* frame = child<QWidget>(*d.form, "Frame1");
    QCOMPARE(frame->width(), d.form->width() - 5);
    QVERIFY(qAbs(frame->geometry().center().x() - d.form->rect().center().x()) <= 1);
}

void TestQuestionForms::describeAnswersEveryWay_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("board");
    const QString right = "Results for Pick class, family |  Correct, +5 pts";
    const QString wrong =
        "Results for Pick class, family | Sorry, the answer was Mammal Meat eater";
    QTest::newRow("left button") << "left" << 0 << right;
    QTest::newRow("right button") << "right" << 2 << wrong;
    QTest::newRow("middle button") << "middle" << 0 << right;
    QTest::newRow("Enter") << "enter" << 1 << wrong;
    QTest::newRow("Space") << "space" << 0 << right;
    QTest::newRow("screen reader press") << "press" << 3 << wrong;
    QTest::newRow("screen reader toggle") << "toggle" << 0 << right;
}

void TestQuestionForms::describeAnswersEveryWay() {
    QFETCH(QString, how);
    QFETCH(int, option);
    QFETCH(QString, board);
    Describe d;
    OptionButton* o = d.option(option);
    if (how == "left") QTest::mouseClick(o, Qt::LeftButton);
    if (how == "right") QTest::mouseClick(o, Qt::RightButton);
    if (how == "middle") QTest::mouseClick(o, Qt::MiddleButton);
    if (how == "enter" || how == "space") {
        o->setFocus();
        QTest::keyClick(o, how == "enter" ? Qt::Key_Return : Qt::Key_Space);
    }
    if (how == "press") pressByScreenReader(o);
    if (how == "toggle") activateByScreenReader(o, QAccessibleActionInterface::toggleAction());
    QTRY_COMPARE(d.ui.scoreBoards, QStringList{board});
    QVERIFY(o->isChecked());
    QTRY_VERIFY(!d.form->isVisible());
    QCOMPARE(d.state.scores.current().possible, 5);
}

void TestQuestionForms::describeArrowKeysOnlyMoveTheFocus() {
    Describe d;
    d.option(1)->setFocus();
    QTest::keyClick(d.option(1), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), d.option(2));
    QTest::keyClick(d.option(2), Qt::Key_Up);
    QTest::keyClick(d.option(1), Qt::Key_Right);
    QTest::keyClick(d.option(2), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), d.option(1));
    QTest::keyClick(d.option(1), Qt::Key_Up);
    QTest::keyClick(d.option(0), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), d.option(4)); // round the options
    QVERIFY(d.ui.scoreBoards.isEmpty());
    QVERIFY(d.form->isVisible());
}

void TestQuestionForms::describeMissingPictureStillPlays() {
    Table t;
    t.ask(4);
    QFile::remove("pictures/lion.jpg");
    t.random.push({0.05});
    DescribeForm form(t.state);
    QCOMPARE(t.ui.messages, QStringList{"Missing imagefile: pictures/lion.jpg"});
    QVERIFY(child<QLabel>(form, "Label1")->text().isEmpty());
    form.show();
    QTest::mouseClick(child<OptionButton>(form, "choice_0"), Qt::LeftButton);
    QCOMPARE(t.ui.scoreBoards.size(), 1);
}

void TestQuestionForms::describeSkipAndHelp() {
    Describe d;
    QTest::mouseClick(child<QPushButton>(*d.form, "cmdhelp"), Qt::LeftButton);
    QCOMPARE(d.ui.messages, QStringList{"Click on the item that matches this image \r\n"
                                        "Click on skip to move to the next question"});
    QTest::mouseClick(child<QPushButton>(*d.form, "Command1"), Qt::LeftButton);
    QVERIFY(!d.form->isVisible());
    QVERIFY(d.ui.scoreBoards.isEmpty());
    QCOMPARE(d.state.scores.current().possible, 0);
}

void TestQuestionForms::oddOneOutAnswersEveryWay_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Space") << "space";
    QTest::newRow("screen reader press") << "press";
}

void TestQuestionForms::oddOneOutAnswersEveryWay() {
    QFETCH(QString, how);
    Table t;
    t.ask(6);
    t.random.push({0.65, 0.15, 0.75, 0.85}); // a mouse is the reference, the owl odd
    OddOneOutForm form(t.state);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), "Odd one out -- class");
    QCOMPARE(child<QLabel>(form, "Label1")->text(), "Click on animal that is NOT a Mammal");
    PictureBox* odd = nullptr;
    QStringList names;
    for (int p = 0; p < 4; ++p) {
        auto* box = child<PictureBox>(form, QString("Image1_%1").arg(p));
        QVERIFY(box->hasPicture());
        QVERIFY(box->focusPolicy() & Qt::TabFocus);
        names << QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
        if (box->text() == "Owl") odd = box;
    }
    QVERIFY(odd);
    QCOMPARE(names.last(), "Mouse3"); // the bottom right one is never odd
    if (how == "click") QTest::mouseClick(odd, Qt::LeftButton);
    if (how == "enter" || how == "space") {
        odd->setFocus();
        QTest::keyClick(odd, how == "enter" ? Qt::Key_Enter : Qt::Key_Space);
    }
    if (how == "press") activateByScreenReader(odd, QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(t.ui.scoreBoards,
                 QStringList{"Results for Odd one out -- class | Correct -- Owl is not Mammal"});
    QTRY_VERIFY(!form.isVisible());
}

void TestQuestionForms::oddOneOutMissingPictureShowsTheName() {
    Table t;
    t.ask(6);
    QFile::remove("pictures/owl.jpg");
    t.random.push({0.65, 0.15, 0.75, 0.85});
    OddOneOutForm form(t.state);
    QVERIFY(t.ui.messages.isEmpty());
    int withoutPicture = 0;
    for (auto* box : form.findChildren<PictureBox*>())
        if (!box->hasPicture()) {
            ++withoutPicture;
            QCOMPARE(box->text(), "Owl");
        }
    QCOMPARE(withoutPicture, 1);
}

void TestQuestionForms::oddOneOutGivenUpOffersOnlySkip() {
    Table t;
    t.ask(6);
    t.state.settings.maxDifficulty = 1;
    for (int i = 2; i <= 10; ++i) // every animal but the lion is out of reach
        t.state.knowledge.animals[size_t(i)].difficulty = 3;
    int setups = 0;
    t.ui.onSetup = [&] { ++setups; };
    OddOneOutForm form(t.state);
    QCOMPARE(setups, 1);
    QVERIFY(t.ui.messages.last().startsWith("Current set doesn't provide enough items for"));
    form.show();
    for (auto* box : form.findChildren<PictureBox*>()) {
        QVERIFY(!box->isEnabled());
        QTest::mouseClick(box, Qt::LeftButton);
    }
    QVERIFY(t.ui.scoreBoards.isEmpty());
    auto* skip = child<QPushButton>(form, "cmdSkip");
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : skip, skip);
    QTest::mouseClick(skip, Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

void TestQuestionForms::scoreBoardShowsTheAnswerAndTheScore() {
    Table t;
    t.ask(2);
    addScore(t.state.scores, 15, 20, 0);
    ScoreBoard board(t.state);
    board.setResult("\r\nLion placed on image of Cow\r\n\r\n*** Scored 3 of 4");
    board.setHeading("Results for Match animals by name");
    board.scoreCaption();
    board.show();
    QCOMPARE(board.windowTitle(), "Quizmoot Scores");
    QCOMPARE(child<QPlainTextEdit>(board, "Text1")->toPlainText(),
             "\nLion placed on image of Cow\n\n*** Scored 3 of 4");
    QCOMPARE(child<QLabel>(board, "Label2")->text(), "Current score: 15 of 20  (75%)");
    QCOMPARE(child<QLabel>(board, "Label1")->text(), "Results for Match animals by name");
    auto* ok = child<QPushButton>(board, "Command1");
    QCOMPARE(ok->toolTip(), "Click here when  ready to proceed");
    QTest::keyClick(&board, Qt::Key_Return); // "ok" is the default button
    QVERIFY(!board.isVisible());
}

void TestQuestionForms::windowsComeBackAsTheyWereLeft() {
    Table t;
    {
        ScoreBoard board(t.state);
        board.show();
        board.resize(600, 420);
        QTRY_COMPARE(t.state.settings.formLayout[3].width, 600 * 15);
        board.showMaximized();
        QTest::qWait(50);
    }
    QCOMPARE(t.state.settings.formLayout[3].width, 600 * 15); // maximised is not remembered
    QCOMPARE(t.state.settings.formLayout[3].height, 420 * 15);
    ScoreBoard again(t.state);
    QCOMPARE(again.size(), QSize(600, 420));
}

void TestQuestionForms::minimisedComesBackNormal() {
    Table t;
    t.ask(3);
    t.state.settings.formLayout[4] = {1, 0, 6000, 8000};
    DescribeForm form(t.state);
    QVERIFY(!(form.windowState() & Qt::WindowMinimized));
    QCOMPARE(form.size(), QSize(533, 400));
}

QTEST_MAIN(TestQuestionForms)
#include "tst_questionforms.moc"
