// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "dispatch.h"
#include "propertybag.h"

#include <QFont>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace trivia {

// What every control of the library shares: reference counting, dispatch through its default
// interface, embedding in a container and persistence through the container's property bag.
//
// A container may release or close a control from inside any call the control makes to it (a
// change notice, the ambient font, its property bag). So every piece of work the control does,
// for its host or for a player's click, runs under a Hold: the control stays whole until that
// work is done, and a widget closed meanwhile only goes once the last hold ends.
class ControlBase : public DispatchBase, public IControl, public IPersistPropertyBag {
public:
    ControlBase(const CoClassDesc& cls, const InterfaceDesc& dispatch);
    virtual ~ControlBase();

    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return refs_.add(); }
    uint32_t Release() override;
    HResult Invoke(int32_t id, const Guid& iid, uint32_t lcid, uint16_t flags, DispParams* params,
                   Variant* result, ExcepInfo* excep, uint32_t* argErr) override;

    HResult SetSite(IControlSite* site) override;
    HResult GetWidget(QWidget* parent, QWidget** widget) override;
    HResult Close() override;

    HResult GetClassID(Guid* clsid) override;
    HResult InitNew() override;
    HResult Load(IPropertyBag* bag, IErrorLog* log) override;
    HResult Save(IPropertyBag* bag, int32_t clearDirty, int32_t saveAll) override;

    // Throws ComError unless every member of the dispatch interface has code behind it.
    void requireMembersBound() const { dispatcher().requireComplete(); }

    // How a view runs what a player's action sets off.
    using Runner = std::function<void(const std::function<void()>&)>;

protected:
    class Hold {
    public:
        explicit Hold(ControlBase& c);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        ControlBase& c_;
    };

    // Tells the container that the property of this name changed.
    void propertyChanged(const QString& name);
    QFont ambientFont() const;
    QWidget* widget() const { return widget_; }
    // Runs a view's action under a hold; views are handed this as their Runner.
    Runner heldRunner();

    virtual QWidget* createWidget(QWidget* parent) = 0;
    virtual void initProperties() {}
    virtual void readProperties(PropertyBagAccess&) {}
    virtual void writeProperties(PropertyBagAccess&) {}

private:
    void dropRetiredWidgets();

    RefCount refs_;
    Guid clsid_;
    IControlSite* site_ = nullptr;
    QPointer<QWidget> widget_;
    int holds_ = 0;
    QList<QPointer<QWidget>> retired_; // closed while held
};

// Makes a control of class C for a library's ServerDesc; a member of its interface left without
// code is an error at creation, not a gap found by the first host that calls it.
template <class C> IUnknown* createControl(const TypeLibDesc& lib) {
    std::unique_ptr<C> control(new C(lib));
    control->requireMembersBound();
    return static_cast<IDispatch*>(control.release());
}

} // namespace trivia
