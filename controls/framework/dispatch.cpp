#include "dispatch.h"

namespace trivia {

void Dispatcher::bind(const QString& name, Handlers h) {
    const MemberDesc* m = desc_.member(name);
    Q_ASSERT_X(m, "Dispatcher::bind", qPrintable(name));
    if (m) handlers_.insert(m->id, std::move(h));
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

HResult Dispatcher::invoke(int32_t id, uint16_t flags, DispParams* params, Variant* result,
                           ExcepInfo* excep) const {
    const MemberDesc* m = desc_.member(id);
    const auto h = handlers_.constFind(id);
    if (!m || h == handlers_.constEnd()) return DISP_E_MEMBERNOTFOUND;
    try {
        return run(*m, *h, flags, params, result);
    } catch (const ComError& e) {
        if (excep) *excep = {e.code(), e.description()};
        return e.code() == DISP_E_TYPEMISMATCH || e.code() == DISP_E_OVERFLOW ? e.code()
                                                                              : DISP_E_EXCEPTION;
    } catch (const std::exception&) {
        if (excep) *excep = {E_UNEXPECTED, QStringLiteral("Unexpected error")};
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
        if (result) *result = v;
        return S_OK;
    }
    if (m.kind != MemberKind::Method && (flags & putFlag) && h.put) {
        if (argc != 1) return DISP_E_BADPARAMCOUNT;
        h.put(params->args[0]);
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

HResult TypeInfo::QueryInterface(const Guid& iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (iid != IID_IUnknown && iid != IID_ITypeInfo) return E_NOINTERFACE;
    *ppv = static_cast<ITypeInfo*>(this);
    AddRef();
    return S_OK;
}

uint32_t TypeInfo::Release() {
    const uint32_t n = refs_.release();
    if (n == 0) delete this;
    return n;
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
    *desc = desc_.members[static_cast<int>(index)];
    return S_OK;
}

} // namespace trivia
