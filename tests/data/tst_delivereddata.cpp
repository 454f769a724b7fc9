// The data delivered beside the program: data/velk.dat read with the program's own reader,
// its pictures, the dragons and the menu picture, and whether every kind of question can be
// asked at every highest difficulty.
#include "knowledge/animalfile.h"
#include "knowledge/categories.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

const QString dataDir = QStringLiteral(VELK_DATA_DIR);
const QString toolsDir = QStringLiteral(VELK_TOOLS_DIR);

constexpr int minimumAnimals = 120;
constexpr int pictureWidth = 320, pictureHeight = 214;
constexpr int questionsPerKind = 2000;

const char* const kindNames[] = {
    "",       "name me",   "match by name", "class and family", "class and eater",
    "biomes", "odd class", "odd family",    "odd eater",        "odd biome"};

template <typename Table> QString word(const Table& table, int index) {
    return index >= 0 && index < int(table.size()) ? table[index] : QString();
}

int firstBiome(const AnimalRecord& a) {
    for (int i = 0; i < biomeCount; ++i)
        if (a.biomes[i] >= 1) return i;
    return -1;
}

// The text the questions show and compare for one animal, in the words of a level.
QString comparisonText(const CategoryTables& t, const AnimalRecord& a, int kind,
                       int maxDifficulty) {
    switch (kind) {
    case 3:
        return word(t.classNames, a.classIndex) + " " + word(t.familyNames, a.familyIndex);
    case 4:
        return word(t.classNames, a.classIndex) + " " + word(t.eaterNames, a.eaterIndex);
    case 5: {
        QString text;
        for (int i = 0; i < biomeCount; ++i)
            if (a.biomes[i] >= 1) text += t.biomeNames[i] + " ";
        return text;
    }
    case 6:
        return word(t.classNames, a.classIndex);
    case 7:
        return word(t.familyNames, a.familyIndex);
    case 8:
        return word(t.eaterNames, a.eaterIndex);
    case 9:
        return firstBiome(a) < 0 ? QString() : t.biomeNames[firstBiome(a)] + " ";
    default:
        return maxDifficulty <= 2 ? a.name : a.fullName;
    }
}

// Whether an animal carries what a kind of question asks about.
bool hasAttribute(const AnimalRecord& a, int kind) {
    switch (kind) {
    case 3:
        return a.classIndex >= 0 && a.familyIndex >= 1;
    case 4:
        return a.classIndex >= 0 && a.eaterIndex >= 0;
    case 5:
    case 9:
        return firstBiome(a) >= 0;
    case 6:
        return a.classIndex >= 0;
    case 7:
        return a.familyIndex >= 1;
    case 8:
        return a.eaterIndex >= 0;
    default:
        return true;
    }
}

int groupIndex(const AnimalRecord& a, int kind) {
    return kind == 6 ? a.classIndex : kind == 7 ? a.familyIndex : a.eaterIndex;
}

// The game's drawing of animals for a question, replayed on the delivered data: random draws
// that must carry the attribute, relate to the slots drawn before, come from a big enough
// group (odd one out by class, family, eater) and lie within levels 1..maxDifficulty; a
// pass gives up after 200 rejected draws with a diagnostic, the call after 10 passes (-2),
// and the sixth reference from too small a group ends it with -3.
class DrawingReplay {
public:
    DrawingReplay(const Knowledge& kb, int kind, int maxDifficulty, quint32 seed)
        : kb(kb), kind(kind), maxDifficulty(maxDifficulty), rng(seed) {
        buildCategoryTables(tables, maxDifficulty);
    }

    int pick(int slot) {
        if (kb.animalCount == 0) return -2;
        int draws = 0, pass = 1, rejectedReferences = 0;
        for (;;) {
            const int c = 1 + int(rng.bounded(quint32(kb.animalCount)));
            const AnimalRecord& a = kb.animals[c];
            bool ok = hasAttribute(a, kind);
            if (!ok && (kind == 5 || kind == 9)) ++noNicheMessages;
            if (ok && slot >= 1) ok = relates(c, slot);
            if (ok && slot == 0 && kind >= 6 && kind <= 8 && groupSize(a) < 5) {
                ok = false;
                if (++rejectedReferences > 5) return -3;
            }
            if (ok && inWindow(a)) {
                chosen[slot] = c;
                return c;
            }
            if (++draws > 200) {
                ++diagnostics;
                draws = 0;
                if (++pass > 10) return -2;
            }
        }
    }

