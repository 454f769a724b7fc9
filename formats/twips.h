// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>

// Design positions are kept in twips, as the forms were drawn; 15 twips make one logical
// pixel. The game and the control library convert by this one rule: to the nearest pixel,
// a negative offset as far from zero as the same positive one.
inline constexpr int twipsPerPixel = 15;

constexpr int twips(int value) {
    // Division truncates toward zero, so the half pixel is added away from zero.
    const long long half = twipsPerPixel / 2;
    return int((value < 0 ? value - half : value + half) / twipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

constexpr int toTwips(int pixels) {
    return pixels * twipsPerPixel;
}
