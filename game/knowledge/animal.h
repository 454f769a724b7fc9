// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One animal of the database, fields in the order of velk.dat.
struct AnimalRecord {
    QString name;     // the plain name a child uses
    QString fullName; // the full common name, shown from difficulty 3 on
    QString picture;  // picture file, relative to the program folder
    int16_t difficulty = 0;
    int32_t classIndex = 0;          // into classNames; negative: no class
    int32_t familyIndex = 0;         // into familyNames; 0 is "Misc"; negative: no family
    int32_t eaterIndex = 0;          // into eaterNames; negative: no eating habit
    std::array<int16_t, 8> biomes{}; // 1 or more: lives in biome i; entry 7 is never used
    int16_t reserved = 0;
    int16_t extra1 = 0; // three spare values, kept in the file and otherwise unused
    int16_t extra2 = 0;
    int16_t extra3 = 0;

    friend bool operator==(const AnimalRecord&, const AnimalRecord&) = default;
};

inline constexpr int maxAnimals = 400;
inline constexpr int biomeCount = 7; // biomes 0..6 carry meaning