    // Draws every slot of one question; false when the drawing gave up.
    bool askOne() {
        const int slotCount = kind == 1 ? 1 : kind >= 3 && kind <= 5 ? 5 : 4;
        for (int slot = 0; slot < slotCount; ++slot)
            if (pick(slot) < 0) return false;
        return true;
    }

    int diagnostics = 0;
    int noNicheMessages = 0;

private:
    bool inWindow(const AnimalRecord& a) const {
        return a.difficulty >= 1 && a.difficulty <= maxDifficulty;
    }

    QString text(int animal) const {
        return comparisonText(tables, kb.animals[animal], kind, maxDifficulty);
    }

    bool relates(int c, int slot) const {
        const int reference = chosen[0];
        if (kind == 9) {
            const int biome = firstBiome(kb.animals[reference]);
            const bool livesThere = kb.animals[c].biomes[biome] >= 1;
            return slot == 1 ? !livesThere : livesThere;
        }
        if (kind >= 6 && kind <= 8) {
            const bool same = text(c) == text(reference);
            return slot == 1 ? !same : same;
        }
        if (kind >= 2 && kind <= 5)
            for (int j = 0; j < slot; ++j)
                if (text(c) == text(chosen[j])) return false;
        return true;
    }

    int groupSize(const AnimalRecord& reference) const {
        int count = 0;
        for (int i = 1; i <= kb.animalCount; ++i)
            if (inWindow(kb.animals[i]) &&
                groupIndex(kb.animals[i], kind) == groupIndex(reference, kind))
                ++count;
        return count;
    }

    const Knowledge& kb;
    const int kind;
    const int maxDifficulty;
    QRandomGenerator rng;
    CategoryTables tables;
    std::array<int, 6> chosen{};
};

std::unique_ptr<Knowledge> knowledgeFrom(const QByteArray& text, QString* problem) {
    auto kb = std::make_unique<Knowledge>();
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    *problem = readAnimals(buffer, *kb);
    return kb;
}

} // namespace

class TestDeliveredData : public QObject {
    Q_OBJECT

