// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/b.h"
#include "knowledge/ui.h"
#include <QString>
