// SPDX-License-Identifier: GPL-2.0-or-later
#include "categories.h"

#include <QCoreApplication>

void buildCategoryTables(CategoryTables& t, int maxDifficulty) {
    t = CategoryTables{};

    t.questionTypeNames = {QT_TRANSLATE_NOOP("QuestionType", "Name"),
                           QT_TRANSLATE_NOOP("QuestionType", "Name me!"),
                           QT_TRANSLATE_NOOP("QuestionType", "Match animals by name"),
                           QT_TRANSLATE_NOOP("QuestionType", "Pick class, family"),
                           QT_TRANSLATE_NOOP("QuestionType", "Pick class, eater type"),
                           QT_TRANSLATE_NOOP("QuestionType", "Pick biomes"),
                           QT_TRANSLATE_NOOP("QuestionType", "Odd one out -- class"),
                           QT_TRANSLATE_NOOP("QuestionType", "Odd one out -- family"),
                           QT_TRANSLATE_NOOP("QuestionType", "Odd one out -- eater type"),
                           QT_TRANSLATE_NOOP("QuestionType", "Odd one out -- biome"),
                           ""};
    t.classNames = {QT_TRANSLATE_NOOP("Class", "Mammal"),  QT_TRANSLATE_NOOP("Class", "Bird"),
                    QT_TRANSLATE_NOOP("Class", "Reptile"), QT_TRANSLATE_NOOP("Class", "Amphibian"),
                    QT_TRANSLATE_NOOP("Class", "Insect"),  ""};
    t.biomeNames = {QT_TRANSLATE_NOOP("Biome", "Desert"), QT_TRANSLATE_NOOP("Biome", "Plains"),
                    QT_TRANSLATE_NOOP("Biome", "Jungle"), QT_TRANSLATE_NOOP("Biome", "Mountains"),
                    QT_TRANSLATE_NOOP("Biome", "Forest"), QT_TRANSLATE_NOOP("Biome", "Tundra"),
                    QT_TRANSLATE_NOOP("Biome", "Water"),  ""};

    // The grown-up words first; the two lower levels then overwrite what they say simpler.
    t.eaterNames = {
        QT_TRANSLATE_NOOP("Eater", "Herbivore"),   QT_TRANSLATE_NOOP("Eater", "Carnivore"),
        QT_TRANSLATE_NOOP("Eater", "Insectivore"), QT_TRANSLATE_NOOP("Eater", "Omnivore"),
        QT_TRANSLATE_NOOP("Eater", "Fishivore"),   ""};
    t.familyNames = {QT_TRANSLATE_NOOP("Family", "Misc"),
                     QT_TRANSLATE_NOOP("Family", "Carnivore"),
                     QT_TRANSLATE_NOOP("Family", "Primate"),
                     QT_TRANSLATE_NOOP("Family", "Grazing"),
                     QT_TRANSLATE_NOOP("Family", "Rodent"),
                     QT_TRANSLATE_NOOP("Family", "Raptor"),
                     QT_TRANSLATE_NOOP("Family", "Perching"),
                     QT_TRANSLATE_NOOP("Family", "Swimming"),
                     QT_TRANSLATE_NOOP("Family", "Wading"),
                     QT_TRANSLATE_NOOP("Family", "Ground"),
                     ""};

    if (maxDifficulty == 1 || maxDifficulty == 2) {
        t.eaterNames[0] = QT_TRANSLATE_NOOP("Eater", "Plant eater");
        t.eaterNames[1] = QT_TRANSLATE_NOOP("Eater", "Meat eater");
        t.eaterNames[2] = QT_TRANSLATE_NOOP("Eater", "Insect eater");
        t.eaterNames[3] = QT_TRANSLATE_NOOP("Eater", "Eats anything");
        t.eaterNames[4] = QT_TRANSLATE_NOOP("Eater", "Fish eater");
        t.familyNames[1] = QT_TRANSLATE_NOOP("Family", "Meat eater");
        t.familyNames[2] = QT_TRANSLATE_NOOP("Family", "Monkey");
        t.familyNames[3] = QT_TRANSLATE_NOOP("Family", "Plant eater");
        t.familyNames[5] = QT_TRANSLATE_NOOP("Family", "Hawk-like");
    }
    if (maxDifficulty == 1) {
        // Small children: every kind of hunter is a meat eater, and everything wet is water.
        for (int i = 2; i <= 4; ++i)
            t.eaterNames[i] = QT_TRANSLATE_NOOP("Eater", "Meat eater");
        t.familyNames[4] = QT_TRANSLATE_NOOP("Family", "Rat-like");
        t.familyNames[6] = QT_TRANSLATE_NOOP("Family", "Tree & brush");
        t.familyNames[7] = QT_TRANSLATE_NOOP("Family", "Water");
        t.familyNames[8] = QT_TRANSLATE_NOOP("Family", "Water");
    }
}

QString Knowledge::pictureFile(int n) const {
    if (n < 0 || n > maxAnimals) return {};
    return animals[n].picture;
}
