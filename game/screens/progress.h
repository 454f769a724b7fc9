// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/categories.h"
#include "play/history.h"

#include <QList>

#include <array>

// What "My animals" shows of one player's answers: every animal, and whether the child has
// ever answered it right; and per kind of question the right answers of the last weeks.
struct Progress {
    static constexpr int weeks = 8;
    static constexpr qint64 weekMs = 7LL * 24 * 3600 * 1000;
    struct Card {
        int animal = 0;
        bool known = false;
    };
    QList<Card> cards; // in the order of velk.dat
    int known = 0;     // cards answered right at least once
    // [kind - 1][week], week 0 the one ending `now`, weeks - 1 the oldest.
    std::array<std::array<int, weeks>, questionTypeCount> rightPerWeek{};
};

Progress progressOf(const Knowledge& kb, const RightAnswers& right);
