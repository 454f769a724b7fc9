// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/quizlog.h"
#include "questionstate.h"
#include "screens/match.h"
#include "testfolder.h"

#include <QSet>
#include <QTest>

namespace {

const QStringList sixAnimals{"Lion", "Owl", "Frog", "Shark", "Bee", "Crocodile"};

// A loaded question at log level 0, in a folder of its own so that the log can be read.
struct Loaded {
    explicit Loaded(quint32 seed = 7) : q(2, 1, seed) {
        q.addAnimals(sixAnimals);
        q.state.settings.logLevel = 0;
        clearLog(q.state);
        QVERIFY(question.load());
    }
    // The name on the picture: the caption of the bar that belongs there.
    QString pictured(int picture) const {
        return question.caption(question.slotOfPicture(picture));
    }
    // Drags the bar that belongs on picture `from` onto picture `to`.
    void lay(int from, int to) {
        question.startDrag(question.slotOfPicture(from));
        question.drop(to);
    }
    QStringList log() const {
        return QString::fromLatin1(folder.read(quizLogFileName)).split("\r\n", Qt::SkipEmptyParts);
    }

    TestFolder folder;
    QuestionState q;
    MatchQuestion question{q.state};
};

// Where a bar lies on each picture: centred, at the picture's foot.
const QList<QPoint> feet{{1547, 2330}, {5807, 2330}, {1547, 4970}, {5807, 4970}};

QRect onPicture(int picture) {
    return {feet[picture], QSize(2080, 435)};
}

} // namespace

class TestMatch : public QObject {
    Q_OBJECT
private slots:
    void loadsFourNamesAndLogsThem();
    void bottomRightAlwaysShowsBarThree();
    void dropRules_data();
    void dropRules();
    void onlyADraggedBarDrops();
    void doneJudgesEveryPicture_data();
    void doneJudgesEveryPicture();
    void barFontSizeFollowsTheCaption_data();
    void barFontSizeFollowsTheCaption();
    void tooFewAnimalsLeavesOnlySkip();
};

void TestMatch::loadsFourNamesAndLogsThem() {
    Loaded m;
    QSet<QString> captions;
    for (int k = 0; k < 4; ++k) {
        const int animal = m.q.state.knowledge.chosen[k];
        QCOMPARE(m.question.caption(k), m.q.state.knowledge.animals[animal].name);
        captions << m.question.caption(k);
        QCOMPARE(m.question.barRect(k), MatchQuestion::homeRect(k));
        QCOMPARE(m.question.barOnPicture(k), MatchQuestion::none);
        QCOMPARE(m.question.pictureFile(k), "pictures/" + m.pictured(k) + ".jpg");
    }
    QCOMPARE(captions.size(), 4);
    QCOMPARE(m.log(),
             QStringList({"Match Match animals by name", m.question.caption(0),
                          m.question.caption(1), m.question.caption(2), m.question.caption(3)}));
    QVERIFY(m.q.ui.messages.isEmpty());
    // bar 0 stands rightmost, bar 3 leftmost, all in one row
    for (int k = 1; k < 4; ++k) {
        QVERIFY(MatchQuestion::homeRect(k).left() < MatchQuestion::homeRect(k - 1).left());
        QCOMPARE(MatchQuestion::homeRect(k).top(), 5520);
    }
}

// The shuffle moves only the first three pictures, and really moves them.
void TestMatch::bottomRightAlwaysShowsBarThree() {
    QSet<QPair<int, int>> seen; // (picture, slot) pairs met over the seeds
    for (quint32 seed = 1; seed <= 300; ++seed) {
        QuestionState q(2, 1, seed);
        q.addAnimals(sixAnimals);
        q.state.settings.logLevel = 2;
        MatchQuestion question(q.state);
        QVERIFY(question.load());
        QCOMPARE(question.slotOfPicture(3), 3);
        QSet<int> slotsShown;
        for (int p = 0; p < 4; ++p) {
            slotsShown << question.slotOfPicture(p);
            seen << qMakePair(p, question.slotOfPicture(p));
        }
        QCOMPARE(slotsShown.size(), 4);
    }
    QCOMPARE(seen.size(), 3 * 3 + 1);
}

void TestMatch::dropRules_data() {
    // Moves: "b>p" drags bar b onto picture p, "b>-" lets it go away from every picture.
    // Then for each picture the bar lying on it, '.' for none.
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("lying");
    QTest::newRow("onto an empty picture") << "2>1"
                                           << ".2..";
    QTest::newRow("each onto its own") << "0>3 1>2 2>1 3>0"
                                       << "3210";
    QTest::newRow("moved on: the old picture empties, the others stay") << "0>0 1>1 0>2"
                                                                        << ".10.";
    QTest::newRow("onto a taken picture: that bar goes home") << "0>1 3>1"
                                                              << ".3..";
    QTest::newRow("back onto its own picture") << "0>1 0>1"
                                               << ".0..";
    QTest::newRow("let go at home: stays home") << "1>-"
                                                << "....";
    QTest::newRow("let go from a picture: stays there") << "1>2 1>-"
                                                        << "..1.";
    QTest::newRow("the bar sent home can come back") << "0>1 3>1 0>1"
                                                     << ".0..";
}

