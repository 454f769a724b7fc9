// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "knowledge/wording.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "recordingui.h"
#include "screens/describe.h"
#include "screens/oddout.h"
#include "scriptedrandom.h"
#include "testfolder.h"

#include <QTest>

namespace {

// A state over the delivered animals, with chance from a script or a seed.
struct Play {
    explicit Play(int qtype, int level = 3) {
        state.settings.maxDifficulty = int16_t(level);
        buildCategoryTables(state.knowledge.tables, level);
        static Knowledge delivered;
        static const bool read = loadDelivered(delivered);
        loaded = read;
        state.knowledge.animals = delivered.animals;
        state.knowledge.animalCount = delivered.animalCount;
        state.knowledge.questionType = questionTypeFromNumber(qtype);
    }
    QString text(int animal) const {
        return attributeText(state.knowledge, state.settings.maxDifficulty, animal,
                             state.knowledge.questionType);
    }

    RecordingUi ui;
    ScriptedRandom random;
    ProgramState state{ui, random};
    bool loaded = false;
};

// Five animals that read differently for every kind of question.
QList<AnimalRecord> fiveApart() {
    return {beast("Lion", 1, 0, 1, 1, {1}), beast("Owl", 1, 1, 5, 1, {4}),
            beast("Frog", 1, 3, 7, 2, {6}), beast("Cow", 1, 0, 3, 0, {1, 4}),
            beast("Ant", 1, 4, 9, 3, {0})};
}

QList<AnimalRecord> many(int count, int cls) {
    QList<AnimalRecord> list;
    for (int i = 0; i < count; ++i)
        list << beast(QString("Kin%1").arg(i), 1, cls, 1 + i, i % 5, {i % 7});
    return list;
}

const QString tooFew = "Current set doesn't provide enough items for %1. Use another question "
                       "type or change difficulty level to include more.";

} // namespace

class TestQuestionModels : public QObject {
    Q_OBJECT
private slots:
    void describeNeverPutsTheAnswerFifth_data();
    void describeNeverPutsTheAnswerFifth();
    void describeTracksTheAnswerThroughTheShuffle();
    void describeScoresTheAnswer_data();
    void describeScoresTheAnswer();
    void describeGivesUpLikeOddOneOut();
    void oddOneOutNeverBottomRight_data();
    void oddOneOutNeverBottomRight();
    void oddOneOutScoresAndLogsTheClick_data();
    void oddOneOutScoresAndLogsTheClick();
    void oddOneOutGivingUpAtSlotOne();
};

void TestQuestionModels::describeNeverPutsTheAnswerFifth_data() {
    QTest::addColumn<int>("qtype");
    QTest::newRow("class and family") << 3;
    QTest::newRow("class and eater") << 4;
    QTest::newRow("biomes") << 5;
}

void TestQuestionModels::describeNeverPutsTheAnswerFifth() {
    TestFolder folder;
    QFETCH(int, qtype);
    QList<int> seen(DescribeQuestion::options);
    for (int seed = 1; seed <= 400; ++seed) {
        Play p(qtype, 1 + seed % 3);
        QVERIFY(p.loaded);
        p.random.seed(quint32(seed));
        DescribeQuestion q(p.state);
        QVERIFY(q.load());
        const auto& chosen = p.state.knowledge.chosen;
        for (int i = 0; i < DescribeQuestion::options; ++i)
            QCOMPARE(q.captions()[size_t(i)], p.text(chosen[size_t(i)]));
        QCOMPARE(q.captions()[size_t(q.correctChoice())], p.text(q.pictured()));
        ++seen[q.correctChoice()];
    }
    QCOMPARE(seen[4], 0);
    for (int i = 0; i < 4; ++i)
        QVERIFY(seen[i] > 40);
}

