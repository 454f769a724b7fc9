// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/speaker.h"
#include "play/playerflag.h"

struct PlayerScore;

// The game's sounds: on unless the player switched them off (a choice in their own file).
class Sounds : public PlayerFlag {
public:
    explicit Sounds(Ui& ui)
        : PlayerFlag(ui, "sounds", true,
                     QT_TRANSLATE_NOOP("PlayerFlag", "The choice to play sounds could not be kept "
                                                     "in %1. It holds until the game ends.")) {}

    void attach(Speaker& speaker) { speaker_ = &speaker; }
    // Never waits: the speaker only starts the sound.
    void play(Sound sound) {
        if (on() && speaker_) speaker_->play(sound);
    }
    // The cheer at the end of a game: the better the score, the bigger.
    static Sound cheerFor(const PlayerScore& score);

    static constexpr char switchText[] = QT_TRANSLATE_NOOP("Sounds", "Sounds");

private:
    Speaker* speaker_ = nullptr;
};
