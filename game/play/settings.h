// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/questiontype.h"

#include <QString>

#include <array>
#include <cstdint>

// The remembered window of a question screen or the score board.
struct FormLayout {
    int16_t windowState = 0; // 0 normal, 1 minimised, 2 maximised
    int32_t backColor = 0;
    int16_t height = 0; // twips
    int16_t width = 0;  // twips

    friend bool operator==(const FormLayout&, const FormLayout&) = default;
};

// Form numbers that index GameSettings::formLayout.
enum FormNumber : int { scoreBoardForm = 3, describeForm = 4, oddOneOutForm = 7, matchForm = 8 };

// Two values and a number kept in the file for no one else; written back as read.
struct ReservedGroup {
    QString first = "0"; // kept as read: a number or a text
    QString second = "0";
    int16_t third = 0;

    friend bool operator==(const ReservedGroup&, const ReservedGroup&) = default;
};

// The ranges the game plays in: questions per game, difficulty levels, log levels.
inline constexpr int16_t maxQuestions = 10;
inline constexpr int16_t maxLevelAllowed = 3;
inline constexpr int16_t onlineLogLevel = 2; // only the headings and the wrong answers

// The conditions of a game and the remembered windows, kept in velk.INI.
struct GameSettings {
    int16_t minDifficulty = 1;
    int16_t maxDifficulty = 1;
    int16_t questionCount = 5;
    int16_t logLevel = 0;
    // -1 on, 0 off; 1..9 are the playable question types, 0 and 10 are never changed.
    std::array<int16_t, 11> typeEnabled{0, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0};
    // The switch of one kind, found by its number as velk.INI keeps them.
    int16_t& typeSwitch(QuestionType t) { return typeEnabled[size_t(questionTypeNumber(t))]; }
    int16_t typeSwitch(QuestionType t) const { return typeEnabled[size_t(questionTypeNumber(t))]; }
    std::array<FormLayout, 11> formLayout{};
    QString titlePicture = "menu.jpg";
    int16_t spareValue1 = 0;
    int16_t spareValue2 = 0;
    std::array<ReservedGroup, 2> reserved{};

    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};