void TestQuestionModels::describeTracksTheAnswerThroughTheShuffle() {
    TestFolder folder;
    Play p(6);
    fill(p.state.knowledge, fiveApart());
    p.state.knowledge.questionType = QuestionType::ClassFamily;
    for (int n = 1; n <= 5; ++n)
        p.random.push({(n - 0.5) / 5});  // draws animals 1..5 into slots 0..4
    p.random.push({0.3, 0.6, 0.9, 0.1}); // swaps 0-1, 1-2, 2-3: the answer walks to 3
    for (int i = 0; i < 16; ++i)
        p.random.push({0.0});
    DescribeQuestion q(p.state);
    QVERIFY(q.load());
    QCOMPARE(q.correctChoice(), 3);
    QCOMPARE(q.pictured(), 1);
    QCOMPARE(p.state.knowledge.chosen, (std::array<int16_t, 6>{2, 3, 4, 1, 5, 0}));
    QCOMPARE(q.captions()[3], "Mammal Carnivore");
    QCOMPARE(q.pictureFile(), "pictures/lion.jpg");
    QCOMPARE(q.pictureName(), "Common Lion");
    QCOMPARE(q.prompt(), "Pick the description for this creature");
    QCOMPARE(folder.read(quizLogFileName), "Image match (no logging)\r\n");
}

void TestQuestionModels::describeScoresTheAnswer_data() {
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("points");
    QTest::newRow("right") << true << "Results for Pick biomes |  Correct, +5 pts" << 5;
    QTest::newRow("wrong") << false << "Results for Pick biomes | Sorry, the answer was Plains "
                           << 0;
}

void TestQuestionModels::describeScoresTheAnswer() {
    TestFolder folder;
    QFETCH(bool, right);
    QFETCH(QString, board);
    QFETCH(int, points);
    Play p(5);
    fill(p.state.knowledge, fiveApart());
    p.random.push({0.1}); // the lion, of the plains, is pictured
    DescribeQuestion q(p.state);
    QVERIFY(q.load());
    int scoreWhenShown = -1;
    p.ui.onScoreBoard = [&] { scoreWhenShown = p.state.scores.current().possible; };
    q.answer(right ? q.correctChoice() : (q.correctChoice() + 1) % 5);
    q.answer(q.correctChoice()); // a second answer counts for nothing
    QCOMPARE(p.ui.scoreBoards, QStringList{board});
    QCOMPARE(scoreWhenShown, 5); // scored before the board shows it
    QCOMPARE(p.state.scores.current().points, points);
    QCOMPARE(folder.read(quizLogFileName), "Image match (no logging)\r\n");
}

void TestQuestionModels::describeGivesUpLikeOddOneOut() {
    TestFolder folder;
    Play p(4);
    fill(p.state.knowledge, {beast("Lion", 1, 0, 1, 1), beast("Tiger", 1, 0, 1, 1)});
    p.state.knowledge.questionType = QuestionType::ClassEater;
    QStringList seenAtSetup;
    p.ui.onSetup = [&] { seenAtSetup = p.ui.messages; };
    DescribeQuestion q(p.state);
    QVERIFY(!q.load());
    QVERIFY(!q.complete());
    QCOMPARE(p.ui.messages.size(), 11); // ten diagnostics, then the player is told
    QCOMPARE(p.ui.messages.last(), tooFew.arg("Pick class, eater type"));
    QCOMPARE(seenAtSetup, p.ui.messages);
    QCOMPARE(p.ui.windows, QStringList{"setup"});
    QCOMPARE(p.state.settings.typeEnabled[4], 0);
    q.answer(0);
    QVERIFY(p.ui.scoreBoards.isEmpty());
}

void TestQuestionModels::oddOneOutNeverBottomRight_data() {
    QTest::addColumn<int>("qtype");
    for (int t = 6; t <= 9; ++t)
        QTest::newRow(qPrintable(QString("type %1").arg(t))) << t;
}

void TestQuestionModels::oddOneOutNeverBottomRight() {
    TestFolder folder;
    QFETCH(int, qtype);
    QList<int> oddAt(OddOneOutQuestion::pictures);
    for (int seed = 1; seed <= 300; ++seed) {
        Play p(qtype, 1 + seed % 3);
        p.random.seed(quint32(seed));
        OddOneOutQuestion q(p.state);
        QVERIFY(q.load());
        QCOMPARE(q.slotOfPicture(3), 3);
        for (int pic = 0; pic < OddOneOutQuestion::pictures; ++pic) {
            QCOMPARE(q.animalAt(pic), p.state.knowledge.chosen[size_t(q.slotOfPicture(pic))]);
            if (q.slotOfPicture(pic) == 1) ++oddAt[pic];
        }
    }
    QCOMPARE(oddAt[3], 0);
    QCOMPARE(oddAt[0] + oddAt[1] + oddAt[2], 300);
    QVERIFY(oddAt[0] > 30 && oddAt[1] > 30 && oddAt[2] > 30);
}

