// SPDX-License-Identifier: GPL-2.0-or-later
#include "twips.h"

namespace {
QFont font(QFont::StyleHint hint, const char* family, qreal pointSize, bool bold) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setStyleHint(hint);
    return f;
}
} // namespace

QFont serifFont(qreal pointSize, bool bold) {
    return font(QFont::Serif, "serif", pointSize, bold);
}

QFont sansFont(qreal pointSize, bool bold) {
    return font(QFont::SansSerif, "sans-serif", pointSize, bold);
}
