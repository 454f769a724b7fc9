// SPDX-License-Identifier: GPL-2.0-or-later
#include "wording.h"

#include "ui.h"

#include <QCoreApplication>

namespace {

// An index outside its table is a data error; it reads as no word at all.
template <size_t N> QString word(const std::array<QString, N>& table, int index) {
    return index >= 0 && index < int(N) ? table[size_t(index)] : QString();
}

// The words of a category as the player reads them: English in, the game's language out.
struct Words {
    bool english;
    QString operator()(const char* context, const QString& text) const {
        return english || text.isEmpty() ? text
                                         : QCoreApplication::translate(context, text.toUtf8());
    }
};

// The forms a word takes inside the odd-one-out sentences ("kein Säugetier", "in der
// Wüste"): every word a table holds that a question can compare.
struct SentenceWord {
    const char* context;
    struct {
        const char* source;
        const char* comment;
    } text;
};
constexpr SentenceWord inSentence[] = {
    {"Class", QT_TRANSLATE_NOOP3("Class", "Mammal", "is NOT a ...")},
    {"Class", QT_TRANSLATE_NOOP3("Class", "Bird", "is NOT a ...")},
    {"Class", QT_TRANSLATE_NOOP3("Class", "Reptile", "is NOT a ...")},
    {"Class", QT_TRANSLATE_NOOP3("Class", "Amphibian", "is NOT a ...")},
    {"Class", QT_TRANSLATE_NOOP3("Class", "Insect", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Carnivore", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Primate", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Grazing", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Rodent", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Raptor", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Perching", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Swimming", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Wading", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Ground", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Meat eater", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Monkey", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Plant eater", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Hawk-like", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Rat-like", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Tree & brush", "is NOT a ...")},
    {"Family", QT_TRANSLATE_NOOP3("Family", "Water", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Herbivore", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Carnivore", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Insectivore", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Omnivore", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Fishivore", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Plant eater", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Meat eater", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Insect eater", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Eats anything", "is NOT a ...")},
    {"Eater", QT_TRANSLATE_NOOP3("Eater", "Fish eater", "is NOT a ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Desert", "does NOT live in ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Plains", "does NOT live in ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Jungle", "does NOT live in ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Mountains", "does NOT live in ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Forest", "does NOT live in ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Tundra", "does NOT live in ...")},
    {"Biome", QT_TRANSLATE_NOOP3("Biome", "Water", "does NOT live in ...")},
};

QString phrase(const char* context, const QString& text) {
    for (const auto& entry : inSentence)
        if (qstrcmp(entry.context, context) == 0 && text == QLatin1String(entry.text.source))
            return QCoreApplication::translate(context, entry.text.source, entry.text.comment);
    return QCoreApplication::translate(context, text.toUtf8());
}

QString biomeList(const CategoryTables& t, const AnimalRecord& a, bool firstOnly, Words words) {
    QString text;
    for (int i = 0; i < biomeCount; ++i) {
        if (a.biomes[size_t(i)] < 1) continue;
        text += words("Biome", t.biomeNames[size_t(i)]) + " ";
        if (firstOnly) break;
    }
    return text;
}

// The category that an odd-one-out question compares, as its context and English word.
std::pair<const char*, QString> comparedWord(const Knowledge& kb, int animal, QuestionType qtype) {
    const AnimalRecord& a = kb.animals[size_t(animal)];
    const CategoryTables& t = kb.tables;
    switch (qtype) {
    case QuestionType::OddClass:
        return {"Class", word(t.classNames, a.classIndex)};
    case QuestionType::OddFamily:
        return {"Family", word(t.familyNames, a.familyIndex)};
    case QuestionType::OddEater:
        return {"Eater", word(t.eaterNames, a.eaterIndex)};
    default:
        return {"Biome", word(t.biomeNames, firstBiome(a))};
    }
}

QString attribute(const Knowledge& kb, int maxDifficulty, int animal, QuestionType qtype,
                  Words words) {
    if (animal < 0) return "i = " + QString::number(animal);
    if (animal > maxAnimals) return {};
    const AnimalRecord& a = kb.animals[size_t(animal)];
    const CategoryTables& t = kb.tables;
    // Two words of a description, in the order the language puts them.
    const auto pair = [&](const QString& first, const QString& second) {
        return (words.english
                    ? QString("%1 %2")
                    : QCoreApplication::translate("Wording", "%1 %2", "class and family or eater"))
            .arg(first, second);
    };
    switch (qtype) {
    case QuestionType::ClassFamily:
        return pair(words("Class", word(t.classNames, a.classIndex)),
                    words("Family", word(t.familyNames, a.familyIndex)));
    case QuestionType::ClassEater:
        return pair(words("Class", word(t.classNames, a.classIndex)),
                    words("Eater", word(t.eaterNames, a.eaterIndex)));
    case QuestionType::Biomes:
        return biomeList(t, a, false, words);
    case QuestionType::OddClass:
        return words("Class", word(t.classNames, a.classIndex));
    case QuestionType::OddFamily:
        return words("Family", word(t.familyNames, a.familyIndex));
    case QuestionType::OddEater:
        return words("Eater", word(t.eaterNames, a.eaterIndex));
    case QuestionType::OddBiome:
        return biomeList(t, a, true, words);
    default:
        return words.english ? (maxDifficulty <= 2 ? a.name : a.fullName)
                             : shownName(kb, maxDifficulty, animal);
    }
}

} // namespace

QString attributeText(const Knowledge& kb, int maxDifficulty, int animal, QuestionType qtype) {
    return attribute(kb, maxDifficulty, animal, qtype, Words{true});
}

QString shownAttributeText(const Knowledge& kb, int maxDifficulty, int animal, QuestionType qtype) {
    return attribute(kb, maxDifficulty, animal, qtype, Words{false});
}

QString promptText(const Knowledge& kb, int maxDifficulty, int kind, int animal,
                   QuestionType qtype) {
    const QuestionType current = kb.questionType;
    switch (kind) {
    case 2:
        return shownAttributeText(kb, maxDifficulty, animal, current);
    case 6:
        if (current == QuestionType::ClassFamily || current == QuestionType::ClassEater)
            return QCoreApplication::translate("Wording", "Pick the description for this creature");
        if (current == QuestionType::Biomes)
            return QCoreApplication::translate("Wording",
                                               "Pick the places where this creature lives");
        return "parameter " + questionTypeName(kb) + " not set LMATCH";
    case 7: {
        // A reference animal always has the word compared; without it the words stay as
        // they were drawn.
        if (animal < 0 || animal > maxAnimals || !isOddOneOut(current) || !isOddOneOut(qtype) ||
            comparedWord(kb, animal, qtype).second.isEmpty())
            return (current == QuestionType::OddBiome ? "Click on the animal that does NOT live in "
                                                      : "Click on animal that is NOT a ") +
                   attributeText(kb, maxDifficulty, animal, qtype);
        const auto [context, english] = comparedWord(kb, animal, qtype);
        return current == QuestionType::OddBiome
                   ? QCoreApplication::translate("Wording",
                                                 "Click on the animal that does NOT live in %1 ")
                         .arg(phrase(context, english))
                   : QCoreApplication::translate("Wording", "Click on animal that is NOT a %1")
                         .arg(phrase(context, english));
    }
    default:
        return " unanticipated label " + QString::number(kind);
    }
}

QString oddOneOutVerdict(const Knowledge& kb, int maxDifficulty, bool right, bool english) {
    const int odd = kb.chosen[1], reference = kb.chosen[0];
    if (english)
        return QString(right ? "Correct -- " : "No, ") + kb.animals[size_t(odd)].name + " is not " +
               attributeText(kb, maxDifficulty, reference, kb.questionType);
    const auto [context, word] = comparedWord(kb, reference, kb.questionType);
    const QString name = shownShortName(kb, odd);
    if (kb.questionType == QuestionType::OddBiome)
        return (right ? QCoreApplication::translate("Wording", "Correct -- %1 is not %2 ",
                                                    "does not live in")
                      : QCoreApplication::translate("Wording", "No, %1 is not %2 ",
                                                    "does not live in"))
            .arg(name, phrase(context, word));
    return (right ? QCoreApplication::translate("Wording", "Correct -- %1 is not %2")
                  : QCoreApplication::translate("Wording", "No, %1 is not %2"))
        .arg(name, phrase(context, word));
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

QString shownCategoryWord(const char* context, const QString& english) {
    return Words{false}(context, english);
}

QString shownTypeName(const CategoryTables& tables, QuestionType type) {
    return Words{false}("QuestionType", questionTypeName(tables, type));
}

QString shownTypeName(const Knowledge& kb) {
    return shownTypeName(kb.tables, kb.questionType);
}

QString resultsHeading(const Knowledge& kb) {
    return QCoreApplication::translate("Wording", "Results for %1").arg(shownTypeName(kb));
}

int firstBiome(const AnimalRecord& animal) {
    for (int i = 0; i < biomeCount; ++i)
        if (animal.biomes[size_t(i)] >= 1) return i;
    return -1;
}
