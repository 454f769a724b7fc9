// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/formsui.h"
#include "editor/animalform.h"
#include "formtesting.h"
#include "testfolder.h"
#include "widgets/twips.h"
#include "zoo.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

void press(QWidget* w, const QString& action = QAccessibleActionInterface::pressAction()) {
    QAccessible::queryAccessibleInterface(w)->actionInterface()->doAction(action);
}

void type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The zoo at the player's level 1, in a folder with a picture for the cat only.
struct Run : Zoo {
    Run() : Zoo(1) {
        QDir(folder.path()).mkdir("pictures");
        QImage cat(40, 30, QImage::Format_RGB32);
        cat.fill(Qt::darkYellow);
        cat.save(folder.file("pictures/cat.jpg"));
    }
    TestFolder folder;
};

struct OpenForm : Run {
    OpenForm() : form(state) {
        form.show();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form)) qFatal("the editor did not become active");
    }
    template <class T> T* get(const QString& name) { return child<T>(form, name); }
    AnimalForm form;
};

} // namespace

class TestAnimalForm : public QObject {
    Q_OBJECT
private slots:
    void showsTheFirstAnimal();
    void editsWithMouseKeyboardAndScreenReader();
    void aRecordWithoutAttributesKeepsTheBoxes();
    void refusedLevelIsShownAgain();
    void closingKeepsTheTypedLevel_data();
    void closingKeepsTheTypedLevel();
    void exitThroughThePortSaves();
};

// Record 1 at the grown-up words, named for a screen reader.
void TestAnimalForm::showsTheFirstAnimal() {
    OpenForm f;
    QCOMPARE(f.get<QComboBox>("combo1")->count(), 5);
    QCOMPARE(f.get<QComboBox>("combo1")->currentText(), "Domestic cat");
    QCOMPARE(f.get<QLineEdit>("difficulty")->text(), "2");
    QCOMPARE(f.get<QComboBox>("cmbFamily")->currentText(), "Carnivore");
    QCOMPARE(f.get<QCheckBox>("Check1_4")->text(), "Forest");
    QVERIFY(f.get<QCheckBox>("Check1_4")->isChecked());
    QVERIFY(!f.get<QCheckBox>("Check1_5")->isChecked());
    for (auto [name, caption] : {std::pair{"combo1", "Choose a animal to display"},
                                 {"difficulty", "Difficulty"},
                                 {"cmbClass", "Class"},
                                 {"cmbEater", "Eats"},
                                 {"Image1", "Domestic cat"}})
        QCOMPARE(f.get<QWidget>(name)->accessibleName(), caption);
    QVERIFY(!f.get<QLabel>("Image1")->pixmap().isNull());
}

void TestAnimalForm::editsWithMouseKeyboardAndScreenReader() {
    OpenForm f;
    auto* cmbClass = f.get<QComboBox>("cmbClass");
    cmbClass->setFocus();
    QTest::keyClick(cmbClass, Qt::Key_Down);
    QCOMPARE(f.animal(1).classIndex, 1);
    QTest::mouseClick(f.get<QCheckBox>("Check1_6"), Qt::LeftButton);
    QCOMPARE(f.animal(1).biomes[6], 1);
    f.get<QCheckBox>("Check1_1")->setFocus();
    QTest::keyClick(f.get<QCheckBox>("Check1_1"), Qt::Key_Space);
    QCOMPARE(f.animal(1).biomes[1], 0);
    press(f.get<QCheckBox>("Check1_0"), QAccessibleActionInterface::toggleAction());
    QCOMPARE(f.animal(1).biomes[0], 1);

    // The level, typed and stepped; it reaches the record as the editor moves on.
    auto* difficulty = f.get<QLineEdit>("difficulty");
    type(difficulty, "1");
    QTest::keyClick(difficulty, Qt::Key_Up);
    QCOMPARE(difficulty->text(), "2");
    auto arrows = f.get<QWidget>("UpDown2")->findChildren<QToolButton*>();
    auto up = std::find_if(arrows.begin(), arrows.end(),
                           [](auto* b) { return b->arrowType() == Qt::UpArrow; });
    QVERIFY(up != arrows.end());
    QTest::mouseClick(*up, Qt::LeftButton);
    QTest::mouseClick(*up, Qt::LeftButton);
    QCOMPARE(difficulty->text(), "3");
    QTest::mouseClick(f.get<QPushButton>("cmdNext"), Qt::LeftButton);
    QCOMPARE(f.animal(1).difficulty, 3);

    // The owl's picture is missing: its file name stands in for it.
    auto* image = f.get<QLabel>("Image1");
    QCOMPARE(image->text(), "pictures/owl.jpg");
    QCOMPARE(image->accessibleName(), "Barn owl");
    type(difficulty, "3");
    QTest::keyClick(difficulty, Qt::Key_Return);
    QCOMPARE(f.animal(2).difficulty, 3);

    auto* combo1 = f.get<QComboBox>("combo1");
    press(f.get<QPushButton>("cmdPrev"));
    QTRY_COMPARE(combo1->currentIndex(), 0);
    QCOMPARE(f.get<QComboBox>("cmbClass")->currentText(), "Bird"); // as edited
    combo1->setFocus();
    QTest::keyClick(combo1, Qt::Key_Down);
    QTest::keyClick(combo1, Qt::Key_Return); // chooses nothing more
    QCOMPARE(combo1->currentText(), "Barn owl");
    QTest::keyClick(combo1, Qt::Key_End);
    f.get<QPushButton>("cmdPrev")->setFocus();
    QTest::keyClick(f.get<QPushButton>("cmdPrev"), Qt::Key_Return);
    QCOMPARE(combo1->currentText(), "Leopard gecko");
    f.get<QPushButton>("cmdNext")->setFocus();
    QTest::keyClick(f.get<QPushButton>("cmdNext"), Qt::Key_Space);
    QTest::keyClick(f.get<QPushButton>("cmdNext"), Qt::Key_Return);
    QCOMPARE(combo1->currentText(), "Common hippopotamus"); // the last stays the last
    QVERIFY(f.ui.messages.isEmpty());
}

