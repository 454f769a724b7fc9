// SPDX-License-Identifier: GPL-2.0-or-later
// The data delivered beside the program: data/velk.dat read with the program's own reader,
// its pictures, the dragons and the menu picture, and whether every kind of question can be
// asked at every highest difficulty.
#include "datarules.h"
#include "fairness.h"
#include "knowledge/random.h"
#include "questionrules.h"
#include "recordingui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

using namespace deliveredData;

const QString dataDir = QStringLiteral(VELK_DATA_DIR);
const QString toolsDir = QStringLiteral(VELK_TOOLS_DIR);

constexpr int minimumAnimals = 150;
// Sharp in the biggest picture box, a full-screen describe question; every picture 3:2.
constexpr int smallestPictureWidth = 960;

const char* const kindNames[] = {
    "",       "name me",   "match by name", "class and family", "class and eater",
    "biomes", "odd class", "odd family",    "odd eater",        "odd biome"};

} // namespace

class TestDeliveredData : public QObject {
    Q_OBJECT

    std::unique_ptr<Knowledge> kb;

    int number(const AnimalRecord* a) const { return int(a - &kb->animals[0]); }

    QList<const AnimalRecord*> animals() const {
        QList<const AnimalRecord*> all;
        for (int i = 1; i <= kb->animalCount; ++i)
            all << &kb->animals[i];
        return all;
    }

private slots:
    void initTestCase() {
        QFile file(dataDir + "/velk.dat");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QString problem;
        kb = knowledgeFrom(file.readAll(), &problem);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void holdsEnoughAnimals() {
        QVERIFY2(kb->animalCount >= minimumAnimals,
                 qPrintable(QString("only %1 animals").arg(kb->animalCount)));
        QVERIFY(kb->animalCount <= maxAnimals);
    }

    void everyLevelHoldsAFifth_data() {
        QTest::addColumn<int>("level");
        QTest::newRow("level 1") << 1;
        QTest::newRow("level 2") << 2;
        QTest::newRow("level 3") << 3;
    }
    void everyLevelHoldsAFifth() {
        QFETCH(int, level);
        int count = 0;
        for (const AnimalRecord* a : animals()) {
            QVERIFY2(a->difficulty >= 1 && a->difficulty <= 3, qPrintable(a->name));
            if (a->difficulty == level) ++count;
        }
        QVERIFY2(5 * count >= kb->animalCount,
                 qPrintable(QString("%1 of %2 animals").arg(count).arg(kb->animalCount)));
    }

    // Both names can be completed in the letter game, and no two animals read alike.
    void namesCanBeTypedAndAreUnique() {
        static const QRegularExpression typeable("^[A-Za-z]+( [A-Za-z]+)*$");
        QSet<QString> names, fullNames;
        for (const AnimalRecord* a : animals()) {
            QVERIFY2(typeable.match(a->name).hasMatch(), qPrintable("name '" + a->name + "'"));
            QVERIFY2(typeable.match(a->fullName).hasMatch(),
                     qPrintable("full name '" + a->fullName + "'"));
            QVERIFY2(!names.contains(a->name.toUpper()), qPrintable("twice: " + a->name));
            QVERIFY2(!fullNames.contains(a->fullName.toUpper()),
                     qPrintable("twice: " + a->fullName));
            names << a->name.toUpper();
            fullNames << a->fullName.toUpper();
        }
    }

    void indicesLieInTheirTables() {
        buildCategoryTables(kb->tables, 3);
        for (const AnimalRecord* a : animals()) {
            const QByteArray name = a->name.toUtf8();
            const char* who = name.constData();
            QVERIFY2(a->classIndex >= -1 && a->classIndex <= 4, who);
            QVERIFY2(a->familyIndex >= -1 && a->familyIndex <= 9, who);
            QVERIFY2(a->eaterIndex >= -1 && a->eaterIndex <= 4, who);
            QVERIFY2(a->classIndex < 0 ||
                         !attributeText(*kb, 3, number(a), QuestionType::OddClass).isEmpty(),
                     who);
            QVERIFY2(a->familyIndex < 0 ||
                         !attributeText(*kb, 3, number(a), QuestionType::OddFamily).isEmpty(),
                     who);
            QVERIFY2(a->eaterIndex < 0 ||
                         !attributeText(*kb, 3, number(a), QuestionType::OddEater).isEmpty(),
                     who);
            for (int i = 0; i < biomeCount; ++i)
                QVERIFY2(a->biomes[i] == 0 || a->biomes[i] == 1, who);
            QVERIFY2(firstBiome(*a) >= 0, qPrintable("no biome: " + a->name));
            QVERIFY2(a->extra1 == 0 && a->extra2 == 0 && a->extra3 == 0, who);
        }
    }

    void everyPictureDecodes() {
        QSet<QString> named;
        for (const AnimalRecord* a : animals()) {
            QVERIFY2(QDir::isRelativePath(a->picture), qPrintable(a->picture));
            QVERIFY2(!named.contains(a->picture), qPrintable("shared picture " + a->picture));
            named << a->picture;
            QImageReader reader(dataDir + "/" + a->picture);
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(a->picture + ": " + reader.errorString()));
            QVERIFY2(image.width() >= smallestPictureWidth, qPrintable(a->picture));
            QVERIFY2(image.width() * 2 == image.height() * 3, qPrintable(a->picture));
        }
        // and no picture lies there unused
        const QStringList files = QDir(dataDir + "/pictures").entryList(QDir::Files);
        for (const QString& f : files)
            QVERIFY2(named.contains("pictures/" + f), qPrintable("unused: pictures/" + f));
    }

