#pragma once

#include <QFont>
#include <QRect>

// Design positions are kept in twips, as the forms were drawn; 15 twips make one logical
// pixel.
inline constexpr int twipsPerPixel = 15;

int twips(int value);
QRect twipsRect(int left, int top, int width, int height);
int toTwips(int pixels);

// The drawn fonts mapped onto the desktop's own families.
QFont serifFont(qreal pointSize, bool bold = false);
QFont sansFont(qreal pointSize, bool bold = false);
