// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "interfaces.h"
#include "typelib.h"

#include <functional>

namespace trivia {

// A library's description of itself: its project name, where its type library lies in its
// resources, and the code behind each of its classes.
struct ServerDesc {
    struct Class {
        QString name; // as in the type library
        std::function<IUnknown*(const TypeLibDesc&)> create;
    };
    QString project;
    QString typeLibResource;
    QList<Class> classes;
};

// The generic routines behind a library's four exports. None lets an exception out.
namespace server {
HResult canUnloadNow() noexcept;
HResult getClassObject(const ServerDesc& d, const Guid* clsid, const Guid* iid,
                       void** ppv) noexcept;
HResult registerServer(const ServerDesc& d) noexcept;
HResult unregisterServer(const ServerDesc& d) noexcept;

// The type library of a server, read once from its resources.
const TypeLibDesc* typeLib(const ServerDesc& d);
// The absolute path of the shared object this code was loaded from.
QString modulePath();
} // namespace server

} // namespace trivia
