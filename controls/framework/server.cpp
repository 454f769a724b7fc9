// SPDX-License-Identifier: GPL-2.0-or-later
#include "server.h"

#include "classfactory.h"
#include "module.h"
#include "registry.h"

#include <QFileInfo>
#include <QMutex>

#include <dlfcn.h>

#include <map>

namespace trivia::server {

namespace {

template <class F> HResult guarded(HResult onError, F&& f) noexcept {
    try {
        return f();
    } catch (...) {
        return onError;
    }
}

// The keys registration writes: the type library, each interface, each class and its ProgID.
QList<RegistryKey> registrationKeys(const TypeLibDesc& t, const QString& path) {
    const QString libid = t.libid.toString();
    QList<RegistryKey> keys;
    keys.append({QStringLiteral("TypeLib\\%1\\%2").arg(libid, t.version()),
                 {{QStringLiteral("@"), t.helpString},
                  {QStringLiteral("Name"), t.name},
                  {QStringLiteral("Path"), path},
                  {QStringLiteral("Flags"), QStringLiteral("0")}}});
    for (const auto& i : t.interfaces)
        keys.append({QStringLiteral("Interface\\") + i.iid.toString(),
                     {{QStringLiteral("@"), i.name},
                      {QStringLiteral("TypeLib"), libid},
                      {QStringLiteral("Version"), t.version()}}});
    for (const auto& c : t.classes) {
        keys.append({QStringLiteral("CLSID\\") + c.clsid.toString(),
                     {{QStringLiteral("@"), c.description},
                      {QStringLiteral("InprocServer32"), path},
                      {QStringLiteral("ProgID"), c.progId},
                      {QStringLiteral("Control"), QString()},
                      {QStringLiteral("ToolboxBitmap32"), path + QChar(',') + c.bitmap},
                      {QStringLiteral("TypeLib"), libid},
                      {QStringLiteral("Version"), t.version()}}});
        keys.append({c.progId,
                     {{QStringLiteral("@"), c.description},
                      {QStringLiteral("CLSID"), c.clsid.toString()}}});
    }
    return keys;
}

} // namespace

QString modulePath() {
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&modulePath), &info) || !info.dli_fname) return QString();
    return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).canonicalFilePath();
}

const TypeLibDesc* typeLib(const ServerDesc& d) {
    static QMutex mutex;
    // A map, not a hash: the factories keep pointers to what it holds.
    static std::map<QString, std::optional<TypeLibDesc>> loaded;
    QMutexLocker lock(&mutex);
    auto it = loaded.find(d.typeLibResource);
    if (it == loaded.end())
        it = loaded.emplace(d.typeLibResource, loadTypeLib(d.typeLibResource)).first;
    return it->second.has_value() ? &*it->second : nullptr;
}

HResult canUnloadNow() noexcept {
    return module::objectCount() == 0 && module::lockCount() == 0 ? S_OK : S_FALSE;
}

HResult getClassObject(const ServerDesc& d, const Guid* clsid, const Guid* iid,
                       void** ppv) noexcept {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (!clsid || !iid) return E_INVALIDARG;
    return guarded(E_UNEXPECTED, [&] {
        const TypeLibDesc* t = typeLib(d);
        const CoClassDesc* c = t ? t->coclass(*clsid) : nullptr;
        for (const auto& cls : d.classes) {
            if (!c || cls.name != c->name) continue;
            auto* factory = new ClassFactory([create = cls.create, t] { return create(*t); });
            const HResult r = factory->QueryInterface(*iid, ppv);
            factory->Release();
            return r;
        }
        return CLASS_E_CLASSNOTAVAILABLE;
    });
}

namespace {

// Writes or removes the keys of the server's registration.
HResult updateRegistration(const ServerDesc& d, bool add) noexcept {
    return guarded(SELFREG_E_CLASS, [&] {
        const TypeLibDesc* t = typeLib(d);
        if (!t) return SELFREG_E_TYPELIB;
        const auto keys = registrationKeys(*t, modulePath());
        Registry reg(Registry::defaultPath());
        const auto updated = reg.update([&](RegistryData& data) {
            for (const auto& k : keys)
                if (add)
                    data.setKey(k);
                else
                    data.removeKey(k.path);
        });
        return updated ? S_OK : SELFREG_E_CLASS;
    });
}

} // namespace

HResult registerServer(const ServerDesc& d) noexcept {
    return updateRegistration(d, true);
}

HResult unregisterServer(const ServerDesc& d) noexcept {
    return updateRegistration(d, false);
}

} // namespace trivia::server
