// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>

// The kinds of question, numbered as velk.INI's switches, the settings list and the table
// of names count them. A number outside 1..9 can still be held: it is reported, never
// asked.
enum class QuestionType : int16_t {
    None = 0, // no question is being asked
    NameMe = 1,
    MatchNames = 2,
    ClassFamily = 3,
    ClassEater = 4,
    Biomes = 5,
    OddClass = 6,
    OddFamily = 7,
    OddEater = 8,
    OddBiome = 9,
};

inline constexpr int questionTypeCount = 9; // the playable kinds, numbered 1..9

// The edges that store or show a kind speak its number.
constexpr QuestionType questionTypeFromNumber(int number) {
    return QuestionType(int16_t(number));
}
constexpr int questionTypeNumber(QuestionType type) {
    return int(type);
}

constexpr bool isPlayable(QuestionType type) {
    return type >= QuestionType::NameMe && type <= QuestionType::OddBiome;
}

// Four pictures, one of which does not belong.
constexpr bool isOddOneOut(QuestionType type) {
    return type >= QuestionType::OddClass && type <= QuestionType::OddBiome;
}

// One picture, and the player picks the words that describe it.
constexpr bool isDescribe(QuestionType type) {
    return type >= QuestionType::ClassFamily && type <= QuestionType::Biomes;
}

// The kinds about where an animal lives; an animal of no biome cannot come up in them.
constexpr bool asksBiomes(QuestionType type) {
    return type == QuestionType::Biomes || type == QuestionType::OddBiome;
}
