// SPDX-License-Identifier: GPL-2.0-or-later
#include "twips.h"

namespace trivia {

QFont sansSerif(double pointSize) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setWeight(QFont::Normal);
    return f;
}

} // namespace trivia
