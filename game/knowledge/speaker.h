// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The short sounds of a game.
enum class Sound { right, wrong, wordWon, wordLost, cheerSmall, cheerMedium, cheerBig };
inline constexpr int soundCount = 7;

// What the game asks of its loudspeaker. The program answers with the desktop's sound
// system; tests answer with a recorder.
class Speaker {
public:
    virtual ~Speaker() = default;
    // Starts the sound and returns at once; without a sound device nothing is heard, and
    // nothing said about it either.
    virtual void play(Sound sound) = 0;
};
