// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "formtesting.h"
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "recordingui.h"
#include "screens/setupform.h"
#include "testfolder.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

GameSettings storedSettings() {
    GameSettings s;
    s.maxDifficulty = 2;
    s.questionCount = 8;
    s.logLevel = 2;
    s.typeEnabled = {0, -1, 0, -1, -1, -1, -1, -1, -1, -1, 0};
    return s;
}

QToolButton* arrowOf(QWidget& spinner, Qt::ArrowType type) {
    for (QToolButton* b : spinner.findChildren<QToolButton*>())
        if (b->arrowType() == type) return b;
    qFatal("no arrow");
}

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    if (!a) qFatal("not accessible");
    return a;
}

// What velk.INI holds after the screen closes with these settings.
QByteArray savedAs(GameSettings s) {
    s.logLevel = 0;
    s.minDifficulty = 1;
    return settingsText(s);
}

// The settings screen, open and active over a program folder.
struct OpenForm {
    OpenForm() {
        state.settings = storedSettings();
        buildCategoryTables(state.knowledge.tables, state.settings.maxDifficulty);
        form = std::make_unique<SetupForm>(state);
        form->show();
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get())) qWarning("the screen is not active");
    }
    QLineEdit* box(const char* name) const { return child<QLineEdit>(*form, name); }
    QListWidget* list() const { return child<QListWidget>(*form, "List1"); }

    TestFolder folder;
    RecordingUi ui;
    ProgramState state{ui};
    std::unique_ptr<SetupForm> form;
};

} // namespace

class TestSetupForm : public QObject {
    Q_OBJECT
private slots:
    void controls_data();
    void controls();
    void windowAndLoad();
    void typing_data();
    void typing();
    void emptyOrWordsKeepTheLastNumber_data();
    void emptyOrWordsKeepTheLastNumber();
    void spinnerSteps();
    void listSelection();
    void everyWayOutStoresAndSaves_data();
    void everyWayOutStoresAndSaves();
    void onlineQuestionsAndEditor();
    void accessibleNames_data();
    void accessibleNames();
    void formsUiOpensAFreshScreenEachTime();
};

void TestSetupForm::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QRect>("where");
    QTest::addColumn<bool>("visible");
    auto row = [](const char* name, const char* text, const char* tip, QRect where,
                  bool visible = true) {
        QTest::newRow(name) << name << text << tip << where << visible;
    };
    row("frameDiff", "Difficulty", "", twipsRect(120, 120, 2175, 1575));
    row("Label5", "Minimum", "", twipsRect(240, 480, 975, 375), false);
    row("tmindif", "1", "", twipsRect(1320, 360, 375, 495), false);
    row("UpDown2", "", "", twipsRect(1800, 360, 240, 495), false);
    row("Label6", "Maximum", "", twipsRect(240, 1080, 975, 375));
    row("tmaxdif", "2", "", twipsRect(1320, 960, 375, 495));
    row("UpDown3", "", "", twipsRect(1800, 960, 240, 495));
    row("Label4", "Number of questions per game", "", twipsRect(120, 1920, 1215, 855));
    row("nquestion", "8", "", twipsRect(1440, 2040, 495, 495));
    row("UpDown1", "", "", twipsRect(2040, 2040, 240, 495));
    row("List1", "", "Colored items are selected", twipsRect(2520, 240, 3855, 5100));
    row("cmdEdit", "Edit", "Change item data", twipsRect(120, 4800, 1335, 615));
    row("cmdok", "OK", "Click here to continue", twipsRect(1680, 4800, 615, 615));
    row("cmdmakeq", "Make online questions", "", twipsRect(4080, 5520, 2295, 375));
}

void TestSetupForm::controls() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, tip);
    QFETCH(QRect, where);
    QFETCH(bool, visible);
    OpenForm o;
    QWidget* w = child<QWidget>(*o.form, name);
    QString shown;
    if (auto* l = qobject_cast<QLabel*>(w)) shown = l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) shown = e->text();
    if (auto* b = qobject_cast<QPushButton*>(w)) shown = b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) shown = g->title();
    QCOMPARE(shown, text);
    QCOMPARE(w->toolTip(), tip);
    QCOMPARE(w->geometry(), where); // inside frameDiff for the level controls
    QCOMPARE(w->isVisible(), visible);
}

void TestSetupForm::windowAndLoad() {
    OpenForm o;
    QCOMPARE(o.form->windowTitle(), "Morvane Velkins Setup");
    QCOMPARE(o.form->size(), QSize(twips(6585), twips(6975)));
    QListWidget* list = o.list();
    QCOMPARE(list->count(), 9);
    QCOMPARE(list->item(8)->text(), "Odd one out -- biome");
    for (int item = 0; item < 9; ++item)
        QCOMPARE(list->item(item)->isSelected(), item != 1);
    // The selection stays coloured when the list has no focus.
    QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight),
             list->palette().color(QPalette::Active, QPalette::Highlight));
}

