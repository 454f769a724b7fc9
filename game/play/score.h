// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>

// The score of one player in the game being played.
struct PlayerScore {
    int16_t points = 0;   // earned in this game
    int16_t possible = 0; // what the questions asked so far were worth
    int16_t percent = 0;  // points as a whole percentage of possible, rounded down

    friend bool operator==(const PlayerScore&, const PlayerScore&) = default;
};

// Every player's score; a game always plays player 0.
struct Scores {
    std::array<PlayerScore, 6> players{};
    int16_t currentPlayer = 0;

    PlayerScore& current() { return players[size_t(currentPlayer)]; }
    const PlayerScore& current() const { return players[size_t(currentPlayer)]; }
};

// Adds one answer to the current player: 10 of 15 makes 66 percent. `report` is kept for
// callers that pass it and does nothing.
void addScore(Scores& scores, int points, int possible, int report);

// "Current score: 15 of 20  (75%)": the running score under every answer.
QString scoreCaptionText(const PlayerScore& score);
// "You scored 15 out of 20 (75%)": the end of a game.
QString finalScoreText(const PlayerScore& score);
