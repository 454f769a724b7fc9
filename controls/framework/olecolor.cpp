// SPDX-License-Identifier: GPL-2.0-or-later
#include "olecolor.h"

#include "result.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace trivia {

QColor toQColor(OleColor c) {
    if (c & 0x80000000u) {
        // The few system colours a control is likely to be given.
        const QPalette p = QGuiApplication::palette();
        switch (c & 0xFF) {
        case 5:
            return p.color(QPalette::Base); // window background
        case 8:
            return p.color(QPalette::Text); // window text
        case 15:
            return p.color(QPalette::Button); // button face
        case 18:
            return p.color(QPalette::ButtonText); // button text
        default:
            return p.color(QPalette::Window);
        }
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

OleColor oleColorOf(const Variant& v) {
    const double d = v.toDouble();
    if (!std::isfinite(d) || d < -2147483648.0 || d > 4294967295.0)
        throw ComError(DISP_E_OVERFLOW, QStringLiteral("Overflow"));
    return static_cast<OleColor>(static_cast<int64_t>(std::nearbyint(d)));
}

} // namespace trivia
