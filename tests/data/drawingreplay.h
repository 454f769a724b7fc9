// The game's drawing of animals for a question, replayed on a database, so that the test of
// the delivered data can ask thousands of questions by the game's own rules.
#pragma once

#include "knowledge/animalfile.h"
#include "knowledge/categories.h"

#include <QBuffer>
#include <QRandomGenerator>

#include <array>
#include <memory>

namespace deliveredData {

template <typename Table> inline QString word(const Table& table, int index) {
    return index >= 0 && index < int(table.size()) ? table[index] : QString();
}

inline int firstBiome(const AnimalRecord& a) {
    for (int i = 0; i < biomeCount; ++i)
        if (a.biomes[i] >= 1) return i;
    return -1;
}

// The text the questions show and compare for one animal, in the words of a level.
inline QString comparisonText(const CategoryTables& t, const AnimalRecord& a, int kind,
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
inline bool hasAttribute(const AnimalRecord& a, int kind) {
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

inline int groupIndex(const AnimalRecord& a, int kind) {
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

inline std::unique_ptr<Knowledge> knowledgeFrom(const QByteArray& text, QString* problem) {
    auto kb = std::make_unique<Knowledge>();
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    *problem = readAnimals(buffer, *kb);
    return kb;
}

} // namespace deliveredData
