#include "wording.h"

#include "ui.h"

namespace {

// An index outside its table is a data error; it reads as no word at all.
template <size_t N> QString word(const std::array<QString, N>& table, int index) {
    return index >= 0 && index < int(N) ? table[size_t(index)] : QString();
}

QString biomeList(const CategoryTables& t, const AnimalRecord& a, bool firstOnly) {
    QString text;
    for (int i = 0; i < biomeCount; ++i) {
        if (a.biomes[size_t(i)] < 1) continue;
        text += t.biomeNames[size_t(i)] + " ";
        if (firstOnly) break;
    }
    return text;
}

} // namespace

QString attributeText(const Knowledge& kb, int maxDifficulty, int animal, int qtype) {
    if (animal < 0) return "i = " + QString::number(animal);
    if (animal > maxAnimals) return {};
    const AnimalRecord& a = kb.animals[size_t(animal)];
    const CategoryTables& t = kb.tables;
    switch (qtype) {
    case 3:
        return word(t.classNames, a.classIndex) + " " + word(t.familyNames, a.familyIndex);
    case 4:
        return word(t.classNames, a.classIndex) + " " + word(t.eaterNames, a.eaterIndex);
    case 5:
        return biomeList(t, a, false);
    case 6:
        return word(t.classNames, a.classIndex);
    case 7:
        return word(t.familyNames, a.familyIndex);
    case 8:
        return word(t.eaterNames, a.eaterIndex);
    case 9:
        return biomeList(t, a, true);
    default:
        return maxDifficulty <= 2 ? a.name : a.fullName;
    }
}

QString promptText(const Knowledge& kb, int maxDifficulty, int kind, int animal, int qtype) {
    const int current = kb.questionType;
    switch (kind) {
    case 2:
        return attributeText(kb, maxDifficulty, animal, current);
    case 6:
        if (current == 3 || current == 4) return "Pick the description for this creature";
        if (current == 5) return "Pick the places where this creature lives";
        return "parameter " + questionTypeName(kb) + " not set LMATCH";
    case 7:
        return (current == 9 ? "Click on the animal that does NOT live in "
                             : "Click on animal that is NOT a ") +
               attributeText(kb, maxDifficulty, animal, qtype);
    default:
        return " unanticipated label " + QString::number(kind);
    }
}

void askQuestion(Knowledge& kb, Ui& ui, int qtype) {
    kb.questionType = int16_t(qtype);
    if (qtype < 1 || qtype > 9) {
        ui.message("!!! unanticipated question type " + QString::number(qtype));
        return;
    }
    ui.showQuestion(qtype);
}

void showAnimalEditor(Ui& ui) {
    ui.showAnimalEditor();
}

QString questionTypeName(const Knowledge& kb) {
    return word(kb.tables.questionTypeNames, kb.questionType);
}

QString resultsHeading(const Knowledge& kb) {
    return "Results for " + questionTypeName(kb);
}

int firstBiome(const AnimalRecord& animal) {
    for (int i = 0; i < biomeCount; ++i)
        if (animal.biomes[size_t(i)] >= 1) return i;
    return -1;
}