// Each keystroke goes through the box's rule: the box shows the clamped number at once.
void TestSetupForm::typing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("saved"); // questions or highest level in velk.INI
    auto row = [](const char* name, const char* box, const char* keys, const char* shown,
                  int saved) {
        QTest::newRow(name) << QString(box) << QString(keys) << QString(shown) << saved;
    };
    row("15 questions", "nquestion", "15", "10", 10);
    row("0 questions", "nquestion", "0", "1", 1);
    row("5 questions", "nquestion", "5", "5", 5);
    row("level 5", "tmaxdif", "5", "3", 3);
    row("level 0", "tmaxdif", "0", "1", 1);
    row("level 3", "tmaxdif", "3", "3", 3);
}

void TestSetupForm::typing() {
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, saved);
    OpenForm o;
    QLineEdit* edit = o.box(qPrintable(box));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Return); // OK is the screen's default button
    QVERIFY(!o.form->isVisible());
    GameSettings expected = storedSettings();
    (box == "nquestion" ? expected.questionCount : expected.maxDifficulty) = int16_t(saved);
    QCOMPARE(o.folder.read(settingsFileName), savedAs(expected));
}

void TestSetupForm::emptyOrWordsKeepTheLastNumber_data() {
    QTest::addColumn<QString>("keys");
    QTest::newRow("empty") << "";
    QTest::newRow("a word") << "many";
    QTest::newRow("a minus") << "-";
}

void TestSetupForm::emptyOrWordsKeepTheLastNumber() {
    QFETCH(QString, keys);
    OpenForm o;
    QLineEdit* edit = o.box("nquestion");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
    QCOMPARE(edit->text(), keys); // the player may go on typing
    o.list()->setFocus();
    QCOMPARE(edit->text(), "8"); // and sees the number that stands once the box is left

    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    child<QPushButton>(*o.form, "cmdok")->click();
    QCOMPARE(o.folder.read(settingsFileName), savedAs(storedSettings()));
}

void TestSetupForm::spinnerSteps() {
    OpenForm o;
    QLineEdit* count = o.box("nquestion");
    QWidget* updown1 = child<QWidget>(*o.form, "UpDown1");
    QTest::mouseClick(arrowOf(*updown1, Qt::UpArrow), Qt::LeftButton);
    QCOMPARE(count->text(), "9");
    QTest::mouseClick(arrowOf(*updown1, Qt::UpArrow), Qt::LeftButton);
    QTest::mouseClick(arrowOf(*updown1, Qt::UpArrow), Qt::LeftButton);
    QCOMPARE(count->text(), "10");
    QTest::keyClick(count, Qt::Key_Down);
    QCOMPARE(count->text(), "9");
    QTest::keyClick(count, Qt::Key_Up);
    QTest::keyClick(count, Qt::Key_Up);
    QCOMPARE(count->text(), "10");
    QTest::mouseClick(arrowOf(*updown1, Qt::DownArrow), Qt::LeftButton);
    QCOMPARE(count->text(), "9");

    // The level spinner, through a screen reader's actions.
    QLineEdit* level = o.box("tmaxdif");
    QAccessibleActionInterface* actions =
        accessible(child<QWidget>(*o.form, "UpDown3"))->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
    for (const char* expected : {"3", "3"}) {
        actions->doAction(QAccessibleActionInterface::increaseAction());
        QCOMPARE(level->text(), expected);
    }
    for (const char* expected : {"2", "1", "1"}) {
        actions->doAction(QAccessibleActionInterface::decreaseAction());
        QCOMPARE(level->text(), expected);
    }
    QTest::keyClick(level, Qt::Key_Up);
    QCOMPARE(level->text(), "2");
    // A box left empty steps from its last number.
    level->selectAll();
    QTest::keyClick(level, Qt::Key_Backspace);
    QTest::keyClick(level, Qt::Key_Up);
    QCOMPARE(level->text(), "3");
    // The arrows leave the keyboard in the box.
    QVERIFY(arrowOf(*updown1, Qt::UpArrow)->focusPolicy() == Qt::NoFocus);
}

void TestSetupForm::listSelection() {
    OpenForm o;
    QListWidget* list = o.list();
    list->setFocus();
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(!list->item(0)->isSelected());
    QTest::keyClick(list, Qt::Key_Down); // moving looks, it does not choose
    QCOMPARE(list->currentRow(), 1);
    QVERIFY(!list->item(1)->isSelected());
    QVERIFY(list->item(2)->isSelected());
    QTest::keyClick(list, Qt::Key_Space);
    QVERIFY(list->item(1)->isSelected());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    QVERIFY(!list->item(4)->isSelected());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(4)).center());
    QVERIFY(list->item(4)->isSelected());

    // A screen reader toggles an item with the item's own action.
    QAccessibleInterface* item8 = accessible(list)->child(8);
    QVERIFY(item8 && item8->actionInterface());
    QCOMPARE(item8->text(QAccessible::Name), "Odd one out -- biome");
    QVERIFY(item8->state().selected);
    item8->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!list->item(8)->isSelected());

    o.form->close();
    GameSettings expected = storedSettings();
    expected.typeEnabled = {0, 0, -1, -1, -1, -1, -1, -1, -1, 0, 0};
    QCOMPARE(o.folder.read(settingsFileName), savedAs(expected));
}

