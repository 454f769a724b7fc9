// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// libtrivia.so as a container sees it: loaded by path, entered only through its exports.

#include "framework/interfaces.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

inline constexpr trivia::Guid clsidQsort = trivia::guid("{98EA3F4B-2884-4DBB-9BCD-30B827A7D779}");
inline constexpr trivia::Guid clsidFile = trivia::guid("{E5247A21-28CC-44CD-902E-69A381D0B555}");

// The library loaded for one test and unloaded at its end, or earlier by unload().
struct Library {
    void* handle = dlopen(TRIVIA_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    using CanUnload = int32_t (*)();
    using GetClassObject = int32_t (*)(const trivia::Guid*, const trivia::Guid*, void**);
    using Register = int32_t (*)();

    Library() = default;
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() { unload(); }

    // True when the library is no longer loaded.
    bool unload() {
        const bool closed = !handle || dlclose(handle) == 0;
        handle = nullptr;
        return closed;
    }
    template <class F> F entry(const char* name) const {
        return reinterpret_cast<F>(dlsym(handle, name));
    }
    int32_t canUnloadNow() const { return entry<CanUnload>("DllCanUnloadNow")(); }
    int32_t getClassObject(const trivia::Guid& clsid, const trivia::Guid& iid, void** ppv) const {
        return entry<GetClassObject>("DllGetClassObject")(&clsid, &iid, ppv);
    }
    int32_t registerServer() const { return entry<Register>("DllRegisterServer")(); }
    int32_t unregisterServer() const { return entry<Register>("DllUnregisterServer")(); }
    trivia::IClassFactory* factory(const trivia::Guid& clsid) const {
        void* p = nullptr;
        getClassObject(clsid, trivia::IID_IClassFactory, &p);
        return static_cast<trivia::IClassFactory*>(p);
    }
};

inline QString libraryPath() {
    return QFileInfo(QStringLiteral(TRIVIA_LIBRARY)).canonicalFilePath();
}

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Whether the library is in this process's memory.
inline bool libraryMapped() {
    return readAll(QStringLiteral("/proc/self/maps")).contains(libraryPath().toUtf8());
}
