// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One answer as the history keeps it. Animals go by their picture file without its folder,
// which stays when the editor renumbers them.
struct Answer {
    qint64 time = 0; // milliseconds since 1970, UTC
    int player = 0;
    int kind = 0;      // the number of the question kind
    QStringList asked; // every animal the question showed
    QString subject;   // the animal the answer is about
    QString answered;  // the animal the player gave; empty for a name not found
    bool right = false;
    int points = 0;
    int possible = 0;
    friend bool operator==(const Answer&, const Answer&) = default;
};

// A player's right answers, counted where they are kept: every animal answered right at
// least once, and per kind of question the right answers of each week before `now`.
struct RightAnswers {
    QStringList animals;
    struct Week {
        int kind = 0;
        int week = 0; // 0: the seven days up to now
        int count = 0;
        friend bool operator==(const Week&, const Week&) = default;
    };
    QList<Week> weeks;
};

// A child who plays: a name, and an animal picture to find it by.
struct Player {
    int id = 0;
    QString name;
    QString avatar; // a picture file as velk.dat names it; empty for none
    friend bool operator==(const Player&, const Player&) = default;
};

// Where answers and players are kept, on this computer alone. There is always at least one
// player: a fresh history makes one.
class History {
public:
    virtual ~History() = default;
    // The answers of one question, kept together or not at all.
    virtual bool record(const QList<Answer>& answers) = 0;
    // A player's answers from `since` on (0: all players), oldest first.
    virtual QList<Answer> answers(int player, qint64 since) = 0;
    // The right answers of a player, of the last `weeks` weeks of `weekMs` for the counts.
    virtual RightAnswers rightAnswers(int player, qint64 now, qint64 weekMs, int weeks) = 0;

    virtual QList<Player> players() = 0;
    // The new player's id, or 0 when it could not be kept.
    virtual int addPlayer(const QString& name, const QString& avatar) = 0;
    virtual bool changePlayer(const Player& player) = 0;
    // Removes a player and their answers; the last player stays.
    virtual bool removePlayer(int id) = 0;
};
