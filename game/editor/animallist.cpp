// SPDX-License-Identifier: GPL-2.0-or-later
#include "animallist.h"

#include "knowledge/ui.h"
#include "knowledge/wording.h"
#include "play/gamefolders.h"
#include "play/programstate.h"

#include "formats/printzones.h"
#include "formats/textfile.h"

#include <QCoreApplication>

namespace {

// The question types whose attribute is the word we list: the list speaks as the
// questions do, and an index outside its table reads as no word.
constexpr QuestionType biomesWord = QuestionType::Biomes, classWord = QuestionType::OddClass,
                       familyWord = QuestionType::OddFamily, eaterWord = QuestionType::OddEater;

QString listLine(const Knowledge& kb, int difficulty, int i) {
    const AnimalRecord& a = kb.animals[size_t(i)];
    auto word = [&](QuestionType qtype) { return attributeText(kb, difficulty, i, qtype); };
    return PrintZoneLine()
        .text(zoneNumber(difficulty) + zoneNumber(i) + a.fullName + " " + a.name + "  ")
        .text(word(classWord))
        .text(word(familyWord))
        .text(word(eaterWord))
        .text(" " + word(biomesWord))
        .toString();
}

} // namespace

QString animalListText(const Knowledge& kb, int minDifficulty, int maxDifficulty) {
    QString text;
    for (int d = minDifficulty; d <= maxDifficulty; ++d)
        for (int i = 1; i <= maxAnimals; ++i) // every slot, loaded or not
            if (kb.animals[size_t(i)].difficulty == d) text += listLine(kb, d, i);
    return text;
}

void storeAnimalList(ProgramState& state) {
    if (!state.ui.confirm(
            QCoreApplication::translate("AnimalList", "Store animal list to file"),
            QCoreApplication::translate("AnimalList",
                                        "Ready to store list by difficulty in file 'animal.txt'")))
        return;
    const QByteArray bytes =
        animalListText(state.knowledge, state.settings.minDifficulty, state.settings.maxDifficulty)
            .toUtf8();
    if (const auto stored = writeFileAtomically(animalListFileName, bytes); !stored)
        state.ui.message(QCoreApplication::translate(
                             "AnimalList", "The animal list could not be stored in %1: %2")
                             .arg(animalListFileName, stored.error()));
}
