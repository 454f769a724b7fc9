// SPDX-License-Identifier: GPL-2.0-or-later
#include "everyscreen.h"
#include "play/playerfile.h"

#include <QApplication>
#include <QLabel>
#include <QPointingDevice>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace {

// A control as a player sees it: where it is in its window, and its lettering.
struct Seen {
    QRectF rect;
    qreal points;
};

// Every control the form drew, by name, with Qt's own inner parts left out.
QMap<QString, Seen> controls(const QWidget& window) {
    QMap<QString, Seen> seen;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") || w->isWindow())
            continue;
        seen[w->objectName()] = {QRectF(w->mapTo(&window, QPoint(0, 0)), w->size()),
                                 w->font().pointSizeF()};
    }
    return seen;
}

QPoint centreOf(const QWidget& window, const QString& name) {
    const auto* w = child<QWidget>(window, name);
    return w->mapTo(&window, w->rect().center());
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { touchScreen_.reset(QTest::createTouchDevice()); }
    void scalesWithItsWindow_data();
    void scalesWithItsWindow();
    void f11FillsTheScreenForTheWholeGame_data() { scalesWithItsWindow_data(); }
    void f11FillsTheScreenForTheWholeGame();
    void ctrlQEndsTheGame_data();
    void ctrlQEndsTheGame();
    void pointerAndFingerHitWhatIsDrawn_data();
    void pointerAndFingerHitWhatIsDrawn();

private:
    std::unique_ptr<QPointingDevice> touchScreen_;
};

void TestScreens::scalesWithItsWindow_data() {
    QTest::addColumn<QString>("screen");
    for (const QString& screen : everyScreen)
        QTest::newRow(qPrintable(screen)) << screen;
}

// Larger than drawn, the whole screen grows by one factor, centred; back at its size, every
// control stands where it stood.
void TestScreens::scalesWithItsWindow() {
    QFETCH(QString, screen);
    Game g;
    QWidget& window = g.open(screen);
    const QSize design = window.size();
    const QMap<QString, Seen> drawn = controls(window);
    QVERIFY(drawn.size() >= 5);

    window.resize(1920, 1080);
    QTRY_COMPARE(window.size(), QSize(1920, 1080));
    const qreal s = std::min(1920.0 / design.width(), 1080.0 / design.height());
    const QPointF offset((1920 - design.width() * s) / 2, (1080 - design.height() * s) / 2);
    const QMap<QString, Seen> large = controls(window);
    for (auto [name, was] : drawn.asKeyValueRange()) {
        const Seen now = large[name];
        const QRectF expected(offset + was.rect.topLeft() * s, was.rect.size() * s);
        // A pixel or two of rounding per level of nesting; a label as wide as its text a
        // little more, since lettering does not grow quite in proportion.
        const QRectF off(now.rect.topLeft() - expected.topLeft(),
                         now.rect.size() - expected.size());
        const bool near = std::abs(off.x()) <= 3 && std::abs(off.y()) <= 3 &&
                          std::abs(off.width()) <= 3 + 0.05 * expected.width() &&
                          std::abs(off.height()) <= 3 + 0.05 * expected.height();
        if (!near) qWarning() << name << now.rect << "instead of" << expected;
        QVERIFY(near);
        if (was.points > 0) QVERIFY2(std::abs(now.points - was.points * s) < 0.1, qPrintable(name));
    }
    // Pictures are decoded at the size shown, not stretched.
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            QCOMPARE(label->pixmap().deviceIndependentSize().toSize(), label->size());

    window.resize(design);
    QTRY_COMPARE(window.size(), design);
    const QMap<QString, Seen> again = controls(window);
    for (auto [name, was] : drawn.asKeyValueRange()) {
        QCOMPARE(again[name].rect, was.rect);
        QCOMPARE(again[name].points, was.points);
    }
}

