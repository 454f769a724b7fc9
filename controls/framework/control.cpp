// SPDX-License-Identifier: GPL-2.0-or-later
#include "control.h"

#include <QApplication>

#include <utility>

namespace trivia {

namespace {

// Runs a persistence step; an error raised inside becomes the caller's result.
template <class F> HResult guarded(F&& f) {
    try {
        f();
        return S_OK;
    } catch (const ComError& e) {
        return e.code();
    } catch (const std::exception&) {
        return E_UNEXPECTED;
    }
}

} // namespace

ControlBase::Hold::Hold(ControlBase& c) : c_(c) {
    c_.AddRef();
    ++c_.holds_;
}

ControlBase::Hold::~Hold() {
    if (--c_.holds_ == 0) c_.dropRetiredWidgets();
    c_.Release(); // may end the control
}

ControlBase::ControlBase(const CoClassDesc& cls, const InterfaceDesc& dispatch)
    : DispatchBase(dispatch), clsid_(cls.clsid) {}

ControlBase::~ControlBase() {
    dropRetiredWidgets();
    delete widget_.data();
}

HResult ControlBase::QueryInterface(const Guid& iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == dispatcher().desc().iid)
        *ppv = static_cast<IDispatch*>(this);
    else if (iid == IID_IControl)
        *ppv = static_cast<IControl*>(this);
    else if (iid == IID_IPersistPropertyBag)
        *ppv = static_cast<IPersistPropertyBag*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t ControlBase::Release() {
    return releaseRef(this, refs_);
}

HResult ControlBase::Invoke(int32_t id, const Guid& iid, uint32_t lcid, uint16_t flags,
                            DispParams* params, Variant* result, ExcepInfo* excep,
                            uint32_t* argErr) {
    Hold hold(*this);
    return DispatchBase::Invoke(id, iid, lcid, flags, params, result, excep, argErr);
}

HResult ControlBase::SetSite(IControlSite* site) {
    site_ = site;
    return S_OK;
}

HResult ControlBase::GetWidget(QWidget* parent, QWidget** widget) {
    if (!widget) return E_POINTER;
    *widget = nullptr;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return E_UNEXPECTED;
    Hold hold(*this);
    if (!widget_) {
        const HResult r = guarded([&] { widget_ = createWidget(parent); });
        if (failed(r)) return r;
    } else if (parent && widget_->parentWidget() != parent) {
        widget_->setParent(parent);
    }
    *widget = widget_;
    return S_OK;
}

HResult ControlBase::Close() {
    site_ = nullptr;
    if (!widget_) return S_OK;
    if (holds_ == 0) {
        delete widget_.data();
        return S_OK;
    }
    // Work under way may still be inside the widget: it leaves the container now and goes when
    // that work is done.
    widget_->hide();
    widget_->setParent(nullptr);
    retired_.append(widget_);
    widget_ = nullptr;
    return S_OK;
}

void ControlBase::dropRetiredWidgets() {
    const auto retired = std::exchange(retired_, {});
    for (const auto& w : retired)
        delete w.data();
}

HResult ControlBase::GetClassID(Guid* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = clsid_;
    return S_OK;
}

HResult ControlBase::InitNew() {
    Hold hold(*this);
    return guarded([&] { initProperties(); });
}

HResult ControlBase::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    Hold hold(*this);
    PropertyBagAccess access(*bag);
    try {
        readProperties(access);
        return S_OK;
    } catch (const PropertyError& e) {
        if (log) log->AddError(ownedCopy(e.key()), {e.code(), ownedCopy(e.description())});
        return e.code();
    } catch (const ComError& e) {
        return e.code();
    } catch (const std::exception&) {
        return E_UNEXPECTED;
    }
}

HResult ControlBase::Save(IPropertyBag* bag, int32_t, int32_t) {
    if (!bag) return E_POINTER;
    Hold hold(*this);
    PropertyBagAccess access(*bag);
    return guarded([&] { writeProperties(access); });
}

ControlBase::Runner ControlBase::heldRunner() {
    return [this](const std::function<void()>& f) {
        Hold hold(*this);
        f();
    };
}

void ControlBase::propertyChanged(const QString& name) {
    Q_ASSERT_X(holds_ > 0, "propertyChanged", "a call to the container outside a hold");
    if (site_) site_->OnChanged(dispatcher().idOf(name), ownedCopy(name));
}

QFont ControlBase::ambientFont() const {
    Q_ASSERT_X(holds_ > 0, "ambientFont", "a call to the container outside a hold");
    QFont f = QApplication::font();
    if (site_) site_->GetAmbientFont(&f);
    return f;
}

} // namespace trivia
