// SPDX-License-Identifier: GPL-2.0-or-later
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

QString attributeText(const Knowledge& kb, int maxDifficulty, int animal, QuestionType qtype) {
    if (animal < 0) return "i = " + QString::number(animal);
    if (animal > maxAnimals) return {};
    const AnimalRecord& a = kb.animals[size_t(animal)];
    const CategoryTables& t = kb.tables;
    switch (qtype) {
    case QuestionType::ClassFamily:
        return word(t.classNames, a.classIndex) + " " + word(t.familyNames, a.familyIndex);
    case QuestionType::ClassEater:
        return word(t.classNames, a.classIndex) + " " + word(t.eaterNames, a.eaterIndex);
    case QuestionType::Biomes:
        return biomeList(t, a, false);
    case QuestionType::OddClass:
        return word(t.classNames, a.classIndex);
    case QuestionType::OddFamily:
        return word(t.familyNames, a.familyIndex);
    case QuestionType::OddEater:
        return word(t.eaterNames, a.eaterIndex);
    case QuestionType::OddBiome:
        return biomeList(t, a, true);
    default:
        return maxDifficulty <= 2 ? a.name : a.fullName;
    }
}

QString promptText(const Knowledge& kb, int maxDifficulty, int kind, int animal,
                   QuestionType qtype) {
    const QuestionType current = kb.questionType;
    switch (kind) {
    case 2:
        return attributeText(kb, maxDifficulty, animal, current);
    case 6:
        if (current == QuestionType::ClassFamily || current == QuestionType::ClassEater)
            return "Pick the description for this creature";
        if (current == QuestionType::Biomes) return "Pick the places where this creature lives";
        return "parameter " + questionTypeName(kb) + " not set LMATCH";
    case 7:
        return (current == QuestionType::OddBiome ? "Click on the animal that does NOT live in "
                                                  : "Click on animal that is NOT a ") +
               attributeText(kb, maxDifficulty, animal, qtype);
    default:
        return " unanticipated label " + QString::number(kind);
    }
}

void askQuestion(Knowledge& kb, Ui& ui, QuestionType qtype) {
    kb.questionType = qtype;
    if (!isPlayable(qtype)) {
        ui.message("!!! unanticipated question type " + QString::number(questionTypeNumber(qtype)));
        return;
    }
    ui.showQuestion(qtype);
}

void showAnimalEditor(Ui& ui) {
    ui.showAnimalEditor();
}

QString questionTypeName(const CategoryTables& tables, QuestionType type) {
    return word(tables.questionTypeNames, questionTypeNumber(type));
}

QString questionTypeName(const Knowledge& kb) {
    return questionTypeName(kb.tables, kb.questionType);
}

QString resultsHeading(const Knowledge& kb) {
    return "Results for " + questionTypeName(kb);
}

int firstBiome(const AnimalRecord& animal) {
    for (int i = 0; i < biomeCount; ++i)
        if (animal.biomes[size_t(i)] >= 1) return i;
    return -1;
}
