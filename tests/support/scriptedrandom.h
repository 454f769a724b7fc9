// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/random.h"

#include <QList>

// Chance with a script: the listed numbers first, then a fixed seed's sequence.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(QList<double> script = {}, quint32 seed = 1) : script_(script) {
        Random::seed(seed);
    }
    double rnd() override { return script_.isEmpty() ? Random::rnd() : script_.takeFirst(); }
    void push(std::initializer_list<double> values) { script_.append(QList<double>(values)); }

private:
    QList<double> script_;
};
