// SPDX-License-Identifier: GPL-2.0-or-later
#include "editor/e.h"
#include "framework/f.h"
#include "history/h.h"
#include "knowledge/programinfo.h"
#include "screens/s.h"