void TestSetupForm::everyWayOutStoresAndSaves_data() {
    QTest::addColumn<QString>("way");
    for (const char* way :
         {"OK", "OK by Space", "OK by screen reader", "Enter", "Escape", "close box"})
        QTest::newRow(way) << way;
}

void TestSetupForm::everyWayOutStoresAndSaves() {
    QFETCH(QString, way);
    OpenForm o;
    QLineEdit* count = o.box("nquestion");
    count->setFocus();
    count->selectAll();
    QTest::keyClicks(count, "3");
    QTest::mouseClick(o.list()->viewport(), Qt::LeftButton, {},
                      o.list()->visualItemRect(o.list()->item(0)).center());
    auto* ok = child<QPushButton>(*o.form, "cmdok");
    if (way == "OK")
        QTest::mouseClick(ok, Qt::LeftButton);
    else if (way == "OK by Space")
        ok->setFocus(), QTest::keyClick(ok, Qt::Key_Space);
    else if (way == "OK by screen reader")
        accessible(ok)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    else if (way == "Enter")
        QTest::keyClick(count, Qt::Key_Enter);
    else if (way == "Escape")
        QTest::keyClick(o.list(), Qt::Key_Escape);
    else
        o.form->close();

    QTRY_VERIFY(!o.form->isVisible()); // a screen reader's press is an animated click
    GameSettings expected = storedSettings();
    expected.questionCount = 3;
    expected.typeEnabled[1] = 0;
    QCOMPARE(o.folder.read(settingsFileName), savedAs(expected));
    QCOMPARE(settingsText(o.state.settings), savedAs(expected));
    QVERIFY(o.ui.messages.isEmpty());
}

void TestSetupForm::onlineQuestionsAndEditor() {
    OpenForm o;
    child<QPushButton>(*o.form, "cmdmakeq")->click();
    QCOMPARE(o.ui.messages, QStringList{"Will create question file for online games"});
    QCOMPARE(o.state.settings.logLevel, 2);
    QVERIFY(o.form->isVisible());
    child<QPushButton>(*o.form, "cmdEdit")->click();
    QCOMPARE(o.ui.windows, QStringList{"editor"}); // over the screen, which stays
    QVERIFY(o.form->isVisible());
    o.form->close();
    GameSettings saved;
    loadSettings(saved, o.ui);
    QCOMPARE(saved.logLevel, 2);
}

void TestSetupForm::accessibleNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("heard");
    QTest::addColumn<int>("role");
    auto row = [](const char* name, const char* heard, QAccessible::Role role) {
        QTest::newRow(name) << QString(name) << QString(heard) << int(role);
    };
    row("nquestion", "Number of questions per game", QAccessible::EditableText);
    row("tmaxdif", "Maximum", QAccessible::EditableText);
    row("tmindif", "Minimum", QAccessible::EditableText);
    row("UpDown1", "Number of questions per game", QAccessible::SpinBox);
    row("UpDown3", "Maximum", QAccessible::SpinBox);
    row("List1", "Kinds of question", QAccessible::List);
    row("Label4", "Number of questions per game", QAccessible::StaticText);
    row("Label6", "Maximum", QAccessible::StaticText);
    row("cmdmakeq", "Make online questions", QAccessible::Button);
}

void TestSetupForm::accessibleNames() {
    QFETCH(QString, name);
    QFETCH(QString, heard);
    QFETCH(int, role);
    OpenForm o;
    QWidget* w = child<QWidget>(*o.form, name);
    QAccessibleInterface* a = accessible(w);
    QCOMPARE(a->text(QAccessible::Name), heard);
    QCOMPARE(int(a->role()), role);
    // A label speaks its own text, whatever it shows; no fixed name stands in for it.
    if (qobject_cast<QLabel*>(w)) QVERIFY(w->accessibleName().isEmpty());
}

void TestSetupForm::formsUiOpensAFreshScreenEachTime() {
    TestFolder folder;
    FormsUi ui;
    ProgramState state(ui);
    ui.attach(state);
    state.settings = storedSettings();
    buildCategoryTables(state.knowledge.tables, 1);
    QStringList seen;
    auto closeTheScreen = [&] {
        QWidget* w = QApplication::activeModalWidget();
        seen << (w ? w->objectName() + " " + w->windowTitle() : "nothing");
        if (w) w->close();
    };
    for (int time = 0; time < 2; ++time) {
        QTimer::singleShot(0, closeTheScreen);
        ui.showSetup();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(folder.read(settingsFileName), savedAs(storedSettings()));
        for (QWidget* w : QApplication::topLevelWidgets()) // gone once closed
            QVERIFY(!qobject_cast<SetupForm*>(w));
    }
    QCOMPARE(seen, QStringList(2, "setup Morvane Velkins Setup"));
}

QTEST_MAIN(TestSetupForm)
#include "tst_setupform.moc"
