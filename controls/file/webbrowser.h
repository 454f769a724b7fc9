// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "framework/dispatch.h"

#include <QPointer>

class QWebEngineView;

namespace trivia {

// The embedded web browser as a late-bound object: Navigate (104) takes the address,
// LocationURL (211) reads where it was last sent.
class WebBrowser final : public DispatchBase {
public:
    explicit WebBrowser(QWebEngineView* view);

    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return refs_.add(); }
    uint32_t Release() override;

private:
    RefCount refs_;
    QPointer<QWebEngineView> view_;
};

} // namespace trivia
