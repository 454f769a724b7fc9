// SPDX-License-Identifier: GPL-2.0-or-later
#include "draw.h"

#include "random.h"
#include "ui.h"
#include "wording.h"

#include <QList>
#include <QLoggingCategory>
#include <QStringList>

namespace {

Q_LOGGING_CATEGORY(drawLog, "velk.draw", QtWarningMsg) // QT_LOGGING_RULES=velk.draw.info=true

constexpr int drawsPerPass = 200; // the 201st rejected draw of a pass ends it
constexpr int passes = 10;
constexpr int referencesBeforeGivingUp = 5;

bool livesIn(const AnimalRecord& a, int biome) {
    return biome >= 0 && a.biomes[size_t(biome)] >= 1;
}

// One call of pickAnimal: what it draws from and what it has drawn so far.
class Draw {
public:
    Draw(Knowledge& kb, DifficultyWindow window, Random& random, Ui& ui, int slot)
        : kb_(kb), window_(window), random_(random), ui_(ui), slot_(slot), qtype_(kb.questionType) {
    }

    int16_t run();
    int16_t practised(std::span<const int16_t> first);

private:
    const AnimalRecord& animal(int n) const { return kb_.animals[size_t(n)]; }
    QString text(int n) const { return attributeText(kb_, window_.maxDifficulty, n, qtype_); }
    int candidate();
    bool hasAttribute(int c);
    bool fitsLowerSlots(int c) const;
    int groupSize(int c) const;
    bool windowHoldsAGroup() const;
    QString passReport(int c, int pass) const;

