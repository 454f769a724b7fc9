#pragma once

#include <atomic>
#include <cstdint>

namespace trivia {

// What keeps the library in memory: live objects (controls, factories, type infos) and
// LockServer locks. The library may be unloaded when both are zero.
namespace module {
void objectCreated();
void objectDestroyed();
void lock();
void unlock();
long objectCount();
long lockCount();
} // namespace module

// A reference count that also keeps the library loaded while it lives.
class RefCount {
public:
    RefCount() { module::objectCreated(); }
    ~RefCount() { module::objectDestroyed(); }
    RefCount(const RefCount&) = delete;
    RefCount& operator=(const RefCount&) = delete;
    uint32_t add() { return ++count_; }
    uint32_t release() { return --count_; }

private:
    std::atomic<uint32_t> count_{1};
};

} // namespace trivia
