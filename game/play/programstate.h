// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/categories.h"
#include "knowledge/random.h"
#include "play/gamefolders.h"
#include "play/playerflag.h"
#include "play/players.h"
#include "play/language.h"
#include "play/score.h"
#include "play/settings.h"
#include "play/sounds.h"
#include "play/speech.h"

class Ui;

// Everything the game shares for a whole run, created once in main() and handed down by
// reference. Tests build their own.
struct ProgramState {
    explicit ProgramState(Ui& ui)
        : ui(ui), random(ownRandom_), speech(ui), fullScreen(ui), sounds(ui) {}
    // Tests bring chance of their own.
    ProgramState(Ui& ui, Random& random)
        : ui(ui), random(random), speech(ui), fullScreen(ui), sounds(ui) {}

private:
    Random ownRandom_;

public:
    Ui& ui;
    Random& random;
    Knowledge knowledge;
    GameSettings settings;
    GameFolders folders;
    Scores scores;
    Speech speech;              // reading aloud, off unless the player chose it
    FullScreen fullScreen;      // the player's windows fill the screen
    Sounds sounds;              // on unless the player switched them off
    bool stopRequested = false; // the player ended the game on a question screen
    int16_t nameMeWorth = 0;    // the points of a Name-me question, and the misses it allows
    Language language;          // the texts' and names' language; English until chosen
    PlayerRecords players;      // who is playing, and what they answered before
};
