// SPDX-License-Identifier: GPL-2.0-or-later
#include "controllibrary.h"

#include <dlfcn.h>

namespace trivia {

bool ControlLibrary::load(QString* error) {
    if (handle_) return true;
    handle_ = dlopen(path_.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        if (error) *error = QString::fromLocal8Bit(dlerror());
        return false;
    }
    canUnloadNow_ = reinterpret_cast<Plain>(dlsym(handle_, "DllCanUnloadNow"));
    getClassObject_ = reinterpret_cast<GetClassObject>(dlsym(handle_, "DllGetClassObject"));
    register_ = reinterpret_cast<Plain>(dlsym(handle_, "DllRegisterServer"));
    unregister_ = reinterpret_cast<Plain>(dlsym(handle_, "DllUnregisterServer"));
    if (canUnloadNow_ && getClassObject_ && register_ && unregister_) return true;
    if (error) *error = path_ + QStringLiteral(" is not a control library");
    unload();
    return false;
}

void ControlLibrary::unload() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
    canUnloadNow_ = nullptr;
    getClassObject_ = nullptr;
    register_ = unregister_ = nullptr;
}

HResult ControlLibrary::canUnloadNow() const {
    return handle_ ? canUnloadNow_() : S_OK;
}

HResult ControlLibrary::getClassObject(const Guid& clsid, const Guid& iid, void** ppv) const {
    if (!handle_) return E_UNEXPECTED;
    return getClassObject_(&clsid, &iid, ppv);
}

HResult ControlLibrary::registerServer() const {
    return handle_ ? register_() : E_UNEXPECTED;
}

HResult ControlLibrary::unregisterServer() const {
    return handle_ ? unregister_() : E_UNEXPECTED;
}

bool ControlLibrary::unloadIfUnused() {
    if (handle_ && canUnloadNow_() == S_OK) unload();
    return !handle_;
}

} // namespace trivia