void TestMatch::dropRules() {
    QFETCH(QString, moves);
    QFETCH(QString, lying);
    Loaded m;
    for (const QString& move : moves.split(' ')) {
        m.question.startDrag(move[0].digitValue());
        if (move[2] == '-')
            m.question.cancelDrag();
        else
            m.question.drop(move[2].digitValue());
        QVERIFY(!m.question.dragging());
    }
    for (int p = 0; p < 4; ++p) {
        const int bar = lying[p] == '.' ? MatchQuestion::none : lying[p].digitValue();
        QCOMPARE(m.question.barOnPicture(p), bar);
        if (bar != MatchQuestion::none) QCOMPARE(m.question.pictureOfBar(bar), p);
    }
    for (int k = 0; k < 4; ++k) {
        const int p = m.question.pictureOfBar(k);
        QCOMPARE(m.question.barRect(k),
                 p == MatchQuestion::none ? MatchQuestion::homeRect(k) : onPicture(p));
    }
}

// A picture pressed with no bar picked up, or anything after Done, changes nothing.
void TestMatch::onlyADraggedBarDrops() {
    Loaded m;
    m.question.drop(2);
    QCOMPARE(m.question.barOnPicture(2), MatchQuestion::none);
    m.question.startDrag(1);
    QCOMPARE(m.question.dragBar(), 1);
    m.question.startDrag(3); // the last bar pressed is the one dragged
    m.question.drop(2);
    QCOMPARE(m.question.barOnPicture(2), 3);
    m.question.drop(0);
    QCOMPARE(m.question.barOnPicture(0), MatchQuestion::none);

    m.question.done();
    m.question.startDrag(0);
    QVERIFY(!m.question.dragging());
    m.question.done();
    QCOMPARE(m.q.ui.scoreBoards.size(), 1);
}

void TestMatch::doneJudgesEveryPicture_data() {
    // For each picture, the picture whose bar is laid on it ('.' for none); the result with
    // {p} standing for the name shown on picture p; the points of 20.
    QTest::addColumn<QString>("laid");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("points");
    QTest::newRow("nothing placed") << "...."
                                    << "\r\n\r\n*** Scored 0 of 4" << 0;
    QTest::newRow("one right") << "0..."
                               << "\r\n\r\n*** Scored 1 of 4" << 5;
    QTest::newRow("two swapped, two right")
        << "1023"
        << "\r\n{1} placed on image of {0}\r\n{0} placed on image of {1}\r\n\r\n*** Scored 2 of 4"
        << 10;
    QTest::newRow("three right, one empty") << "012."
                                            << "\r\n\r\n*** Scored 3 of 4" << 15;
    QTest::newRow("all wrong")
        << "1230"
        << "\r\n{1} placed on image of {0}\r\n{2} placed on image of {1}"
           "\r\n{3} placed on image of {2}\r\n{0} placed on image of {3}\r\n\r\n*** Scored 0 of 4"
        << 0;
    QTest::newRow("all right") << "0123"
                               << "*** All correct!" << 20;
}

void TestMatch::doneJudgesEveryPicture() {
    QFETCH(QString, laid);
    QFETCH(QString, result);
    QFETCH(int, points);
    Loaded m;
    for (int p = 0; p < 4; ++p)
        if (laid[p] != '.') m.lay(laid[p].digitValue(), p);
    for (int p = 0; p < 4; ++p)
        result.replace(QString("{%1}").arg(p), m.pictured(p));
    const int loadLines = int(m.log().size());

    m.question.done();

    QCOMPARE(m.q.ui.scoreBoards, QStringList("Results for Match animals by name | " + result));
    QCOMPARE(m.q.state.scores.current().points, points);
    QCOMPARE(m.q.state.scores.current().possible, 20);
    // The log gets the wrong pairs, or the all-correct line.
    QStringList expected;
    for (const QString& line : result.split("\r\n", Qt::SkipEmptyParts))
        if (line.contains(" placed on image of ")) expected << line;
    if (points == 20) expected << " *** All correct!";
    QCOMPARE(m.log().mid(loadLines), expected);
}

void TestMatch::barFontSizeFollowsTheCaption_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("points");
    for (auto [length, points] :
         {std::pair{1, 18}, {10, 18}, {11, 14}, {15, 14}, {16, 12}, {20, 12}, {21, 10}, {60, 10}})
        QTest::addRow("%d characters", length) << length << points;
}

void TestMatch::barFontSizeFollowsTheCaption() {
    QFETCH(int, length);
    QFETCH(int, points);
    QCOMPARE(MatchQuestion::barFontSize(length), points);
}

// Three animals cannot name four bars: the drawing gives up, the kind is switched off and
// the settings open once; nothing can be dragged or scored.
void TestMatch::tooFewAnimalsLeavesOnlySkip() {
    TestFolder folder;
    QuestionState q(2);
    q.addAnimals({"Lion", "Owl", "Frog"});
    MatchQuestion question(q.state);
    QVERIFY(!question.load());
    QVERIFY(!question.complete());
    QCOMPARE(question.barsDrawn(), 3);
    QVERIFY(q.ui.messages.last().startsWith(
        "Current set doesn't provide enough items for Match animals by name. "));
    QCOMPARE(q.state.settings.typeEnabled[2], 0);
    QCOMPARE(q.ui.windows.count("setup"), 1);
    question.startDrag(0);
    QVERIFY(!question.dragging());
    question.done();
    QVERIFY(q.ui.scoreBoards.isEmpty());
    QCOMPARE(q.state.scores.current().possible, 0);
}

QTEST_GUILESS_MAIN(TestMatch)
#include "tst_match.moc"