void TestQuestionModels::oddOneOutScoresAndLogsTheClick_data() {
    QTest::addColumn<QList<double>>("shuffle"); // the shuffle's draws; empty: the seed's
    QTest::addColumn<int>("picture");           // the picture clicked; -1: the owl's
    QTest::addColumn<QString>("result");
    const QString right = "Correct -- Owl is not Mammal";
    const QString wrong = "No, Owl is not Mammal";
    // The owl is drawn second: one swap takes it top left, away from the second picture.
    QList<double> owlFirst{0.5};
    owlFirst.resize(20, 0.0);
    QTest::newRow("right") << QList<double>{} << -1 << right;
    QTest::newRow("wrong") << QList<double>{} << 3 << wrong;
    QTest::newRow("right, the owl moved top left") << owlFirst << -1 << right;
    QTest::newRow("wrong, a mammal where the owl was drawn") << owlFirst << 1 << wrong;
}

void TestQuestionModels::oddOneOutScoresAndLogsTheClick() {
    TestFolder folder;
    QFETCH(QList<double>, shuffle);
    QFETCH(int, picture);
    QFETCH(QString, result);
    Play p(6);
    QList<AnimalRecord> animals = fiveApart();
    for (int i = 0; i < 5; ++i)
        animals << beast(QString("Mammal%1").arg(i), 1, 0, 3, 0);
    fill(p.state.knowledge, animals);
    p.random.push({0.05, 0.15, 0.65, 0.75}); // lion, owl, two more mammals
    for (double draw : shuffle)
        p.random.push({draw});
    OddOneOutQuestion q(p.state);
    QVERIFY(q.load());
    QCOMPARE(q.caption(), "Odd one out -- class");
    QCOMPARE(q.prompt(), "Click on animal that is NOT a Mammal");
    const int owl = 2;
    if (!shuffle.isEmpty()) QCOMPARE(q.animalAt(0), owl);
    if (picture < 0)
        for (picture = 0; picture < 3 && q.animalAt(picture) != owl; ++picture) {
        }
    q.answer(picture);
    const bool right = result.startsWith("Correct");
    QCOMPARE(p.ui.scoreBoards, QStringList{"Results for Odd one out -- class | " + result});
    QCOMPARE(p.state.scores.current().points, right ? 5 : 0);
    QCOMPARE(p.state.scores.current().possible, 5);
    const QByteArray log =
        "Odd one out -- class\r\n" + (right ? QByteArray() : result.toUtf8() + "\r\n");
    QCOMPARE(folder.read(quizLogFileName), log);
}

// Every animal inside the window is a mammal: there is no odd one to draw.
void TestQuestionModels::oddOneOutGivingUpAtSlotOne() {
    TestFolder folder;
    Play p(6);
    QList<AnimalRecord> animals = many(6, 0);
    animals << beast("Owl", 3, 1, 5, 1);
    fill(p.state.knowledge, animals);
    p.state.settings.maxDifficulty = 1;
    p.random.push({0.25});
    int setups = 0;
    p.ui.onSetup = [&] { ++setups; };
    OddOneOutQuestion q(p.state);
    QVERIFY(!q.load());
    QCOMPARE(q.picturesDrawn(), 1);
    QCOMPARE(q.animalAt(0), 2);
    QCOMPARE(setups, 1);
    QCOMPARE(p.state.settings.typeEnabled[6], 0);
    QCOMPARE(p.ui.messages.size(), 11);
    QCOMPARE(p.ui.messages.last(), tooFew.arg("Odd one out -- class"));
    QCOMPARE(q.prompt(), "");
    q.answer(0);
    QVERIFY(p.ui.scoreBoards.isEmpty());
}

QTEST_GUILESS_MAIN(TestQuestionModels)
#include "tst_questionmodels.moc"
