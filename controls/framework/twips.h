// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "formats/twips.h"

#include <QFont>

namespace trivia {

// "MS Sans Serif" is the system sans serif here, at the same point size.
QFont sansSerif(double pointSize);

} // namespace trivia
