// SPDX-License-Identifier: GPL-2.0-or-later
#include "classfactory.h"

#include <QtGlobal>

#include <new>

namespace trivia {

HResult ClassFactory::QueryInterface(const Guid& iid, void** ppv) {
    return queryOne<IClassFactory>(this, iid, {IID_IClassFactory}, ppv);
}

uint32_t ClassFactory::Release() {
    return releaseRef(this, refs_);
}

HResult ClassFactory::CreateInstance(IUnknown* outer, const Guid& iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IUnknown* object = nullptr;
    try {
        object = create_();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const ComError& e) {
        // A control that cannot be made whole says why where its developer will look.
        qCritical("%s", qPrintable(e.description()));
        return e.code();
    } catch (...) {
        return E_UNEXPECTED;
    }
    if (!object) return E_OUTOFMEMORY;
    const HResult r = object->QueryInterface(iid, ppv);
    object->Release();
    return r;
}

HResult ClassFactory::LockServer(int32_t lock) {
    if (lock)
        module::lock();
    else
        module::unlock();
    return S_OK;
}

} // namespace trivia
