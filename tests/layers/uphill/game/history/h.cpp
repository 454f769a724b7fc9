// SPDX-License-Identifier: GPL-2.0-or-later
#include "play/p.h"
#include "widgets/w.h"
