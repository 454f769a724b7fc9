// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/e.h"
#include "history/h.h"
#include "widgets/w.h"
