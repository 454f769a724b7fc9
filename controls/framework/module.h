// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "interfaces.h"

#include <algorithm>
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

// Ends an object when its last reference goes.
template <class T> uint32_t releaseRef(T* object, RefCount& refs) {
    const uint32_t n = refs.release();
    if (n == 0) delete object;
    return n;
}

// QueryInterface for an object with one interface `I` (and those it derives from).
template <class I>
HResult queryOne(I* self, const Guid& iid, std::initializer_list<Guid> ids, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (iid != IID_IUnknown && std::find(ids.begin(), ids.end(), iid) == ids.end())
        return E_NOINTERFACE;
    *ppv = self;
    self->AddRef();
    return S_OK;
}

} // namespace trivia
