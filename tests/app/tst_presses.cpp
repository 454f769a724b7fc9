// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "everyscreen.h"
#include "formtesting.h"
#include "widgets/presses.h"
#include "widgets/updown.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

// All a player could notice of a window, and everything the game asked of its port.
QStringList seen(const QWidget& window, const RecordingUi& ui) {
    QStringList s{window.isVisible() ? "open" : "closed"};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        s << QStringList{w->objectName(),
                         w->isVisible() ? "shown" : "hidden",
                         a->text(QAccessible::Name),
                         a->text(QAccessible::Value),
                         a->text(QAccessible::Description),
                         a->state().checked ? "ticked" : ""}
                 .join('|');
    }
    return s << ui.messages << ui.windows << ui.viewerFiles;
}

// A key pressed on the window before this one and held down: only its repeats reach this
// window, then it is let go. Qt marks a repeat as such, mostly: the first one here comes as
// a plain release and press, stamped alike, as the window system stamps a repeat's pair.
void holdOn(QWidget& window, int key, const QString& text) {
    quint64 time = 1000;
    const auto send = [&](QEvent::Type type, bool marked) {
        QKeyEvent event(type, key, Qt::NoModifier, text, marked);
        event.setTimestamp(time);
        QApplication::sendEvent(window.focusWidget() ? window.focusWidget() : &window, &event);
    };
    for (int repeat = 0; repeat < 4; ++repeat, time += 40) {
        send(QEvent::KeyRelease, repeat > 0);
        send(QEvent::KeyPress, repeat > 0);
    }
    send(QEvent::KeyRelease, false);
    QApplication::processEvents();
}

// Runs `whileOpen` on a message box of the game's own while it waits for the player, and
// closes it after.
void withMessageBox(const std::function<void(QDialog& box)>& whileOpen) {
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(box && QTest::qWaitForWindowActive(box));
        whileOpen(*box);
        box->done(0);
    });
    FormsUi().message("Well done!");
}

// A screen reader working every control of the window: every action but moving the focus.
void pressEverything(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<UpDown*>(w)) continue;
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(w)->actionInterface();
        for (const QString& action : actions->actionNames())
            if (action != QAccessibleActionInterface::setFocusAction()) actions->doAction(action);
    }
    QTest::qWait(200); // a press lets the button down after 100 ms
}

} // namespace

class TestPresses : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ignoreHeldKeys(*qApp); }
    void heldKeysNeverAnswer_data();
    void heldKeysNeverAnswer();
    void blockedWindowsIgnorePresses_data();
    void blockedWindowsIgnorePresses();
};

void TestPresses::heldKeysNeverAnswer_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("focus"); // empty: where the screen puts it
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("typed"); // empty: nothing happens
    const QList<std::pair<int, QString>> keys{
        {Qt::Key_Return, "\r"}, {Qt::Key_Space, " "}, {Qt::Key_Escape, "\x1b"}};
    const QList<std::pair<QString, QString>> screens{
        {"menu", ""},          {"odd one out", ""}, {"describe", ""},
        {"match", "Command1"}, {"name me", ""},     {"name me", "letterE"},
        {"score board", ""},   {"setup", ""},       {"message box", ""}};
    for (const auto& [screen, focus] : screens)
        for (const auto& [key, text] : keys)
            if (screen != "setup" || key != Qt::Key_Space) // it types into the number box
                QTest::addRow("%s %s, %s", qPrintable(screen), qPrintable(focus),
                              qPrintable(QKeySequence(key).toString()))
                    << screen << focus << key << text << "";
    QTest::newRow("name me, a letter") << "name me"
                                       << "" << int(Qt::Key_E) << "e"
                                       << "";
    QTest::newRow("editor's box types on") << "editor"
                                           << "difficulty" << int(Qt::Key_1) << "1"
                                           << "1111";
}

void TestPresses::heldKeysNeverAnswer() {
    QFETCH(QString, screen);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(QString, typed);
    Game g;
    if (screen == "message box") {
        bool stayed = false;
        withMessageBox([&](QDialog& box) {
            holdOn(box, key, text);
            stayed = box.isVisible();
        });
        QVERIFY(stayed);
        return;
    }
    QWidget& window = g.open(screen, focus);
    if (!typed.isEmpty()) qobject_cast<QLineEdit*>(QApplication::focusWidget())->clear();
    const QStringList before = seen(window, g.ui);
    holdOn(window, key, text);
    if (typed.isEmpty())
        QCOMPARE(seen(window, g.ui), before);
    else
        QCOMPARE(qobject_cast<QLineEdit*>(QApplication::focusWidget())->text(), typed);
}

void TestPresses::blockedWindowsIgnorePresses_data() {
    QTest::addColumn<QString>("screen");
    for (const char* screen : {"menu", "odd one out", "describe", "match", "name me", "score board",
                               "setup", "editor", "message box"})
        QTest::newRow(screen) << QString(screen);
}

// The player cannot reach a window under a modal one; a screen reader's press there does
// nothing either.
void TestPresses::blockedWindowsIgnorePresses() {
    QFETCH(QString, screen);
    Game g;
    const auto pressUnder = [&](QWidget& window) {
        QDialog over(&window);
        over.setWindowModality(Qt::ApplicationModal);
        over.show();
        const QStringList before = seen(window, g.ui);
        pressEverything(window);
        QCOMPARE(seen(window, g.ui), before);
        QVERIFY(over.isVisible());
    };
    if (screen == "message box")
        withMessageBox(pressUnder);
    else
        pressUnder(g.open(screen));
}

QTEST_MAIN(TestPresses)
#include "tst_presses.moc"
