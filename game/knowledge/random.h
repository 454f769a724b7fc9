// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRandomGenerator>

// The program's one source of chance. Seeded from the clock at start-up; tests seed it
// with a fixed number so every draw repeats, or script the draws outright.
class Random {
public:
    virtual ~Random() = default;
    void seed(quint32 value) { generator_.seed(value); }
    // A number in [0, 1).
    virtual double rnd() { return generator_.generateDouble(); }

private:
    QRandomGenerator generator_;
};
