// SPDX-License-Identifier: GPL-2.0-or-later
#include "animals.h"

#include "knowledge/animalfile.h"

#include <QFile>

AnimalRecord beast(const QString& name, int difficulty, int cls, int family, int eater,
                   std::initializer_list<int> biomes) {
    AnimalRecord a;
    a.name = name;
    a.fullName = "Common " + name;
    a.picture = "pictures/" + name.toLower() + ".jpg";
    a.difficulty = int16_t(difficulty);
    a.classIndex = cls;
    a.familyIndex = family;
    a.eaterIndex = eater;
    for (int b : biomes)
        a.biomes[size_t(b)] = 1;
    return a;
}

QList<AnimalRecord> fiveApartFiveMice() {
    QList<AnimalRecord> animals{beast("Lion", 1, 0, 1, 1, {1}), beast("Owl", 1, 1, 5, 1, {4}),
                                beast("Frog", 1, 3, 7, 2, {6}), beast("Cow", 1, 0, 3, 0, {1, 4}),
                                beast("Ant", 1, 4, 9, 3, {0})};
    for (int i = 0; i < 5; ++i)
        animals << beast(QString("Mouse%1").arg(i), 1, 0, 4, 0, {4});
    return animals;
}

void fill(Knowledge& kb, const QList<AnimalRecord>& animals) {
    for (int i = 0; i < animals.size(); ++i)
        kb.animals[size_t(i + 1)] = animals[i];
    kb.animalCount = int16_t(animals.size());
}

bool loadDelivered(Knowledge& kb) {
    QFile file(QStringLiteral(VELK_DATA_DIR "/velk.dat"));
    if (!file.open(QIODevice::ReadOnly)) return false;
    return readAnimals(file, kb) && kb.animalCount > 0;
}
