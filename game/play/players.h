// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "play/history.h"
#include "play/playerfile.h"

#include <functional>
#include <memory>
#include <vector>

struct Knowledge;
struct ProgramState;

// Animals go into the history by picture file alone: the folder is where it lies today, and
// the number changes when the editor sorts them. Empty for a number outside the animals.
QString animalKey(const Knowledge& kb, int n);

// Who is playing, and the history of their answers. The history is opened when it is first
// needed, once the menu is up: a game that starts never waits for it.
class PlayerRecords {
public:
    using Opener = std::function<std::unique_ptr<History>()>;
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // The history, opened at the first call; none where it cannot be kept.
    History* history();
    // Only what the history holds so far; never opens it.
    bool opened() const { return opened_; }

    int current = 1;             // the id of the player playing
    bool practise = false;       // missed animals come back in this game
    std::vector<int16_t> missed; // their recently missed animals, most recent first
    PlayerFile file;             // the player's own settings, where the practise switch lives

private:
    Opener opener_;
    std::unique_ptr<History> history_;
    bool opened_ = false;
};

// The answers of the last four weeks say which animals come back.
inline constexpr qint64 practiseWindowMs = 28LL * 24 * 3600 * 1000;

// The practise switch of one player in the player's own settings file.
QString practiseKey(int player);
bool practiseOn(const PlayerRecords& records, int player);
bool setPractise(PlayerRecords& records, int player, bool on);

// The subjects whose latest answer was wrong, most recent first.
QStringList recentlyMissed(const QList<Answer>& answersOldestFirst);

// Before a game: the player's practise switch and missed animals.
void beginPlayerGame(ProgramState& state);

// One answer about `subject` (an animal number); `given` is the animal the player chose, 0
// for none.
struct Reply {
    int subject = 0;
    int given = 0;
    bool right = false;
    int points = 0;
    int possible = 0;
};
// Keeps the replies to the question being asked, together, and updates the missed animals.
void recordReplies(ProgramState& state, const QList<Reply>& replies);
