// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "module.h"
#include "typelib.h"

#include <QHash>

#include <functional>

namespace trivia {

// Calls on a dispatch interface by member id, bound to the code behind each member. Whatever it
// hands back (results, error texts, descriptions) owns its characters.
class Dispatcher {
public:
    struct Handlers {
        std::function<Variant()> get;
        std::function<void(const Variant&)> put; // let, or set for a by-reference property
        std::function<void(const QList<Variant>&)> call;
    };

    explicit Dispatcher(InterfaceDesc desc) : desc_(std::move(desc)) {}

    const InterfaceDesc& desc() const { return desc_; }
    // Throws ComError when the interface has no member of that name.
    void bind(const QString& name, Handlers h);
    // Throws ComError naming every member that nothing is bound to.
    void requireComplete() const;
    int32_t idOf(const QString& name) const; // 0 when there is no such member

    // What IDispatch's GetTypeInfoCount and GetTypeInfo answer: one description.
    static HResult typeInfoCount(uint32_t* count);
    HResult typeInfo(uint32_t index, ITypeInfo** info) const;
    HResult idsOfNames(const QString* names, uint32_t count, int32_t* ids) const;
    HResult invoke(int32_t id, uint16_t flags, DispParams* params, Variant* result,
                   ExcepInfo* excep) const;

private:
    HResult run(const MemberDesc& m, const Handlers& h, uint16_t flags, DispParams* params,
                Variant* result) const;

    InterfaceDesc desc_;
    QHash<int32_t, Handlers> handlers_;
};

// IDispatch answered by a Dispatcher; what derives from it binds the members.
class DispatchBase : public IDispatch {
public:
    explicit DispatchBase(InterfaceDesc desc) : dispatcher_(std::move(desc)) {}

    HResult GetTypeInfoCount(uint32_t* count) override;
    HResult GetTypeInfo(uint32_t index, uint32_t lcid, ITypeInfo** info) override;
    HResult GetIDsOfNames(const Guid& iid, const QString* names, uint32_t count, uint32_t lcid,
                          int32_t* ids) override;
    HResult Invoke(int32_t id, const Guid& iid, uint32_t lcid, uint16_t flags, DispParams* params,
                   Variant* result, ExcepInfo* excep, uint32_t* argErr) override;

protected:
    ~DispatchBase() = default;
    Dispatcher& dispatcher() { return dispatcher_; }
    const Dispatcher& dispatcher() const { return dispatcher_; }

private:
    Dispatcher dispatcher_;
};

// The description of one interface, handed to hosts through IDispatch::GetTypeInfo.
class TypeInfo final : public ITypeInfo {
public:
    explicit TypeInfo(InterfaceDesc desc) : desc_(std::move(desc)) {}
    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return refs_.add(); }
    uint32_t Release() override;
    HResult GetTypeAttr(Guid* iid, uint32_t* memberCount) override;
    HResult GetMemberDesc(uint32_t index, MemberDesc* desc) override;

private:
    RefCount refs_;
    InterfaceDesc desc_;
};

} // namespace trivia
