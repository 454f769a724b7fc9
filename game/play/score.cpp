// SPDX-License-Identifier: GPL-2.0-or-later
#include "score.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// A score never wraps round into a negative number, however long the game.
int16_t saturate(int value) {
    return int16_t(std::clamp(value, int(std::numeric_limits<int16_t>::min()),
                              int(std::numeric_limits<int16_t>::max())));
}
} // namespace

void addScore(Scores& scores, int points, int possible, int /*report*/) {
    PlayerScore& s = scores.current();
    s.points = saturate(s.points + points);
    s.possible = saturate(s.possible + possible);
    // Whole percent, rounded down; nothing asked yet is nothing earned.
    s.percent =
        s.possible == 0 ? 0 : saturate(int(std::floor(float(s.points * 100) / float(s.possible))));
}

QString scoreCaptionText(const PlayerScore& s) {
    return QCoreApplication::translate("Score", "Current score: %1 of %2  (%3%)")
        .arg(s.points)
        .arg(s.possible)
        .arg(s.percent);
}

QString finalScoreText(const PlayerScore& s) {
    return QCoreApplication::translate("Score", "You scored %1 out of %2 (%3%)")
        .arg(s.points)
        .arg(s.possible)
        .arg(s.percent);
}
