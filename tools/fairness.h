// SPDX-License-Identifier: GPL-2.0-or-later
// What the fairness measurement (tools/oddoutfairness) and the test of the delivered data both
// need: the backdrop a picture stands on, and one odd-one-out question drawn by the game's rules.
#pragma once

#include "knowledge/draw.h"

#include <QImage>

#include <array>
#include <cstdlib>

namespace backdrop {

using Corners = std::array<QRgb, 4>;

inline Corners cornersOf(const QImage& image) {
    Corners c{};
    if (image.isNull()) return c;
    const int w = image.width(), h = image.height();
    const QPoint points[] = {{2, 2}, {w - 3, 2}, {2, h - 3}, {w - 3, h - 3}};
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = image.pixel(points[i]);
    return c;
}

// JPEG noise aside: a step a person would see as another colour.
inline bool same(const Corners& x, const Corners& y) {
    constexpr int step = 12;
    for (size_t i = 0; i < x.size(); ++i)
        if (std::abs(qRed(x[i]) - qRed(y[i])) > step ||
            std::abs(qGreen(x[i]) - qGreen(y[i])) > step ||
            std::abs(qBlue(x[i]) - qBlue(y[i])) > step)
            return false;
    return true;
}

} // namespace backdrop

// Draws the four animals of an odd-one-out question of kb.questionType into kb.chosen, as a
// question screen does; false when the game could not fill it.
inline bool drawOddOneOut(Knowledge& kb, DifficultyWindow window, Random& random, Ui& ui) {
    kb.chosen = {};
    for (int slot = 0; slot < 4; ++slot)
        if (pickAnimal(kb, window, random, ui, slot) < 0) return false;
    return true;
}
