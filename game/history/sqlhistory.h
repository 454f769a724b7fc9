// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "play/history.h"

#include <memory>

class Ui;

// The history's file in the player's work folder.
inline constexpr char historyFileName[] = "velkhistory.db";
// The schema this game writes; a file of an older one is brought up to it on opening.
inline constexpr int historySchemaVersion = 1;

// Opens the history in `folder`, making it when missing. A damaged file is set aside under a
// new name and a fresh one begun; a folder that cannot hold it gives no history. Either is
// told once through `ui`, and the game plays on.
std::unique_ptr<History> openSqlHistory(const QString& folder, Ui& ui);
