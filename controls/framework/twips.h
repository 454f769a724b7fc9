#pragma once

#include <QFont>
#include <QRect>

namespace trivia {

// Design positions stay in twips in the code; 15 twips make one logical pixel.
constexpr int twips(int t) {
    return (t + 7) / 15;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// "MS Sans Serif" is the system sans serif here, at the same point size.
QFont sansSerif(double pointSize);

} // namespace trivia
