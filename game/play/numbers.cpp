// SPDX-License-Identifier: GPL-2.0-or-later
#include "numbers.h"

#include <cmath>
#include <limits>

namespace {
// Bounds come from text boxes and arithmetic; whatever they are, the result stays a
// 16-bit number.
int16_t toInt16(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (r > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return int16_t(r);
}
} // namespace

int16_t clampInt(int16_t value, double low, double high) {
    int16_t result = value;
    if (result < low) result = toInt16(low);
    if (result > high) result = toInt16(high);
    return result;
}
