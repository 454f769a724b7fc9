// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "animal.h"
#include "localnames.h"
#include "questiontype.h"

#include <QString>

#include <array>

// The five word tables that turn an animal's numbers into words. Two of them follow the
// vocabulary level: small children read "Meat eater", grown-ups "Carnivore".
struct CategoryTables {
    std::array<QString, 11> questionTypeNames; // by the number of the kind
    std::array<QString, 6> classNames;
    std::array<QString, 11> familyNames;
    std::array<QString, 6> eaterNames;
    std::array<QString, 8> biomeNames;
};

// Fills every table afresh for the given highest difficulty, so nothing of an earlier
// level is left behind.
void buildCategoryTables(CategoryTables& tables, int maxDifficulty);

// The animal database and the question being asked: the program's knowledge.
struct Knowledge {
    std::array<AnimalRecord, maxAnimals + 1> animals{}; // slot 0 is never filled
    int16_t animalCount = 0;
    CategoryTables tables;
    QuestionType questionType = QuestionType::None;
    std::array<int16_t, 6> chosen{}; // slot 0: the question's reference animal
    LocalNames localNames;           // the names in the player's language; English without

    // The picture file of animal n; the empty text for a number outside 0..400.
    QString pictureFile(int n) const;
};
