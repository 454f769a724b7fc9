#include "control.h"

#include <QApplication>

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

ControlBase::ControlBase(const CoClassDesc& cls, const InterfaceDesc& dispatch)
    : DispatchBase(dispatch), clsid_(cls.clsid) {}

ControlBase::~ControlBase() {
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

HResult ControlBase::SetSite(IControlSite* site) {
    site_ = site;
    return S_OK;
}

HResult ControlBase::GetWidget(QWidget* parent, QWidget** widget) {
    if (!widget) return E_POINTER;
    *widget = nullptr;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return E_UNEXPECTED;
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
    delete widget_.data();
    site_ = nullptr;
    return S_OK;
}

HResult ControlBase::GetClassID(Guid* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = clsid_;
    return S_OK;
}

HResult ControlBase::InitNew() {
    return guarded([&] { initProperties(); });
}

HResult ControlBase::Load(IPropertyBag* bag) {
    if (!bag) return E_POINTER;
    PropertyBagAccess access(*bag);
    return guarded([&] { readProperties(access); });
}

HResult ControlBase::Save(IPropertyBag* bag, int32_t, int32_t) {
    if (!bag) return E_POINTER;
    PropertyBagAccess access(*bag);
    return guarded([&] { writeProperties(access); });
}

void ControlBase::propertyChanged(const QString& name) {
    if (site_) site_->OnChanged(dispatcher().idOf(name), name);
}

QFont ControlBase::ambientFont() const {
    QFont f = QApplication::font();
    if (site_) site_->GetAmbientFont(&f);
    return f;
}

} // namespace trivia
