// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "categories.h"

#include "formats/result.h"

#include <QString>

class QIODevice;
class Ui;

// velk.dat: one line of 17 comma-separated values per animal, three quoted texts and
// fourteen integers.

// Reads every record of `in` into kb.animals 1.. and sets kb.animalCount. A failure holds
// the message for the user (what went wrong, CR LF, "last item " n " " name), with
// kb.animalCount left as it was.
Result<void> readAnimals(QIODevice& in, Knowledge& kb);

// Writes animals 1..animalCount, one CR LF line each; a failure holds the description of
// the error.
Result<void> writeAnimals(QIODevice& out, const Knowledge& kb);

// The file-level entries: open, read or write, report through the port.
void loadAnimals(Knowledge& kb, Ui& ui, const QString& fileName);
void saveAnimals(const Knowledge& kb, Ui& ui, const QString& fileName);
void loadAnimalFile(Knowledge& kb, Ui& ui); // "velk.dat" in the current folder

inline constexpr char animalFileName[] = "velk.dat";
