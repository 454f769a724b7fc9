// SPDX-License-Identifier: GPL-2.0-or-later
#include "p.h"
#include "../widgets/w.h"
#include "knowledge/k.h"
