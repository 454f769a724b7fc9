// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controllibrary.h"

#include "framework/propertybag.h"
#include "framework/registry.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>

#include <memory>

namespace trivia {

// A control as the registry lists it.
struct RegisteredControl {
    QString progId;
    Guid clsid;
    QString library;
    QString description;
    QString bitmap; // the toolbox bitmap among the library's resources
};
QList<RegisteredControl> registeredControls(const RegistryData& data);
// The control's toolbox bitmap, read from its library; null when there is none. The library is
// loaded for the read and unloaded again unless something else holds it.
QImage toolboxBitmap(const RegisteredControl& control);

// The container side of one embedded control: it finds the control's library through the
// registry, creates the control through the library's class factory, embeds its widget, relays
// its change notices, saves and loads it through a property-bag file, and unloads the library
// when the library allows.
class ControlHost : public QObject, public IControlSite {
    Q_OBJECT
public:
    explicit ControlHost(QObject* parent = nullptr);
    ~ControlHost() override;

    // Makes a new instance (no bag) or loads one from a bag, and embeds it in `container`.
    bool create(const RegisteredControl& control, QWidget* container, const MemoryPropertyBag* bag,
                QString* error);
    void release();
    bool hasControl() const { return dispatch_ != nullptr; }
    const RegisteredControl& current() const { return current_; }
    QWidget* widget() const { return widget_; }
    bool libraryLoaded() const { return library_ && library_->isLoaded(); }
    HResult canUnloadNow() const { return library_ ? library_->canUnloadNow() : S_OK; }

    QList<MemberDesc> members() const;
    HResult setProperty(const QString& name, const Variant& value, bool byRef = false,
                        QString* error = nullptr);
    Variant property(const QString& name, HResult* result = nullptr) const;
    HResult call(const QString& name, QString* error = nullptr);

    bool save(const QString& path, QString* error) const;
    // Loads a saved instance; its class is looked up in `registry`.
    bool load(const QString& path, const RegistryData& registry, QWidget* container,
              QString* error);

    void setAmbientFont(const QFont& f) { ambient_ = f; }

    HResult OnChanged(int32_t id, const QString& name) override;
    HResult GetAmbientFont(QFont* font) override;

signals:
    void propertyChanged(const QString& name, int id);
    void libraryStateChanged();

private:
    int32_t idOf(const QString& name) const;
    void unloadLibrary();

    std::unique_ptr<ControlLibrary> library_;
    RegisteredControl current_;
    IDispatch* dispatch_ = nullptr;
    IControl* control_ = nullptr;
    IPersistPropertyBag* persist_ = nullptr;
    QPointer<QWidget> widget_;
    QFont ambient_;
};

} // namespace trivia
