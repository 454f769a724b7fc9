// SPDX-License-Identifier: GPL-2.0-or-later
#include "sounds.h"

#include "play/score.h"

Sound Sounds::cheerFor(const PlayerScore& score) {
    // A game of nothing but skips still ends with a small cheer: the child played.
    if (score.possible <= 0 || score.points * 3 < score.possible) return Sound::cheerSmall;
    return score.points * 3 < score.possible * 2 ? Sound::cheerMedium : Sound::cheerBig;
}
