// SPDX-License-Identifier: GPL-2.0-or-later
#include "module.h"

namespace trivia::module {

namespace {
std::atomic<long> objects{0};
std::atomic<long> locks{0};
} // namespace

void objectCreated() {
    ++objects;
}
void objectDestroyed() {
    --objects;
}
void lock() {
    ++locks;
}
void unlock() {
    // An unbalanced unlock must not make the library look unloadable forever or too early.
    long n = locks.load();
    while (n > 0 && !locks.compare_exchange_weak(n, n - 1)) {
    }
}
long objectCount() {
    return objects;
}
long lockCount() {
    return locks;
}

} // namespace trivia::module
