// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "guid.h"
#include "result.h"
#include "variant.h"

#include <QList>
#include <QString>

#include <cstdint>

class QFont;
class QWidget;

namespace trivia {

// The interfaces keep the standard method order and signatures where a standard exists, so a
// host written against that layout can use the library.

inline constexpr Guid IID_IUnknown = guid("{00000000-0000-0000-C000-000000000046}");
inline constexpr Guid IID_IClassFactory = guid("{00000001-0000-0000-C000-000000000046}");
inline constexpr Guid IID_IDispatch = guid("{00020400-0000-0000-C000-000000000046}");
inline constexpr Guid IID_NULL{};
// Our own: the layout below is not the platform's.
inline constexpr Guid IID_IControl = guid("{9B610509-1978-46B3-B93A-661560918893}");
inline constexpr Guid IID_IPersistPropertyBag = guid("{0466530A-2B3D-457C-9B83-3332796C8123}");
inline constexpr Guid IID_IPropertyBag = guid("{ED211F3C-A9C0-44F9-8E51-C4E4B251CF0A}");
inline constexpr Guid IID_ITypeInfo = guid("{52C403C2-D170-4943-A83B-4942A256CD55}");

struct IUnknown {
    virtual HResult QueryInterface(const Guid& iid, void** ppv) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default; // only Release ends an object
};

struct IClassFactory : IUnknown {
    virtual HResult CreateInstance(IUnknown* outer, const Guid& iid, void** ppv) = 0;
    virtual HResult LockServer(int32_t lock) = 0;

protected:
    ~IClassFactory() = default;
};

// Invoke flags.
inline constexpr uint16_t DISPATCH_METHOD = 1;
inline constexpr uint16_t DISPATCH_PROPERTYGET = 2;
inline constexpr uint16_t DISPATCH_PROPERTYPUT = 4;
inline constexpr uint16_t DISPATCH_PROPERTYPUTREF = 8;

// Arguments in the order they are written in a call.
struct DispParams {
    Variant* args = nullptr;
    uint32_t count = 0;
};

struct ExcepInfo {
    HResult code = S_OK;
    QString description;
};

enum class MemberKind { Method, Property, PropertyRef, Event };

struct ParamDesc {
    QString name;
    QString type;
    bool byRef = false;
};

struct MemberDesc {
    QString name;
    int32_t id = 0;
    MemberKind kind = MemberKind::Method;
    QString type; // "long", "boolean", "font", "short", "olecolor", "string", "variant", "none"
    QList<ParamDesc> params;
};

// What a host asks about an interface: its id and its members in slot order.
struct ITypeInfo : IUnknown {
    virtual HResult GetTypeAttr(Guid* iid, uint32_t* memberCount) = 0;
    virtual HResult GetMemberDesc(uint32_t index, MemberDesc* desc) = 0;

protected:
    ~ITypeInfo() = default;
};

struct IDispatch : IUnknown {
    virtual HResult GetTypeInfoCount(uint32_t* count) = 0;
    virtual HResult GetTypeInfo(uint32_t index, uint32_t lcid, ITypeInfo** info) = 0;
    virtual HResult GetIDsOfNames(const Guid& iid, const QString* names, uint32_t count,
                                  uint32_t lcid, int32_t* ids) = 0;
    virtual HResult Invoke(int32_t id, const Guid& iid, uint32_t lcid, uint16_t flags,
                           DispParams* params, Variant* result, ExcepInfo* excep,
                           uint32_t* argErr) = 0;

protected:
    ~IDispatch() = default;
};

// The container's side of an embedded control. It outlives every control it is given to. A
// container may release or close the control from inside any of these calls.
struct IControlSite {
    // A property changed; the name is the one the property bag uses.
    virtual HResult OnChanged(int32_t id, const QString& name) = 0;
    virtual HResult GetAmbientFont(QFont* font) = 0;

protected:
    ~IControlSite() = default;
};

// A control's side of embedding: its widget is made when the container first asks for it.
struct IControl : IUnknown {
    virtual HResult SetSite(IControlSite* site) = 0;
    virtual HResult GetWidget(QWidget* parent, QWidget** widget) = 0;
    virtual HResult Close() = 0; // drops the widget and the site

protected:
    ~IControl() = default;
};

struct IPropertyBag : IUnknown {
    // E_INVALIDARG when the bag has no such key.
    virtual HResult Read(const QString& name, Variant* value) = 0;
    virtual HResult Write(const QString& name, const Variant& value) = 0;

protected:
    ~IPropertyBag() = default;
};

// Where a control tells its container which property of a bag it could not load, and why.
struct IErrorLog {
    virtual HResult AddError(const QString& property, const ExcepInfo& error) = 0;

protected:
    ~IErrorLog() = default;
};

struct IPersistPropertyBag : IUnknown {
    virtual HResult GetClassID(Guid* clsid) = 0;
    virtual HResult InitNew() = 0;
    // `log` may be null.
    virtual HResult Load(IPropertyBag* bag, IErrorLog* log) = 0;
    virtual HResult Save(IPropertyBag* bag, int32_t clearDirty, int32_t saveAll) = 0;

protected:
    ~IPersistPropertyBag() = default;
};

} // namespace trivia
