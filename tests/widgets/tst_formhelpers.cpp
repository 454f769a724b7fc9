// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/settings.h"
#include "widgets/formhelpers.h"

#include <QDialog>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

class TestFormHelpers : public QObject {
    Q_OBJECT
private slots:
    void windowComesBackAsItWasLeft();
    void windowNeverStoredKeepsItsDrawnSize();
    void hugeWindowIsRememberedAtTheLargestSize();
    void controlStandsWhereItWasDrawn_data();
    void controlStandsWhereItWasDrawn();
    void newWindowsBelongToTheWindowInFront();
};

void TestFormHelpers::windowComesBackAsItWasLeft() {
    GameSettings settings;
    QWidget form;
    form.resize(300, 200);
    form.show();
    keepFormLayout(form, settings, describeForm, 0);
    QCOMPARE(settings.formLayout[describeForm].width, 4500);
    QCOMPARE(settings.formLayout[describeForm].height, 3000);
    QCOMPARE(settings.formLayout[describeForm].windowState, 0);

    QWidget next;
    next.resize(50, 50);
    keepFormLayout(next, settings, describeForm, 1);
    QCOMPARE(next.size(), QSize(300, 200));
    QCOMPARE(settings.formLayout[oddOneOutForm], FormLayout{}); // other entries untouched
}

void TestFormHelpers::windowNeverStoredKeepsItsDrawnSize() {
    // An entry never stored holds no size; shrinking the window to nothing would hide it.
    GameSettings settings;
    QWidget form;
    form.resize(320, 240);
    keepFormLayout(form, settings, matchForm, 1);
    QCOMPARE(form.size(), QSize(320, 240));
}

void TestFormHelpers::hugeWindowIsRememberedAtTheLargestSize() {
    GameSettings settings;
    QWidget form;
    form.resize(3000, 2500); // 45000 twips: beyond what the entry holds
    keepFormLayout(form, settings, scoreBoardForm, 0);
    QCOMPARE(settings.formLayout[scoreBoardForm].width, 32767);
    QCOMPARE(settings.formLayout[scoreBoardForm].height, 32767);
}

void TestFormHelpers::controlStandsWhereItWasDrawn_data() {
    QTest::addColumn<QRect>("design");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("whole pixels") << QRect(150, 300, 1500, 450) << QRect(10, 20, 100, 30);
    QTest::newRow("odd twips to the nearest pixel")
        << QRect(7, 8, 1507, 1508) << QRect(0, 1, 100, 101);
    QTest::newRow("left of and above the frame") << QRect(-8, -22, 15, 37) << QRect(-1, -1, 1, 2);
}

void TestFormHelpers::controlStandsWhereItWasDrawn() {
    QFETCH(QRect, design);
    QFETCH(QRect, pixels);
    QWidget form;
    auto* label = placed<QLabel>(&form, "Label1", design, "Caption");
    QCOMPARE(label->parentWidget(), &form);
    QCOMPARE(label->objectName(), "Label1");
    QCOMPARE(label->text(), "Caption");
    QCOMPARE(label->geometry(), pixels);
}

// A window that belongs to no other may open behind the menu, where no key reaches it.
void TestFormHelpers::newWindowsBelongToTheWindowInFront() {
    QWidget menu;
    menu.setObjectName("main");
    menu.show();
    QCOMPARE(ownerWindow(), &menu); // with nothing active, the menu
    QDialog question(&menu);
    QWidget* ownerWhileOpen = nullptr;
    QTimer::singleShot(0, &question, [&] {
        ownerWhileOpen = ownerWindow();
        question.accept();
    });
    question.exec();
    QCOMPARE(ownerWhileOpen, &question); // the score board belongs to the question
}

QTEST_MAIN(TestFormHelpers)
#include "tst_formhelpers.moc"
