// SPDX-License-Identifier: GPL-2.0-or-later
#include "formtesting.h"
#include "questionstate.h"
#include "screens/matchbar.h"
#include "screens/matchform.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QTest>

namespace {

const QStringList sixAnimals{"Lion", "Owl", "Frog", "Shark", "Bee", "Saltwater crocodile"};

// An open match-them screen over six animals with their pictures.
struct OpenMatch {
    explicit OpenMatch(const QStringList& names = sixAnimals) {
        q.addAnimals(names);
        for (const QString& name : names)
            writePicture(folder, "pictures/" + name + ".jpg");
        form = std::make_unique<MatchForm>(q.state);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    MatchBar* bar(int k) const { return child<MatchBar>(*form, QString("Btn1_%1").arg(k)); }
    PictureBox* picture(int p) const {
        return child<PictureBox>(*form, QString("Image1_%1").arg(p));
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(*form, name); }

    TestFolder folder;
    QuestionState q{2};
    std::unique_ptr<MatchForm> form;
};

// A bar lies on a picture when it sits centred at the picture's foot.
bool liesOn(const QWidget* bar, const QWidget* picture) {
    const QRect b = bar->geometry(), p = picture->geometry();
    return std::abs(b.center().x() - p.center().x()) <= 1 && b.bottom() <= p.bottom() &&
           b.bottom() >= p.bottom() - 2;
}

// A mouse event at a point of the bar's parent, as the pointer moves over the screen.
void sendMouse(MatchBar* bar, QEvent::Type type, QPoint inParent, Qt::MouseButtons buttons) {
    const QPointF local = bar->mapFromParent(inParent);
    QMouseEvent event(type, local, bar->mapToGlobal(local), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &event);
}

// Drags the bar with the mouse in small steps to `to` (in the frame) and lets go there.
void drag(MatchBar* bar, QPoint to) {
    const QPoint from = bar->geometry().center();
    sendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= 10; ++step)
        sendMouse(bar, QEvent::MouseMove, from + (to - from) * step / 10, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace

class TestMatchForm : public QObject {
    Q_OBJECT
private slots:
    void showsFourPicturesAndFourBars();
    void keyboardPicksUpAndDrops();
    void screenReaderPicksUpAndDrops();
    void mouseDragFollowsThePointer();
    void clickThenPictureDropsToo();
    void doneScoresAndCloses();
    void skipAndHelp();
    void tooFewAnimalsLeavesOnlySkip();
};

void TestMatchForm::showsFourPicturesAndFourBars() {
    OpenMatch m;
    QCOMPARE(m.form->objectName(), "imatch");
    for (int k = 0; k < 4; ++k) {
        MatchBar* bar = m.bar(k);
        QVERIFY(sixAnimals.contains(bar->text()));
        QCOMPARE(accessibleName(bar), bar->text());
        QVERIFY(QFontMetrics(bar->font()).horizontalAdvance(bar->text()) < bar->width());
        if (k > 0) QVERIFY(bar->geometry().right() < m.bar(k - 1)->geometry().left());
        QCOMPARE(accessibleName(m.picture(k)), QString("Picture %1").arg(k + 1));
        QVERIFY(m.picture(k)->hasPicture());
    }
    QCOMPARE(QApplication::focusWidget(), m.bar(3)); // the leftmost bar

    // the window remembers its size in its own layout slot
    m.form->resize(700, 520);
    QCOMPARE(m.q.state.settings.formLayout[matchForm].width, 700 * 15);
    QCOMPARE(m.q.state.settings.formLayout[matchForm].height, 520 * 15);
}

// Enter or Space on a bar picks it up and takes the keyboard to the pictures; Enter on a
// picture lays it there, and the keyboard goes on with the next bar. Escape puts a held bar
// down without closing the window.
void TestMatchForm::keyboardPicksUpAndDrops() {
    OpenMatch m;
    QTest::keyClick(m.bar(3), Qt::Key_Space);
    QVERIFY(m.bar(3)->held());
    QCOMPARE(accessibleDescription(m.bar(3)), "held");
    QCOMPARE(QApplication::focusWidget(), m.picture(0));
    QTest::keyClick(m.picture(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m.picture(1));
    QTest::keyClick(m.picture(1), Qt::Key_Return);
    QVERIFY(liesOn(m.bar(3), m.picture(1)));
    QVERIFY(!m.bar(3)->held());
    QCOMPARE(accessibleDescription(m.bar(3)), "on Picture 2");
    QCOMPARE(accessibleDescription(m.picture(1)), m.bar(3)->text());
    QCOMPARE(QApplication::focusWidget(), m.bar(2));

    QTest::keyClick(m.bar(2), Qt::Key_Return);
    QVERIFY(m.bar(2)->held());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!m.bar(2)->held());
    QVERIFY(m.form->isVisible());
    QTest::keyClick(m.picture(2), Qt::Key_Return); // nothing held: nothing moves
    QCOMPARE(m.bar(2)->geometry().top(), m.bar(0)->geometry().top());
}

void TestMatchForm::screenReaderPicksUpAndDrops() {
    OpenMatch m;
    // a screen reader's press shows as a click, a moment later
    QVERIFY(accessiblePress(m.bar(1)));
    QTRY_VERIFY(m.bar(1)->held());
    QVERIFY(accessiblePress(m.picture(3)));
    QTRY_VERIFY(liesOn(m.bar(1), m.picture(3)));
    // a second bar on the same picture sends the first one home
    const QRect home = m.bar(0)->geometry();
    QVERIFY(accessiblePress(m.bar(0)));
    QTRY_VERIFY(m.bar(0)->held());
    QVERIFY(accessiblePress(m.picture(3)));
    QTRY_VERIFY(liesOn(m.bar(0), m.picture(3)));
    QCOMPARE(m.bar(1)->geometry().top(), home.top());
    QVERIFY(m.bar(1)->geometry().left() < home.left());
    QCOMPARE(accessibleDescription(m.bar(1)), m.bar(1)->toolTip()); // home: nothing to add
}

void TestMatchForm::mouseDragFollowsThePointer() {
    OpenMatch m;
    MatchBar* bar = m.bar(0);
    const QPoint from = bar->geometry().center();
    const QPoint over = m.picture(2)->geometry().center();
    sendMouse(bar, QEvent::MouseButtonPress, from, Qt::LeftButton);
    QVERIFY(bar->held());
    sendMouse(bar, QEvent::MouseMove, (from + over) / 2, Qt::LeftButton);
    QCOMPARE(bar->geometry().center(), (from + over) / 2); // held where it was taken
    sendMouse(bar, QEvent::MouseMove, over, Qt::LeftButton);
    QCOMPARE(bar->geometry().center(), over);
    sendMouse(bar, QEvent::MouseButtonRelease, over, Qt::NoButton);
    QVERIFY(liesOn(bar, m.picture(2)));
    QVERIFY(!bar->held());

    // let go away from every picture: back where it lay
    drag(bar, m.button("Command2")->geometry().center());
    QVERIFY(liesOn(bar, m.picture(2)));
    // dragged onto another picture
    drag(bar, m.picture(0)->geometry().center() + QPoint(30, -20));
    QVERIFY(liesOn(bar, m.picture(0)));
    QCOMPARE(accessibleDescription(m.picture(2)), QString());
}

// For a child who cannot drag: click the bar, then the picture. A second click on a held
// bar puts it down.
void TestMatchForm::clickThenPictureDropsToo() {
    OpenMatch m;
    QTest::mouseClick(m.bar(2), Qt::LeftButton);
    QVERIFY(m.bar(2)->held());
    QTest::mouseClick(m.bar(2), Qt::LeftButton);
    QVERIFY(!m.bar(2)->held());
    QTest::mouseClick(m.bar(2), Qt::LeftButton);
    QTest::mouseClick(m.picture(1), Qt::LeftButton);
    QVERIFY(liesOn(m.bar(2), m.picture(1)));
}

void TestMatchForm::doneScoresAndCloses() {
    OpenMatch m;
    for (int k = 0; k < 4; ++k)
        drag(m.bar(k), m.picture(k)->geometry().center());
    QTest::mouseClick(m.button("Command1"), Qt::LeftButton);
    QCOMPARE(m.q.ui.scoreBoards.size(), 1);
    QVERIFY(m.q.ui.scoreBoards[0].startsWith("Results for Match animals by name | "));
    QCOMPARE(m.q.state.scores.current().possible, 20);
    QCOMPARE(m.form->result(), int(QDialog::Accepted));
    QVERIFY(!m.form->isVisible());
}

void TestMatchForm::skipAndHelp() {
    OpenMatch m;
    QTest::mouseClick(m.button("cmdhelp"), Qt::LeftButton);
    QCOMPARE(m.q.ui.messages, QStringList("Click on one of the colored bars\r\nThen drag it to its "
                                          "picture\r\n\r\nWhen all items are matched, click on "
                                          "'done'"));
    QTest::mouseClick(m.button("Command2"), Qt::LeftButton);
    QCOMPARE(m.form->result(), int(QDialog::Rejected));
    QVERIFY(m.q.ui.scoreBoards.isEmpty());
    QCOMPARE(m.q.state.scores.current().possible, 0);
}

void TestMatchForm::tooFewAnimalsLeavesOnlySkip() {
    OpenMatch m({"Lion", "Owl", "Frog"});
    QCOMPARE(m.q.ui.windows, QStringList("setup"));
    for (int k = 0; k < 4; ++k) {
        QVERIFY(!m.bar(k)->isEnabled());
        QVERIFY(!m.picture(k)->isEnabled());
    }
    QVERIFY(!m.button("Command1")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), m.button("Command2"));
}

QTEST_MAIN(TestMatchForm)
#include "tst_matchform.moc"
