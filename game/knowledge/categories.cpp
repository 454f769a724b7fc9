// SPDX-License-Identifier: GPL-2.0-or-later
#include "categories.h"

void buildCategoryTables(CategoryTables& t, int maxDifficulty) {
    t = CategoryTables{};

    t.questionTypeNames = {"Name",
                           "Name me!",
                           "Match animals by name",
                           "Pick class, family",
                           "Pick class, eater type",
                           "Pick biomes",
                           "Odd one out -- class",
                           "Odd one out -- family",
                           "Odd one out -- eater type",
                           "Odd one out -- biome",
                           ""};
    t.classNames = {"Mammal", "Bird", "Reptile", "Amphibian", "Insect", ""};
    t.biomeNames = {"Desert", "Plains", "Jungle", "Mountains", "Forest", "Tundra", "Water", ""};

    // The grown-up words first; the two lower levels then overwrite what they say simpler.
    t.eaterNames = {"Herbivore", "Carnivore", "Insectivore", "Omnivore", "Fishivore", ""};
    t.familyNames = {"Misc",     "Carnivore", "Primate", "Grazing", "Rodent", "Raptor",
                     "Perching", "Swimming",  "Wading",  "Ground",  ""};

    if (maxDifficulty == 1 || maxDifficulty == 2) {
        t.eaterNames[0] = "Plant eater";
        t.eaterNames[1] = "Meat eater";
        t.eaterNames[2] = "Insect eater";
        t.eaterNames[3] = "Eats anything";
        t.eaterNames[4] = "Fish eater";
        t.familyNames[1] = "Meat eater";
        t.familyNames[2] = "Monkey";
        t.familyNames[3] = "Plant eater";
        t.familyNames[5] = "Hawk-like";
    }
    if (maxDifficulty == 1) {
        // Small children: every kind of hunter is a meat eater, and everything wet is water.
        for (int i = 2; i <= 4; ++i)
            t.eaterNames[i] = "Meat eater";
        t.familyNames[4] = "Rat-like";
        t.familyNames[6] = "Tree & brush";
        t.familyNames[7] = "Water";
        t.familyNames[8] = "Water";
    }
}

QString Knowledge::pictureFile(int n) const {
    if (n < 0 || n > maxAnimals) return {};
    return animals[n].picture;
}
