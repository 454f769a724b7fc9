// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "formtesting.h"
#include "questionstate.h"
#include "recordingvoice.h"
#include "screens/describeform.h"
#include "screens/matchform.h"
#include "screens/namemeform.h"
#include "screens/oddoutform.h"
#include "widgets/picturebox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Animals far apart and five alike, so that every kind of question can be drawn.
const QList<AnimalRecord> zoo{beast("Lion", 1, 0, 1, 1, {1}),  beast("Owl", 1, 1, 5, 1, {4}),
                              beast("Frog", 1, 3, 7, 2, {6}),  beast("Cow", 1, 0, 3, 0, {1, 4}),
                              beast("Ant", 1, 4, 9, 3, {0}),   beast("Mouse", 1, 0, 4, 0, {4}),
                              beast("Rat", 1, 0, 4, 0, {4}),   beast("Vole", 1, 0, 4, 0, {4}),
                              beast("Shrew", 1, 0, 4, 0, {4}), beast("Mole", 1, 0, 4, 0, {4})};

// One question screen of the given kind, reading aloud, with the voice on the port's
// timeline.
struct Screen {
    explicit Screen(int questionType, int animals = int(zoo.size())) : q(questionType) {
        fill(q.state.knowledge, zoo.mid(0, animals));
        for (int i = 0; i < animals; ++i)
            writePicture(folder, zoo[i].picture);
        q.state.speech.attach(voice);
        q.state.speech.setOn(true);
        q.ui.windows.clear();
        voice.said.clear();
        switch (questionType) {
        case 1:
            form = std::make_unique<NameMeForm>(q.state);
            break;
        case 2:
            form = std::make_unique<MatchForm>(q.state);
            break;
        case 3:
        case 4:
        case 5:
            form = std::make_unique<DescribeForm>(q.state);
            break;
        default:
            form = std::make_unique<OddOneOutForm>(q.state);
        }
        saidBeforeShown = q.ui.windows;
        QCursor::setPos(0, 0); // away from where the window opens
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    template <class T = QWidget> T* control(const QString& name) const {
        return child<T>(*form, name);
    }
    // The pointer comes from outside the control's window and rests on it.
    void pointAt(QWidget* w) {
        QTest::mouseMove(form.get(), QPoint(1, 1));
        QTest::mouseMove(w);
    }

    TestFolder folder;
    QuestionState q;
    RecordingVoice voice{&q.ui.windows};
    std::unique_ptr<QDialog> form;
    QStringList saidBeforeShown;
};

} // namespace

class TestSpokenScreens : public QObject {
    Q_OBJECT
private slots:
    void eachScreenReadsItsQuestionAsItOpens_data();
    void eachScreenReadsItsQuestionAsItOpens();
    void noQuestionNothingToRead();
    void answersAreNamedByPointerAndKeyboard();
    void picturesAreNamedAsScreenReadersHearThem();
};

void TestSpokenScreens::eachScreenReadsItsQuestionAsItOpens_data() {
    QTest::addColumn<int>("questionType");
    QTest::addColumn<QString>("heard"); // empty: the prompt as the screen shows it
    QTest::newRow("name me") << 1 << "Name Me, Press the letter keys to enter my name...";
    QTest::newRow("match") << 2 << "Match animals by name";
    QTest::newRow("describe") << 3 << "Pick the description for this creature";
    QTest::newRow("biomes") << 5 << "Pick the places where this creature lives";
    QTest::newRow("odd one out") << 6 << "";
    QTest::newRow("odd biome") << 9 << "";
}

void TestSpokenScreens::eachScreenReadsItsQuestionAsItOpens() {
    QFETCH(int, questionType);
    QFETCH(QString, heard);
    Screen s(questionType);
    if (heard.isEmpty()) {
        const QString shown = s.control<QLabel>("Label1")->text();
        QVERIFY(shown.startsWith("Click on "));
        QVERIFY(shown.contains("NOT"));
        heard = Speech::forTheEar(shown);
    }
    QCOMPARE(s.saidBeforeShown, QStringList());
    QCOMPARE(s.voice.said, QStringList{heard});
}

// The drawing gave up: its message is the only thing to hear, and the port's box reads it.
void TestSpokenScreens::noQuestionNothingToRead() {
    for (int type : {1, 2, 3, 6}) {
        Screen s(type, 0);
        QCOMPARE(s.q.ui.messages.size(), 1);
        QCOMPARE(s.voice.said, QStringList());
    }
}

// One screen open at a time: the pointer goes to the window it is moved in.
void TestSpokenScreens::answersAreNamedByPointerAndKeyboard() {
    {
        Screen describe(3);
        auto* option = describe.control<QAbstractButton>("choice_2");
        describe.pointAt(option);
        QCOMPARE(describe.voice.said.last(), option->text());
        describe.control("choice_0")->setFocus();
        QTest::keyClick(describe.control("choice_0"), Qt::Key_Down); // walks, never answers
        QCOMPARE(describe.voice.said.last(), describe.control<QAbstractButton>("choice_1")->text());
    }
    {
        Screen match(2);
        auto* bar = match.control<QPushButton>("Btn1_1");
        match.pointAt(bar);
        QCOMPARE(match.voice.said.last(), bar->text());
    }
    Screen nameMe(1);
    nameMe.pointAt(nameMe.control("letterQ"));
    QTest::mouseClick(nameMe.control("letterQ"), Qt::LeftButton);
    QCOMPARE(nameMe.voice.said.mid(1), (QStringList{"Q", "Q"})); // named, then typed
}

// By the animal's name where that gives nothing away; where the name is the answer, by
// what tells nothing, and by the bar laid on it.
void TestSpokenScreens::picturesAreNamedAsScreenReadersHearThem() {
    {
        Screen odd(6);
        auto* picture = odd.control<PictureBox>("Image1_3");
        odd.pointAt(picture);
        QCOMPARE(odd.voice.said.last(), picture->text());
        QVERIFY(!picture->text().isEmpty());
    }
    {
        Screen describe(3);
        describe.pointAt(describe.control("Image1"));
        const QString pictured = describe.voice.said.last();
        QVERIFY(std::any_of(zoo.begin(), zoo.end(), [&](auto& a) { return a.name == pictured; }));
    }
    {
        Screen nameMe(1);
        nameMe.pointAt(nameMe.control("Image2"));
        QCOMPARE(nameMe.voice.said.last(), "The animal to name");
    }
    Screen match(2);
    QTest::mouseClick(match.control("Btn1_0"), Qt::LeftButton);
    QTest::mouseClick(match.control("Image1_2"), Qt::LeftButton);
    match.pointAt(match.control("Image1_2"));
    QCOMPARE(match.voice.said.last(), "Picture 3, " + match.control<QPushButton>("Btn1_0")->text());
}

QTEST_MAIN(TestSpokenScreens)
#include "tst_spokenscreens.moc"
