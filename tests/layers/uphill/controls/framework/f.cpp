// SPDX-License-Identifier: GPL-2.0-or-later
#include "formats/a.h"
#include "framework/g.h"
#include "play/p.h"
