// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "categories.h"

#include <QString>

class Ui;

// The words of a question. Every word comes from the tables, so it follows the vocabulary
// of the highest difficulty; names follow it too ("Lion" up to level 2, the full name
// from level 3), chosen at the moment of the call.

// The one attribute a question type is about, for one animal: the text of an option or a
// bar, and the text the drawing compares. A failed draw (a negative number) reads
// "i = " and the number.
QString attributeText(const Knowledge& kb, int maxDifficulty, int animal, QuestionType qtype);

// The same as the player reads it, in the game's language: category words translated, the
// animal's name from the names file. In English it is attributeText's text to the byte.
QString shownAttributeText(const Knowledge& kb, int maxDifficulty, int animal, QuestionType qtype);

// The line that tells the player what to do (kind 6: describe-this-image, kind 7:
// odd-one-out, for the current question type) or an option's caption (kind 2).
QString promptText(const Knowledge& kb, int maxDifficulty, int kind, int animal,
                   QuestionType qtype);

// Records the question type, then opens its screen and returns when the screen has closed.
void askQuestion(Knowledge& kb, Ui& ui, QuestionType qtype);

// Opens the animal editor and returns when it has closed.
void showAnimalEditor(Ui& ui);

// The name of a question type ("Odd one out -- biome"); empty outside the table.
QString questionTypeName(const CategoryTables& tables, QuestionType type);
// The name of the current question type.
QString questionTypeName(const Knowledge& kb);
// A word of a category table ("Class", "Family", "Eater", "Biome") in the game's language.
QString shownCategoryWord(const char* context, const QString& english);
// The name of a question type in the game's language.
QString shownTypeName(const CategoryTables& tables, QuestionType type);
QString shownTypeName(const Knowledge& kb);

// The odd-one-out verdict: "Correct -- Lion is not Bird". `english` for the quiz log.
QString oddOneOutVerdict(const Knowledge& kb, int maxDifficulty, bool right, bool english);

// "Results for " and the name of the current question type: the score board's heading.
QString resultsHeading(const Knowledge& kb);

// The lowest-numbered biome the animal lives in, or -1 when it lives in none.
int firstBiome(const AnimalRecord& animal);
