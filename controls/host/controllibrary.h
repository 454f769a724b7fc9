// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "framework/interfaces.h"

#include <QString>

namespace trivia {

// A control library loaded by path and entered through its four exports.
class ControlLibrary {
public:
    explicit ControlLibrary(QString path) : path_(std::move(path)) {}
    ~ControlLibrary() { unload(); }
    ControlLibrary(const ControlLibrary&) = delete;
    ControlLibrary& operator=(const ControlLibrary&) = delete;

    bool load(QString* error);
    bool isLoaded() const { return handle_ != nullptr; }
    const QString& path() const { return path_; }

    HResult canUnloadNow() const;
    HResult getClassObject(const Guid& clsid, const Guid& iid, void** ppv) const;
    HResult registerServer() const;
    HResult unregisterServer() const;
    // Unloads when the library says it may; true when it is no longer loaded.
    bool unloadIfUnused();

private:
    void unload();

    using Plain = int32_t (*)();
    using GetClassObject = int32_t (*)(const Guid*, const Guid*, void**);

    QString path_;
    void* handle_ = nullptr;
    Plain canUnloadNow_ = nullptr;
    GetClassObject getClassObject_ = nullptr;
    Plain register_ = nullptr;
    Plain unregister_ = nullptr;
};

} // namespace trivia
