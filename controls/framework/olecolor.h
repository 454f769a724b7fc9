// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "variant.h"

#include <QColor>

#include <cstdint>

namespace trivia {

// An OLE colour: 0x00BBGGRR, or a system colour when the top bit is set.
using OleColor = uint32_t;

QColor toQColor(OleColor c);
// Colours travel as 32-bit integers; values past 0x7FFFFFFF arrive negative.
OleColor oleColorOf(const Variant& v);
inline Variant variantOf(OleColor c) {
    return Variant(static_cast<int32_t>(c));
}

} // namespace trivia
