#pragma once

#include <QRandomGenerator>

// The program's one source of chance. Seeded from the clock at start-up; tests seed it
// with a fixed number so every draw repeats.
class Random {
public:
    void seed(quint32 value) { generator_.seed(value); }
    // A number in [0, 1).
    double rnd() { return generator_.generateDouble(); }

private:
    QRandomGenerator generator_;
};
