// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "play/playerfile.h"

class Ui;

// One on/off choice of the player's, kept in their own settings file under `key`.
class PlayerFlag {
public:
    // `what` tells the player, in the "PlayerFlag" context, that the choice could not be kept
    // in the file %1.
    PlayerFlag(Ui& ui, const char* key, bool fallback, const char* what)
        : ui_(ui), key_(key), what_(what), on_(fallback) {}

    // Reads the choice from `fileName` and keeps it there from now on. Without a file, or with
    // one that cannot be read, the choice is the fallback and lasts for the run.
    void load(const QString& fileName);
    bool on() const { return on_; }
    // Stores the choice; where it cannot be kept the player is told, and it holds for the run.
    void setOn(bool on);

private:
    Ui& ui_;
    const char* key_;
    const char* what_;
    bool on_;
    PlayerFile file_;
};

// Whether the game's windows fill the screen: a game started full screen stays so from
// question to question.
class FullScreen : public PlayerFlag {
public:
    explicit FullScreen(Ui& ui)
        : PlayerFlag(ui, "fullScreen", false,
                     QT_TRANSLATE_NOOP("PlayerFlag", "The choice to fill the screen could not be "
                                                     "kept in %1. It holds until the game ends.")) {
    }
};
