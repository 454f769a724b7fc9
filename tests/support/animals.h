// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/categories.h"

#include <QList>

#include <initializer_list>

// Animals made to measure for a test: difficulty, class, family, eating habit and the
// biomes they live in.
AnimalRecord beast(const QString& name, int difficulty, int cls, int family, int eater,
                   std::initializer_list<int> biomes = {1});

// Five animals far apart in every category, then five mice: enough for every kind of question.
QList<AnimalRecord> fiveApartFiveMice();

// Puts the animals into slots 1.. and sets the count.
void fill(Knowledge& kb, const QList<AnimalRecord>& animals);

// The delivered velk.dat, read with the program's own reader; fails the test when unreadable.
bool loadDelivered(Knowledge& kb);