    std::unique_ptr<Knowledge> kb;

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
        CategoryTables tables;
        buildCategoryTables(tables, 3);
        for (const AnimalRecord* a : animals()) {
            const QByteArray name = a->name.toUtf8();
            const char* who = name.constData();
            QVERIFY2(a->classIndex >= -1 && a->classIndex <= 4, who);
            QVERIFY2(a->familyIndex >= -1 && a->familyIndex <= 9, who);
            QVERIFY2(a->eaterIndex >= -1 && a->eaterIndex <= 4, who);
            QVERIFY2(a->classIndex < 0 || !word(tables.classNames, a->classIndex).isEmpty(), who);
            QVERIFY2(a->familyIndex < 0 || !word(tables.familyNames, a->familyIndex).isEmpty(),
                     who);
            QVERIFY2(a->eaterIndex < 0 || !word(tables.eaterNames, a->eaterIndex).isEmpty(), who);
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
            QCOMPARE(image.size(), QSize(pictureWidth, pictureHeight));
        }
        // and no picture lies there unused
        const QStringList files = QDir(dataDir + "/pictures").entryList(QDir::Files);
        for (const QString& f : files)
            QVERIFY2(named.contains("pictures/" + f), qPrintable("unused: pictures/" + f));
    }

    // tools/makepictures.sh redraws every picture from tools/pictures.tsv: each picture of the
    // database must be named there once, no row may be left over, a silhouette needs its
    // colour, and the licence file must credit every art source the table draws from.
    void pictureTableMatchesTheDatabase() {
        QFile table(toolsDir + "/pictures.tsv");
        QVERIFY2(table.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(table.fileName()));
        static const QRegularExpression colour("^#[0-9a-fA-F]{6}$");
        QSet<QString> rows;
        bool silhouettes = false;
        while (!table.atEnd()) {
            const QString line = QString::fromUtf8(table.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith('#')) continue;
            const QStringList fields = line.split('\t');
            const bool silhouette = fields.value(1).startsWith("game-icons:");
            QVERIFY2(fields.size() == (silhouette ? 3 : 2), qPrintable(line));
            QVERIFY2(!silhouette || colour.match(fields[2]).hasMatch(), qPrintable(line));
            QVERIFY2(!rows.contains(fields[0]), qPrintable("named twice: " + fields[0]));
            rows << fields[0];
            silhouettes = silhouettes || silhouette;
        }
        QSet<QString> pictures;
        for (const AnimalRecord* a : animals()) {
            const QString file = a->picture.section('/', -1);
            QVERIFY2(rows.contains(file), qPrintable("no icon for " + a->picture));
            pictures << file;
        }
        for (const QString& row : rows)
            QVERIFY2(pictures.contains(row), qPrintable("row for no animal: " + row));

        QFile licence(dataDir + "/ART-LICENSE.txt");
        QVERIFY(licence.open(QIODevice::ReadOnly));
        const QByteArray text = licence.readAll();
        QVERIFY(text.contains("Fluent Emoji") && text.contains("MIT License"));
        if (silhouettes)
            QVERIFY(text.contains("game-icons.net") && text.contains("CC BY 3.0"));
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

    // Every kind of question at every highest difficulty, lowest 1: first what it needs,
    // counted; then a couple of thousand questions drawn by the game's rules, none of which
    // may give up or show the drawing's diagnostic.
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
        CategoryTables tables;
        buildCategoryTables(tables, maxDifficulty);

        QList<const AnimalRecord*> eligible;
        for (const AnimalRecord* a : animals())
            if (a->difficulty <= maxDifficulty && hasAttribute(*a, kind)) eligible << a;
        QVERIFY(!eligible.isEmpty());
        auto text = [&](const AnimalRecord* a) {
            return comparisonText(tables, *a, kind, maxDifficulty);
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

        if (kind >= 6 && kind <= 8) {
            // A reference from a group under five is passed over; six of them before a good
            // one end the question. Each draw that counts is one or the other, so the chance
            // of giving up is (passed over / (passed over + good))^6.
            int passedOver = 0, good = 0;
            for (const AnimalRecord* a : animals()) {
                if (!hasAttribute(*a, kind)) continue;
                int size = 0;
                for (const AnimalRecord* b : eligible)
                    if (groupIndex(*b, kind) == groupIndex(*a, kind)) ++size;
                if (size < 5)
                    ++passedOver;
                else if (a->difficulty <= maxDifficulty)
                    ++good;
            }
            // Monkeys, birds of prey, perching and wading birds form groups under five at
            // every level, so families can never be entirely safe; at level 1 (the worst)
            // the chance stays below 1 in 33,000, and every other kind and level far lower.
            const double chance = std::pow(double(passedOver) / (passedOver + good), 6);
            QVERIFY2(chance < 3e-5,
                     qPrintable(QString("gives up once in %1").arg(1 / chance)));
        }

        // Rare bad luck is allowed (the rules draw at random), a habit is not.
        DrawingReplay drawing(*kb, kind, maxDifficulty, 20261207u + 10u * maxDifficulty + kind);
        int gaveUp = 0;
        for (int q = 0; q < questionsPerKind; ++q)
            if (!drawing.askOne()) ++gaveUp;
        QVERIFY2(gaveUp * 1000 <= questionsPerKind,
                 qPrintable(QString("gave up %1 times in %2").arg(gaveUp).arg(questionsPerKind)));
        QVERIFY2(drawing.diagnostics * 1000 <= questionsPerKind,
                 qPrintable(QString("%1 diagnostics").arg(drawing.diagnostics)));
        QCOMPARE(drawing.noNicheMessages, 0);
    }

    // The replay above must be able to fail: a database without a group of five, and one
    // with no animal at the chosen levels.
    void replayNoticesTooFewAnimals() {
        QString problem;
        const auto small =
            knowledgeFrom("\"Cat\",\"Cat\",\"c.jpg\",1,0,1,1,0,1,0,0,0,0,0,0,0,0\r\n"
                          "\"Dog\",\"Dog\",\"d.jpg\",1,0,1,3,0,1,0,0,0,0,0,0,0,0\r\n"
                          "\"Duck\",\"Duck\",\"k.jpg\",1,1,7,3,0,0,0,0,0,0,1,0,0,0\r\n",
                          &problem);
        QVERIFY(problem.isEmpty());
        DrawingReplay byClass(*small, 6, 3, 1);
        QCOMPARE(byClass.pick(0), -3);
        DrawingReplay byName(*small, 2, 3, 1);
        QVERIFY(!byName.askOne()); // three names for four pictures
        QCOMPARE(byName.diagnostics, 10);

        const auto hard = knowledgeFrom(
            "\"Okapi\",\"Okapi\",\"o.jpg\",3,0,3,0,0,0,1,0,0,0,0,0,0,0\r\n", &problem);
        DrawingReplay easy(*hard, 1, 1, 1);
        QCOMPARE(easy.pick(0), -2);
    }
};

QTEST_GUILESS_MAIN(TestDeliveredData)
#include "tst_delivereddata.moc"
