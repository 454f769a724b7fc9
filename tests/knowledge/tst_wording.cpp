// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "knowledge/wording.h"
#include "recordingui.h"

#include <QTest>

#include <memory>

namespace {

// A lion (mammal, primate family, carnivore), an owl without a family, a frog of the
// desert and the water, and an animal of no biome.
std::unique_ptr<Knowledge> zoo(int level) {
    auto kb = std::make_unique<Knowledge>();
    buildCategoryTables(kb->tables, level);
    AnimalRecord lion = beast("Lion", 1, 0, 2, 1, {1});
    lion.fullName = "African lion";
    fill(*kb, {lion, beast("Owl", 1, 1, -1, 3, {4}), beast("Frog", 2, 3, 7, 2, {0, 6}),
               beast("Ghost", 1, 0, 2, 0, {})});
    return kb;
}

} // namespace

class TestWording : public QObject {
    Q_OBJECT
private slots:
    void attributes_data();
    void attributes();
    void prompts_data();
    void prompts();
    void askingOpensTheScreenOfTheType();
};

void TestWording::attributes_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("animal");
    QTest::addColumn<int>("qtype");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name at level 2") << 2 << 1 << 1 << "Lion";
    QTest::newRow("full name at level 3") << 3 << 1 << 2 << "African lion";
    QTest::newRow("class and family, technical") << 3 << 1 << 3 << "Mammal Primate";
    QTest::newRow("class and family, simple") << 1 << 1 << 3 << "Mammal Monkey";
    QTest::newRow("class and eater") << 3 << 3 << 4 << "Amphibian Insectivore";
    QTest::newRow("omnivore is a meat eater for small children") << 1 << 2 << 8 << "Meat eater";
    QTest::newRow("biomes keep their trailing blanks") << 1 << 3 << 5 << "Desert Water ";
    QTest::newRow("first biome only") << 1 << 3 << 9 << "Desert ";
    QTest::newRow("no biome at all") << 1 << 4 << 5 << "";
    QTest::newRow("no biome, first biome") << 1 << 4 << 9 << "";
    QTest::newRow("class") << 1 << 2 << 6 << "Bird";
    QTest::newRow("missing family reads empty") << 3 << 2 << 7 << "";
    QTest::newRow("a failed draw") << 3 << -2 << 6 << "i = -2";
    QTest::newRow("an unknown type names the animal") << 3 << 1 << 42 << "African lion";
}

void TestWording::attributes() {
    QFETCH(int, level);
    QFETCH(int, animal);
    QFETCH(int, qtype);
    QFETCH(QString, expected);
    const auto kb = zoo(level);
    QCOMPARE(attributeText(*kb, level, animal, questionTypeFromNumber(qtype)), expected);
}

void TestWording::prompts_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("qtype");
    QTest::addColumn<QString>("expected");
    QTest::newRow("option caption ignores its qtype") << 2 << 6 << 9 << "Mammal";
    QTest::newRow("describe, class and family")
        << 6 << 3 << 0 << "Pick the description for this creature";
    QTest::newRow("describe, class and eater")
        << 6 << 4 << 0 << "Pick the description for this creature";
    QTest::newRow("describe, biomes") << 6 << 5 << 0 << "Pick the places where this creature lives";
    QTest::newRow("describe, wrong type")
        << 6 << 7 << 0 << "parameter Odd one out -- family not set LMATCH";
    QTest::newRow("odd one out by class") << 7 << 6 << 6 << "Click on animal that is NOT a Mammal";
    QTest::newRow("odd one out by biome")
        << 7 << 9 << 9 << "Click on the animal that does NOT live in Plains ";
    QTest::newRow("the wording follows the current type, the word the argument")
        << 7 << 8 << 6 << "Click on animal that is NOT a Mammal";
    QTest::newRow("unknown kind") << 4 << 3 << 3 << " unanticipated label 4";
}

void TestWording::prompts() {
    QFETCH(int, kind);
    QFETCH(int, current);
    QFETCH(int, qtype);
    QFETCH(QString, expected);
    const auto kb = zoo(3);
    kb->questionType = questionTypeFromNumber(current);
    QCOMPARE(promptText(*kb, 3, kind, 1, questionTypeFromNumber(qtype)), expected);
}

void TestWording::askingOpensTheScreenOfTheType() {
    const auto kb = zoo(1);
    RecordingUi ui;
    int typeWhenOpened = 0;
    ui.onQuestion = [&](int) { typeWhenOpened = questionTypeNumber(kb->questionType); };
    askQuestion(*kb, ui, QuestionType::OddFamily);
    QCOMPARE(ui.questions, QList<int>{7});
    QCOMPARE(typeWhenOpened, 7);

    askQuestion(*kb, ui, questionTypeFromNumber(12));
    QCOMPARE(questionTypeNumber(kb->questionType), 12);
    QCOMPARE(ui.questions, QList<int>{7}); // no screen for it
    QCOMPARE(ui.messages, QStringList{"!!! unanticipated question type 12"});
    askQuestion(*kb, ui, QuestionType::None);
    QCOMPARE(ui.messages.last(), "!!! unanticipated question type 0");
}

QTEST_GUILESS_MAIN(TestWording)
#include "tst_wording.moc"
