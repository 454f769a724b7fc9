// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>

// Brings value into [low, high]; when low > high the answer is high.
int16_t clampInt(int16_t value, double low, double high);
