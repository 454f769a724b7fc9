#pragma once

#include "framework/dispatch.h"

#include <QPointer>

class QWebEngineView;

namespace trivia {

// The embedded web browser as a late-bound object: Navigate (104) takes the address,
// LocationURL (211) reads where it was last sent.
class WebBrowser final : public IDispatch {
public:
    explicit WebBrowser(QWebEngineView* view);

    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return refs_.add(); }
    uint32_t Release() override;
    HResult GetTypeInfoCount(uint32_t* count) override;
    HResult GetTypeInfo(uint32_t index, uint32_t lcid, ITypeInfo** info) override;
    HResult GetIDsOfNames(const Guid& iid, const QString* names, uint32_t count, uint32_t lcid,
                          int32_t* ids) override;
    HResult Invoke(int32_t id, const Guid& iid, uint32_t lcid, uint16_t flags, DispParams* params,
                   Variant* result, ExcepInfo* excep, uint32_t* argErr) override;

private:
    RefCount refs_;
    QPointer<QWebEngineView> view_;
    Dispatcher dispatcher_;
};

} // namespace trivia
