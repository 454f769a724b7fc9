#pragma once

#include "dispatch.h"
#include "propertybag.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

namespace trivia {

// What every control of the library shares: reference counting, dispatch through its default
// interface, embedding in a container and persistence through the container's property bag.
class ControlBase : public DispatchBase, public IControl, public IPersistPropertyBag {
public:
    ControlBase(const CoClassDesc& cls, const InterfaceDesc& dispatch);
    virtual ~ControlBase();

    HResult QueryInterface(const Guid& iid, void** ppv) override;
    uint32_t AddRef() override { return refs_.add(); }
    uint32_t Release() override;

    HResult SetSite(IControlSite* site) override;
    HResult GetWidget(QWidget* parent, QWidget** widget) override;
    HResult Close() override;

    HResult GetClassID(Guid* clsid) override;
    HResult InitNew() override;
    HResult Load(IPropertyBag* bag) override;
    HResult Save(IPropertyBag* bag, int32_t clearDirty, int32_t saveAll) override;

protected:
    // Tells the container that the property of this name changed.
    void propertyChanged(const QString& name);
    QFont ambientFont() const;
    QWidget* widget() const { return widget_; }

    virtual QWidget* createWidget(QWidget* parent) = 0;
    virtual void initProperties() {}
    virtual void readProperties(PropertyBagAccess&) {}
    virtual void writeProperties(PropertyBagAccess&) {}

private:
    RefCount refs_;
    Guid clsid_;
    IControlSite* site_ = nullptr;
    QPointer<QWidget> widget_;
};

} // namespace trivia