    Knowledge& kb_;
    const DifficultyWindow window_;
    Random& random_;
    Ui& ui_;
    const int slot_;
    const QuestionType qtype_;
};

int Draw::candidate() {
    const int c = 1 + int(random_.rnd() * kb_.animalCount);
    return std::min(c, int(kb_.animalCount));
}

// An animal of no biome is reported each time it is drawn for a biome question.
bool Draw::hasAttribute(int c) {
    if (carriesAttribute(animal(c), qtype_)) return true;
    if (asksBiomes(qtype_))
        ui_.message("No niches found for " + QString::number(c) + " " + animal(c).name);
    return false;
}

bool Draw::fitsLowerSlots(int c) const {
    if (slot_ < 1 || qtype_ == QuestionType::NameMe) return true;
    const int reference = kb_.chosen[0];
    if (isOddOneOut(qtype_)) {
        // Four different animals: two identical pictures make a silly question.
        for (int j = 0; j < slot_; ++j)
            if (kb_.chosen[size_t(j)] == c) return false;
        const bool alike = qtype_ == QuestionType::OddBiome
                               ? livesIn(animal(c), firstBiome(animal(reference)))
                               : text(c) == text(reference);
        return slot_ == 1 ? !alike : alike;
    }
    // Every option of the question must read differently.
    const QString mine = text(c);
    for (int j = 0; j < slot_; ++j)
        if (text(kb_.chosen[size_t(j)]) == mine) return false;
    return true;
}

// The animals inside the window that share c's class, family or eating habit (by number),
// or live in c's first biome; c counts itself when it is inside.
int Draw::groupSize(int c) const {
    const AnimalRecord& a = animal(c);
    const int biome = firstBiome(a);
    int count = 0;
    for (int i = 1; i <= kb_.animalCount; ++i) {
        const AnimalRecord& other = animal(i);
        if (!window_.contains(other)) continue;
        switch (qtype_) {
        case QuestionType::OddClass:
            count += other.classIndex == a.classIndex;
            break;
        case QuestionType::OddFamily:
            count += other.familyIndex == a.familyIndex;
            break;
        case QuestionType::OddEater:
            count += other.eaterIndex == a.eaterIndex;
            break;
        case QuestionType::OddBiome:
            count += livesIn(other, biome);
            break;
        default:
            break;
        }
    }
    return count;
}

// Unlucky draws of small groups prove nothing: only a window where no reference at all
// has a group large enough makes the question impossible.
bool Draw::windowHoldsAGroup() const {
    for (int i = 1; i <= kb_.animalCount; ++i) {
        const AnimalRecord& a = animal(i);
        if (carriesAttribute(a, qtype_) && window_.contains(a) && groupSize(i) >= smallestGroup)
            return true;
    }
    return false;
}

QString Draw::passReport(int c, int pass) const {
    QString text = questionTypeName(kb_) + "  " + QString::number(c) + " " +
                   QString::number(slot_) + " tried > 100, try " + QString::number(pass);
    for (int j = 0; j < slot_; ++j)
        text += crlf + QString("item  %1 ").arg(j) + this->text(kb_.chosen[size_t(j)]);
    text += crlf + QString("dminmax %1 %2").arg(window_.minDifficulty).arg(window_.maxDifficulty);
    return text;
}

int16_t Draw::run() {
    if (kb_.animalCount < 1 || slot_ < 0 || slot_ >= int(kb_.chosen.size())) return noAnimalFound;
    int draws = 0;
    int pass = 1;
    int rejectedReferences = 0;
    bool groupChecked = false;
    // A long run of unlucky draws that ends in an animal is no fault a child should hear
    // of: the reports of its passes go to the log. Only a draw that gives up shows them.
    QStringList reports;
    for (;;) {
        const int c = candidate();
        bool ok = hasAttribute(c) && fitsLowerSlots(c);
        if (ok && slot_ == 0 && isOddOneOut(qtype_) && groupSize(c) < smallestGroup) {
            ok = false;
            if (++rejectedReferences > referencesBeforeGivingUp && !groupChecked) {
                if (!windowHoldsAGroup()) return groupsTooSmall;
                groupChecked = true;
            }
        }
        if (ok && window_.contains(animal(c))) {
            for (const QString& report : std::as_const(reports))
                qCInfo(drawLog).noquote() << QString(report).replace(crlf, "; ");
            kb_.chosen[size_t(slot_)] = int16_t(c);
            return int16_t(c);
        }
        if (++draws > drawsPerPass) {
            reports << passReport(c, pass);
            draws = 0;
            if (++pass > passes) {
                for (const QString& report : std::as_const(reports))
                    ui_.message(report);
                return noAnimalFound;
            }
        }
    }
}

// Only animals that pass every test the random draws pass, so practice never bends a rule.
int16_t Draw::practised(std::span<const int16_t> first) {
    if (kb_.animalCount < 1 || slot_ < 0 || slot_ >= int(kb_.chosen.size())) return 0;
    QList<int16_t> fit;
    for (const int16_t c : first) {
        if (c < 1 || c > kb_.animalCount || fit.contains(c)) continue;
        const AnimalRecord& a = animal(c);
        if (!carriesAttribute(a, qtype_) || !window_.contains(a) || !fitsLowerSlots(c)) continue;
        if (slot_ == 0 && isOddOneOut(qtype_) && groupSize(c) < smallestGroup) continue;
        fit << c;
    }
    if (fit.isEmpty()) return 0;
    const int16_t c = fit[std::min(qsizetype(random_.rnd() * fit.size()), fit.size() - 1)];
    kb_.chosen[size_t(slot_)] = c;
    return c;
}

} // namespace

bool carriesAttribute(const AnimalRecord& a, QuestionType qtype) {
    switch (qtype) {
    case QuestionType::ClassFamily:
        return a.classIndex >= 0 && a.familyIndex >= 1;
    case QuestionType::ClassEater:
        return a.classIndex >= 0 && a.eaterIndex >= 0;
    case QuestionType::OddClass:
        return a.classIndex >= 0;
    case QuestionType::OddFamily:
        return a.familyIndex >= 1; // "Misc" is no family to compare
    case QuestionType::OddEater:
        return a.eaterIndex >= 0;
    case QuestionType::Biomes:
    case QuestionType::OddBiome:
        return firstBiome(a) >= 0;
    default:
        return true;
    }
}

int16_t pickAnimal(Knowledge& kb, DifficultyWindow window, Random& random, Ui& ui, int slot,
                   std::span<const int16_t> first) {
    Draw draw(kb, window, random, ui, slot);
    if (!first.empty())
        if (const int16_t c = draw.practised(first)) return c;
    return draw.run();
}
