// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "formats/twips.h"

#include <QFont>

// The drawn fonts mapped onto the desktop's own families.
QFont serifFont(qreal pointSize, bool bold = false);
QFont sansFont(qreal pointSize, bool bold = false);
