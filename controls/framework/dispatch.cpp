// SPDX-License-Identifier: GPL-2.0-or-later
#include "dispatch.h"

namespace trivia {

void Dispatcher::bind(const QString& name, Handlers h) {
    const MemberDesc* m = desc_.member(name);
    if (!m)
        throw ComError(E_UNEXPECTED,
                       QStringLiteral("%1 has no member named %2").arg(desc_.name, name));
    handlers_.insert(m->id, std::move(h));
}

void Dispatcher::requireComplete() const {
    QStringList unbound;
    for (const auto& m : desc_.members)
        if (!handlers_.contains(m.id)) unbound << m.name;
    if (!unbound.isEmpty())
        throw ComError(E_UNEXPECTED, QStringLiteral("%1 has no code behind %2")
                                         .arg(desc_.name, unbound.join(QStringLiteral(", "))));
}

int32_t Dispatcher::idOf(const QString& name) const {
    const MemberDesc* m = desc_.member(name);
    return m ? m->id : 0;
}

HResult Dispatcher::idsOfNames(const QString* names, uint32_t count, int32_t* ids) const {
    if (!names || !ids) return E_POINTER;
    HResult r = S_OK;
    for (uint32_t i = 0; i < count; ++i) {
        const MemberDesc* m = desc_.member(names[i]);
        ids[i] = m ? m->id : -1;
        if (!m) r = DISP_E_UNKNOWNNAME;
    }
    return r;
}

HResult Dispatcher::typeInfoCount(uint32_t* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HResult Dispatcher::typeInfo(uint32_t index, ITypeInfo** info) const {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = new TypeInfo(desc_);
    return S_OK;
}

HResult Dispatcher::invoke(int32_t id, uint16_t flags, DispParams* params, Variant* result,
                           ExcepInfo* excep) const {
    const MemberDesc* m = desc_.member(id);
    const auto h = handlers_.constFind(id);
    if (!m || h == handlers_.constEnd()) return DISP_E_MEMBERNOTFOUND;
    try {
        return run(*m, *h, flags, params, result);
    } catch (const ComError& e) {
        if (excep) *excep = {e.code(), ownedCopy(e.description())};
        return e.code() == DISP_E_TYPEMISMATCH || e.code() == DISP_E_OVERFLOW ? e.code()
                                                                              : DISP_E_EXCEPTION;
    } catch (const std::exception&) {
        if (excep) *excep = {E_UNEXPECTED, ownedCopy(QStringLiteral("Unexpected error"))};
        return DISP_E_EXCEPTION;
    }
}

HResult Dispatcher::run(const MemberDesc& m, const Handlers& h, uint16_t flags, DispParams* params,
                        Variant* result) const {
    const uint32_t argc = params ? params->count : 0;
    if (argc && !params->args) return E_POINTER;
    const bool byRef = m.kind == MemberKind::PropertyRef;
    const uint16_t putFlag = byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    if (m.kind == MemberKind::Method && (flags & DISPATCH_METHOD) && h.call) {
        if (argc != static_cast<uint32_t>(m.params.size())) return DISP_E_BADPARAMCOUNT;
        h.call(QList<Variant>(params ? params->args : nullptr,
                              params ? params->args + argc : nullptr));
        if (result) *result = Variant();
        return S_OK;
    }
    if (m.kind != MemberKind::Method && (flags & DISPATCH_PROPERTYGET) && h.get) {
        if (argc != 0) return DISP_E_BADPARAMCOUNT;
        const Variant v = h.get();
        if (result) *result = v.ownedCopy();
        return S_OK;
    }
    if (m.kind != MemberKind::Method && (flags & putFlag) && h.put) {
        if (argc != 1) return DISP_E_BADPARAMCOUNT;
        h.put(params->args[0]);
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HResult DispatchBase::GetTypeInfoCount(uint32_t* count) {
    return Dispatcher::typeInfoCount(count);
}

HResult DispatchBase::GetTypeInfo(uint32_t index, uint32_t, ITypeInfo** info) {
    return dispatcher_.typeInfo(index, info);
}

HResult DispatchBase::GetIDsOfNames(const Guid&, const QString* names, uint32_t count, uint32_t,
                                    int32_t* ids) {
    return dispatcher_.idsOfNames(names, count, ids);
}

HResult DispatchBase::Invoke(int32_t id, const Guid&, uint32_t, uint16_t flags, DispParams* params,
                             Variant* result, ExcepInfo* excep, uint32_t*) {
    return dispatcher_.invoke(id, flags, params, result, excep);
}

HResult TypeInfo::QueryInterface(const Guid& iid, void** ppv) {
    return queryOne<ITypeInfo>(this, iid, {IID_ITypeInfo}, ppv);
}

uint32_t TypeInfo::Release() {
    return releaseRef(this, refs_);
}

HResult TypeInfo::GetTypeAttr(Guid* iid, uint32_t* memberCount) {
    if (!iid || !memberCount) return E_POINTER;
    *iid = desc_.iid;
    *memberCount = static_cast<uint32_t>(desc_.members.size());
    return S_OK;
}

HResult TypeInfo::GetMemberDesc(uint32_t index, MemberDesc* desc) {
    if (!desc) return E_POINTER;
    if (index >= static_cast<uint32_t>(desc_.members.size())) return DISP_E_BADINDEX;
    const MemberDesc& m = desc_.members[static_cast<int>(index)];
    *desc = {ownedCopy(m.name), m.id, m.kind, ownedCopy(m.type), {}};
    for (const ParamDesc& p : m.params)
        desc->params.append({ownedCopy(p.name), ownedCopy(p.type), p.byRef});
    return S_OK;
}

} // namespace trivia
