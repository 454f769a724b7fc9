// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

class Random;

// Twenty swaps of neighbours: each round draws j = floor(multiplier * rnd()) and, when j > 0,
// swaps positions j - 1 and j. With a multiplier below the number of positions the last
// ones never move: that is how a screen keeps its answer away from one corner.
void shuffleNeighbours(Random& random, int multiplier, const std::function<void(int j)>& swap);
