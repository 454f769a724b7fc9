// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"
#include "knowledge/draw.h"
#include "knowledge/random.h"
#include "recordingui.h"

#include <QTest>

#include <memory>

// Every kind of question can be asked from the delivered animals at every highest
// difficulty: thousands of questions drawn as the screens draw them, none impossible.
class TestPlayability : public QObject {
    Q_OBJECT
private slots:
    void everyKindAtEveryLevel_data();
    void everyKindAtEveryLevel();
};

void TestPlayability::everyKindAtEveryLevel_data() {
    QTest::addColumn<int>("qtype");
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 3; ++level)
        for (int t = 1; t <= 9; ++t)
            QTest::addRow("kind %d, level %d", t, level) << t << level;
}

void TestPlayability::everyKindAtEveryLevel() {
    QFETCH(int, qtype);
    QFETCH(int, level);
    auto kb = std::make_unique<Knowledge>();
    QVERIFY(loadDelivered(*kb));
    buildCategoryTables(kb->tables, level);
    kb->questionType = questionTypeFromNumber(qtype);
    const int slotCount = qtype == 1 ? 1 : qtype >= 3 && qtype <= 5 ? 5 : 4;
    const DifficultyWindow window{1, level};
    RecordingUi ui;
    Random random;
    random.seed(quint32(qtype * 10 + level));
    constexpr int questions = 10000;
    int impossible = 0;
    for (int q = 0; q < questions; ++q)
        for (int slot = 0; slot < slotCount; ++slot)
            if (pickAnimal(*kb, window, random, ui, slot) < 0) {
                ++impossible;
                break;
            }
    qInfo("kind %d, level %d: %d impossible, %lld diagnostic messages in %d questions", qtype,
          level, impossible, ui.messages.size(), questions);
    QCOMPARE(impossible, 0);
    // A child never hears of a long search that found its animal; an animal without a
    // biome would show its own message in every biome question.
    QVERIFY2(ui.messages.isEmpty(), qPrintable(ui.messages.value(0)));
}

QTEST_GUILESS_MAIN(TestPlayability)
#include "tst_playability.moc"