    // No backdrop carries an answer: every animal stands on the same one, so the odd picture
    // of a question never stands out by its colour.
    void everyPictureStandsOnOneBackdrop() {
        QString first;
        backdrop::Corners shared{};
        for (const AnimalRecord* a : animals()) {
            const backdrop::Corners corners =
                backdrop::cornersOf(QImage(dataDir + "/" + a->picture));
            if (first.isEmpty()) {
                first = a->picture;
                shared = corners;
            }
            QVERIFY2(backdrop::same(corners, shared),
                     qPrintable(a->picture + " stands on another backdrop than " + first));
        }
    }

    // tools/makepictures.sh redraws every animal's picture from our drawing of the same name,
    // so each animal needs one and no drawing may be left over; the licence file says so.
    void everyPictureHasItsDrawing() {
        const QDir drawings(toolsDir + "/drawings");
        QSet<QString> left;
        for (const QString& file : drawings.entryList({"*.svg"}, QDir::Files))
            left << file.chopped(4);
        for (const AnimalRecord* a : animals()) {
            const QString stem = QFileInfo(a->picture).completeBaseName();
            QVERIFY2(left.remove(stem), qPrintable("no drawing for " + a->picture));
        }
        QVERIFY2(left.isEmpty(), qPrintable("drawings of no animal: " + left.values().join(", ")));
        QFile licence(dataDir + "/ART-LICENSE.txt");
        QVERIFY(licence.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(licence.readAll()).contains("tools/drawings/NAME.svg"));
    }

    // No two animals whose names a child cannot keep apart: no name is another one plus a
    // word ("Bear" and "Polar bear"), at every level's names, unless data/README.md allows
    // the pair and says why; and every pair it allows is in the file.
    void noLookAlikeNames() {
        QFile readme(dataDir + "/README.md");
        QVERIFY(readme.open(QIODevice::ReadOnly | QIODevice::Text));
        const auto allowed = allowedPairs(QString::fromUtf8(readme.readAll()));
        QSet<QString> names;
        for (const AnimalRecord* a : animals())
            names << a->name << a->fullName;
        for (const auto& pair : allowed)
            QVERIFY2(names.contains(pair.first) && names.contains(pair.second),
                     qPrintable("allowed pair of no animals: " + pair.first + ", " + pair.second));
        auto isAllowed = [&](const QString& x, const QString& y) {
            return allowed.contains(qMakePair(x, y)) || allowed.contains(qMakePair(y, x));
        };
        for (const AnimalRecord* a : animals())
            for (const AnimalRecord* b : animals()) {
                for (const auto& [x, y] :
                     {qMakePair(a->name, b->name), qMakePair(a->fullName, b->fullName)})
                    QVERIFY2(!addsWords(x, y) || isAllowed(x, y),
                             qPrintable(y + " is " + x + " plus a word"));
            }
    }

    // The look-alike check itself: whole words at either end, listed pairs pass.
    void lookAlikeRuleReadsWords() {
        QVERIFY(addsWords("Bear", "Polar bear"));
        QVERIFY(addsWords("bear", "Bear cub"));
        QVERIFY(addsWords("Sea turtle", "Green sea turtle"));
        QVERIFY(!addsWords("Ant", "Elephant"));
        QVERIFY(!addsWords("Owl", "Indian peafowl"));
        QVERIFY(!addsWords("Brown bear", "Polar bear"));
        QVERIFY(!addsWords("Bear", "Bear"));
        QVERIFY(!addsWords("Sea otter", "Sea"));
        const auto pairs = allowedPairs("# Data\n- Cat and Dog: not here\n"
                                        "### Allowed look-alike pairs\n"
                                        "- Bear and Polar bear: white, and lives on ice\n"
                                        "- Fish and Goldfish:\n"
                                        "## Next\n- Ant and Red ant: not here either\n");
        QCOMPARE(pairs.size(), 1);
        QCOMPARE(pairs[0], qMakePair(QString("Bear"), QString("Polar bear")));
    }