void TestAnimalForm::aRecordWithoutAttributesKeepsTheBoxes() {
    OpenForm f;
    auto* combo1 = f.get<QComboBox>("combo1");
    combo1->setFocus();
    QTest::keyClick(combo1, Qt::Key_Down);
    QTest::keyClick(combo1, Qt::Key_Down);
    QCOMPARE(f.ui.messages, QStringList{"Problem? no name for 3"});
    QCOMPARE(combo1->currentText(), "Mystery");
    QCOMPARE(f.get<QComboBox>("cmbClass")->currentText(), "Bird"); // still the owl's
    QVERIFY(f.get<QLabel>("Image1")->isHidden());
    QTest::mouseClick(f.get<QPushButton>("cmdNext"), Qt::LeftButton);
    QCOMPARE(f.get<QComboBox>("cmbFamily")->currentText(), QString()); // family 10: no word
    QVERIFY(f.get<QLabel>("Image1")->isHidden());                      // a blank picture name
    QCOMPARE(f.animal(3).classIndex, -1);
}

void TestAnimalForm::refusedLevelIsShownAgain() {
    OpenForm f;
    type(f.get<QLineEdit>("difficulty"), "9");
    QTest::mouseClick(f.get<QPushButton>("cmdNext"), Qt::LeftButton);
    QCOMPARE(f.ui.messages.size(), 1);
    QCOMPARE(f.get<QLineEdit>("difficulty")->text(), "2");
    QCOMPARE(f.get<QComboBox>("combo1")->currentIndex(), 0);
    QCOMPARE(f.animal(1).difficulty, 2);
}

void TestAnimalForm::closingKeepsTheTypedLevel_data() {
    QTest::addColumn<bool>("escape");
    QTest::newRow("window closed") << false;
    QTest::newRow("Escape") << true;
}

void TestAnimalForm::closingKeepsTheTypedLevel() {
    QFETCH(bool, escape);
    OpenForm f;
    type(f.get<QLineEdit>("difficulty"), "1");
    if (escape)
        QTest::keyClick(f.get<QLineEdit>("difficulty"), Qt::Key_Escape);
    else
        QVERIFY(f.form.close());
    QVERIFY(!f.form.isVisible());
    QCOMPARE(f.animal(1).difficulty, 1);
    QCOMPARE(f.state.settings.maxDifficulty, 1);
    QCOMPARE(f.state.knowledge.tables.eaterNames[4], "Meat eater");
    QVERIFY(!QFile::exists(f.folder.file("velk.dat")));
}

void TestAnimalForm::exitThroughThePortSaves() {
    Run run;
    FormsUi forms;
    forms.attach(run.state);
    bool seen = false;
    QTimer::singleShot(0, [&] {
        QWidget* editor = QApplication::activeModalWidget();
        QVERIFY(editor && editor->objectName() == "animal");
        seen = true;
        QCOMPARE(run.state.knowledge.tables.eaterNames[4], "Fishivore");
        QTest::mouseClick(child<QPushButton>(*editor, "cmdPrint"), Qt::LeftButton);
        type(child<QLineEdit>(*editor, "difficulty"), "3");
        QTest::mouseClick(child<QPushButton>(*editor, "Command1"), Qt::LeftButton);
    });
    forms.showAnimalEditor();
    QVERIFY(seen);
    QCOMPARE(run.ui.messages, QStringList{"5 animals stored Cat to Hippo"});
    QCOMPARE(run.animal(1).difficulty, 3);
    QVERIFY(!run.folder.read("animal.txt").isEmpty());
    QCOMPARE(run.state.settings.maxDifficulty, 1);
    QCOMPARE(run.state.knowledge.tables.eaterNames[4], "Meat eater");
}

QTEST_MAIN(TestAnimalForm)
#include "tst_animalform.moc"
