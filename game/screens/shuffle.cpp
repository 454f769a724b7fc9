// SPDX-License-Identifier: GPL-2.0-or-later
#include "shuffle.h"

#include "knowledge/random.h"

void shuffleNeighbours(Random& random, int multiplier, const std::function<void(int j)>& swap) {
    for (int round = 0; round < 20; ++round) {
        const int j = int(multiplier * random.rnd());
        if (j > 0) swap(j);
    }
}