    // Every class, family and eating habit the odd-one-out questions ask about holds five
    // animals at least, so that each can be the alike group of a question.
    void everyGroupHoldsFive_data() {
        QTest::addColumn<int>("kind");
        for (int kind = 6; kind <= 8; ++kind)
            QTest::newRow(kindNames[kind]) << kind;
    }
    void everyGroupHoldsFive() {
        QFETCH(int, kind);
        const QuestionType type = questionTypeFromNumber(kind);
        buildCategoryTables(kb->tables, 3);
        QMap<int, int> sizes;
        QMap<int, QString> names;
        for (const AnimalRecord* a : animals()) {
            if (!carriesAttribute(*a, type)) continue;
            ++sizes[groupIndex(*a, kind)];
            names[groupIndex(*a, kind)] = attributeText(*kb, 3, number(a), type);
        }
        QStringList small;
        for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
            if (it.value() < smallestGroup)
                small << names[it.key()] + ": " + QString::number(it.value());
        QVERIFY2(small.isEmpty(), qPrintable("too small: " + small.join(", ")));
    }

    // The game's own drawing fills 10,000 questions of every odd-one-out kind at every highest
    // level, and never has to tell the player that it tried long.
    void noQuestionNeedsANotice_data() {
        QTest::addColumn<int>("maxDifficulty");
        QTest::addColumn<int>("kind");
        for (int level = 1; level <= 3; ++level)
            for (int kind = 6; kind <= 9; ++kind)
                QTest::addRow("up to %d, %s", level, kindNames[kind]) << level << kind;
    }
    void noQuestionNeedsANotice() {
        QFETCH(int, maxDifficulty);
        QFETCH(int, kind);
        buildCategoryTables(kb->tables, maxDifficulty);
        kb->questionType = questionTypeFromNumber(kind);
        RecordingUi ui;
        Random random;
        random.seed(1);
        int failed = 0, noticed = 0;
        for (int q = 0; q < 10000; ++q) {
            ui.messages.clear();
            failed += !drawOddOneOut(*kb, {1, int16_t(maxDifficulty)}, random, ui);
            noticed += !ui.messages.isEmpty();
        }
        QCOMPARE(failed, 0);
        QCOMPARE(noticed, 0);
    }

    void dragonsAndMenuDecode_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("portrait");
        for (int k = 1; k <= 6; ++k)
            QTest::addRow("dragon%d", k) << QString("dragon%1.jpg").arg(k) << true;
        QTest::newRow("menu") << QString("menu.jpg") << false;
    }
    void dragonsAndMenuDecode() {
        QFETCH(QString, file);
        QFETCH(bool, portrait);
        QImageReader reader(dataDir + "/" + file);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(file + ": " + reader.errorString()));
        QCOMPARE(image.height() > image.width(), portrait);
    }

    // Every kind of question at every highest difficulty, lowest 1, has what it needs; the
    // playability test then draws thousands of questions by the game's own rules.
    void everyKindIsPlayable_data() {
        QTest::addColumn<int>("maxDifficulty");
        QTest::addColumn<int>("kind");
        for (int level = 1; level <= 3; ++level)
            for (int kind = 1; kind <= 9; ++kind)
                QTest::addRow("up to %d, %s", level, kindNames[kind]) << level << kind;
    }
    void everyKindIsPlayable() {
        QFETCH(int, maxDifficulty);
        QFETCH(int, kind);
        buildCategoryTables(kb->tables, maxDifficulty);

        QList<const AnimalRecord*> eligible;
        for (const AnimalRecord* a : animals())
            if (a->difficulty <= maxDifficulty &&
                carriesAttribute(*a, questionTypeFromNumber(kind)))
                eligible << a;
        QVERIFY(!eligible.isEmpty());
        auto text = [&](const AnimalRecord* a) {
            return attributeText(*kb, maxDifficulty, number(a), questionTypeFromNumber(kind));
        };

        if (kind >= 2 && kind <= 5) {
            QSet<QString> texts;
            for (const AnimalRecord* a : eligible)
                texts << text(a);
            QVERIFY2(texts.size() >= (kind == 2 ? 4 : 5),
                     qPrintable(QString("%1 different answers").arg(texts.size())));
        }
        if (kind >= 6 && kind <= 8) {
            // some group of five by number, and an odd one for each such group
            int groups = 0;
            for (const AnimalRecord* reference : eligible) {
                int size = 0;
                bool odd = false;
                for (const AnimalRecord* a : eligible) {
                    if (groupIndex(*a, kind) == groupIndex(*reference, kind)) ++size;
                    if (text(a) != text(reference)) odd = true;
                }
                if (size >= 5) {
                    ++groups;
                    QVERIFY2(odd, qPrintable("nothing differs from " + reference->name));
                }
            }
            QVERIFY2(groups > 0, "no group of five");
        }
        if (kind == 9) {
            for (const AnimalRecord* reference : eligible) {
                const int biome = firstBiome(*reference);
                int inside = 0, outside = 0;
                for (const AnimalRecord* a : eligible)
                    (a->biomes[biome] >= 1 ? inside : outside)++;
                QVERIFY2(inside >= 4 && outside >= 1, qPrintable(reference->name));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDeliveredData)
#include "tst_delivereddata.moc"