// F11 fills the screen and the next window opens so, until F11 again; the choice is the
// player's own.
void TestScreens::f11FillsTheScreenForTheWholeGame() {
    QFETCH(QString, screen);
    Game g;
    const QString playerFile = g.folder.file("player.ini");
    g.state.fullScreen.load(playerFile);
    QTest::keyClick(&g.open(screen), Qt::Key_F11);
    QTRY_VERIFY(g.window->isFullScreen());
    QVERIFY(PlayerFile(playerFile).flag("fullScreen", false));

    QTRY_VERIFY(g.open(screen).isFullScreen());
    QTest::keyClick(g.window.get(), Qt::Key_F11);
    QTRY_VERIFY(!g.window->isFullScreen());
    QVERIFY(!PlayerFile(playerFile).flag("fullScreen", true));
    QVERIFY(!g.open(screen).isFullScreen());
}

void TestScreens::ctrlQEndsTheGame_data() {
    QTest::addColumn<QString>("screen");
    for (const char* screen : {"odd one out", "describe", "match", "name me", "score board"})
        QTest::newRow(screen) << QString(screen);
}

void TestScreens::ctrlQEndsTheGame() {
    QFETCH(QString, screen);
    Game g;
    QWidget& window = g.open(screen);
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!window.isVisible());
    QVERIFY(g.state.stopRequested);
    QVERIFY(g.ui.scoreBoards.isEmpty()); // the question is left, not answered
}

void TestScreens::pointerAndFingerHitWhatIsDrawn_data() {
    QTest::addColumn<bool>("finger");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(), QSize(1920, 1080), QSize(1000, 1080)}) {
        const QString at =
            size.isEmpty() ? "drawn size" : QString("%1x%2").arg(size.width()).arg(size.height());
        QTest::addRow("mouse, %s", qPrintable(at)) << false << size;
        QTest::addRow("finger, %s", qPrintable(at)) << true << size;
    }
}

// A click or a tap lands on the control drawn under it, and a bar let go over a picture lies
// on that picture, at every size of the window.
void TestScreens::pointerAndFingerHitWhatIsDrawn() {
    QFETCH(bool, finger);
    QFETCH(QSize, size);
    QPointingDevice* touchScreen = touchScreen_.get();
    const auto drag = [&](QWidget& window, QPoint from, QPoint to) {
        if (finger) {
            QTest::touchEvent(&window, touchScreen).press(0, from);
            for (int step = 1; step <= 4; ++step)
                QTest::touchEvent(&window, touchScreen).move(0, from + (to - from) * step / 4);
            QTest::touchEvent(&window, touchScreen).release(0, to);
        } else {
            // Through the window, as the window system does: the control under the pointer
            // takes the press.
            QWindow* w = window.windowHandle();
            QTest::mousePress(w, Qt::LeftButton, {}, from);
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(w, from + (to - from) * step / 4);
            QTest::mouseRelease(w, Qt::LeftButton, {}, to);
        }
        QApplication::processEvents();
    };
    const auto open = [&](Game& g, const QString& screen) -> QWidget& {
        QWidget& window = g.open(screen);
        if (!size.isEmpty()) window.resize(size);
        QTest::qWait(20);
        return window;
    };

    Game match;
    QWidget& board = open(match, "match");
    auto* bar = child<QPushButton>(board, "Btn1_2");
    drag(board, centreOf(board, "Btn1_2"), centreOf(board, "Image1_3"));
    QCOMPARE(accessibleDescription(child<QWidget>(board, "Image1_3")), bar->text());

    Game nameMe;
    QWidget& keys = open(nameMe, "name me");
    const QPoint key = centreOf(keys, "letterE");
    drag(keys, key, key);
    QVERIFY(!accessibleDescription(child<QWidget>(keys, "letterE")).isEmpty());

    Game oddOut;
    QWidget& pictures = open(oddOut, "odd one out");
    const QPoint picture = centreOf(pictures, "Image1_2");
    drag(pictures, picture, picture);
    QCOMPARE(oddOut.ui.scoreBoards.size(), 1);
}

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
