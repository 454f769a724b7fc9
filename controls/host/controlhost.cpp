// SPDX-License-Identifier: GPL-2.0-or-later
#include "controlhost.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace trivia {

QList<RegisteredControl> registeredControls(const RegistryData& data) {
    QList<RegisteredControl> list;
    for (const auto& key : data.keys()) {
        if (!key.path.startsWith(QStringLiteral("CLSID\\"), Qt::CaseInsensitive)) continue;
        const auto clsid = Guid::fromString(key.path.mid(6));
        const auto library = key.value(QStringLiteral("InprocServer32"));
        if (!clsid || !library || !key.value(QStringLiteral("Control"))) continue;
        // "library path,resource": the resource is what follows the last comma.
        const QString bitmap = key.value(QStringLiteral("ToolboxBitmap32")).value_or(QString());
        list.append({key.value(QStringLiteral("ProgID")).value_or(clsid->toString()), *clsid,
                     *library, key.value(QStringLiteral("@")).value_or(QString()),
                     bitmap.contains(QChar(',')) ? bitmap.section(QChar(','), -1) : QString()});
    }
    return list;
}

QImage toolboxBitmap(const RegisteredControl& control) {
    // Only a resource of the library: a registry that names a file (a FIFO, a huge picture)
    // cannot stall the toolbox.
    if (!control.bitmap.startsWith(QLatin1Char(':'))) return QImage();
    ControlLibrary library(control.library);
    if (!library.load(nullptr)) return QImage();
    // Decoded into memory of its own while the library's resources are there.
    QImage image(control.bitmap);
    return image;
}

namespace {

// Keeps the first property a control could not load, and why.
struct FirstError : IErrorLog {
    QString text;
    HResult AddError(const QString& property, const ExcepInfo& e) override {
        if (text.isEmpty()) text = property + QStringLiteral(": ") + e.description;
        return S_OK;
    }
};

} // namespace

ControlHost::ControlHost(QObject* parent) : QObject(parent) {}

ControlHost::~ControlHost() {
    release();
}

bool ControlHost::create(const RegisteredControl& control, QWidget* container,
                         const MemoryPropertyBag* bag, QString* error) {
    release();
    if (!library_ || library_->path() != control.library) {
        unloadLibrary();
        library_ = std::make_unique<ControlLibrary>(control.library);
    }
    if (!library_->load(error)) return false;
    emit libraryStateChanged();

    IClassFactory* factory = nullptr;
    HResult r = library_->getClassObject(control.clsid, IID_IClassFactory,
                                         reinterpret_cast<void**>(&factory));
    IUnknown* object = nullptr;
    if (succeeded(r)) {
        r = factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&object));
        factory->Release();
    }
    if (succeeded(r)) {
        object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
        object->QueryInterface(IID_IControl, reinterpret_cast<void**>(&control_));
        object->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist_));
        object->Release();
        r = dispatch_ && control_ && persist_ ? S_OK : E_NOINTERFACE;
    }
    FirstError loadError;
    if (succeeded(r)) {
        current_ = control;
        control_->SetSite(this);
        MemoryPropertyBag copy = bag ? *bag : MemoryPropertyBag();
        r = bag ? persist_->Load(&copy, &loadError) : persist_->InitNew();
    }
    QWidget* w = nullptr;
    if (succeeded(r)) r = control_->GetWidget(container, &w);
    if (failed(r)) {
        if (error)
            *error =
                QStringLiteral("Cannot create %1: %2")
                    .arg(control.progId, loadError.text.isEmpty() ? resultText(r) : loadError.text);
        release();
        return false;
    }
    widget_ = w;
    w->show();
    emit libraryStateChanged();
    return true;
}

void ControlHost::release() {
    if (control_) control_->Close();
    for (IUnknown* p : std::initializer_list<IUnknown*>{control_, persist_, dispatch_})
        if (p) p->Release();
    control_ = nullptr;
    persist_ = nullptr;
    dispatch_ = nullptr;
    widget_ = nullptr;
    current_ = {};
    // Nothing of the library may be left waiting in the event queue once it is unloaded.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (library_ && library_->unloadIfUnused()) library_.reset();
    emit libraryStateChanged();
}

void ControlHost::unloadLibrary() {
    if (library_) library_->unloadIfUnused();
    library_.reset();
}

QList<MemberDesc> ControlHost::members() const {
    QList<MemberDesc> list;
    ITypeInfo* info = nullptr;
    if (!dispatch_ || failed(dispatch_->GetTypeInfo(0, 0, &info))) return list;
    Guid iid;
    uint32_t count = 0;
    info->GetTypeAttr(&iid, &count);
    for (uint32_t i = 0; i < count; ++i) {
        MemberDesc m;
        if (succeeded(info->GetMemberDesc(i, &m))) list << m;
    }
    info->Release();
    return list;
}

int32_t ControlHost::idOf(const QString& name) const {
    int32_t id = 0;
    if (!dispatch_ || failed(dispatch_->GetIDsOfNames(IID_NULL, &name, 1, 0, &id))) return 0;
    return id;
}

namespace {
QString describe(HResult r, const ExcepInfo& e) {
    return e.description.isEmpty() ? resultText(r) : e.description;
}
} // namespace

HResult ControlHost::setProperty(const QString& name, const Variant& value, bool byRef,
                                 QString* error) {
    if (!dispatch_) return E_UNEXPECTED;
    Variant arg = value;
    DispParams params{&arg, 1};
    ExcepInfo e;
    const HResult r = dispatch_->Invoke(idOf(name), IID_NULL, 0,
                                        byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT,
                                        &params, nullptr, &e, nullptr);
    if (failed(r) && error) *error = describe(r, e);
    return r;
}

Variant ControlHost::property(const QString& name, HResult* result) const {
    Variant v;
    const HResult r = dispatch_ ? dispatch_->Invoke(idOf(name), IID_NULL, 0, DISPATCH_PROPERTYGET,
                                                    nullptr, &v, nullptr, nullptr)
                                : E_UNEXPECTED;
    if (result) *result = r;
    return v;
}

HResult ControlHost::call(const QString& name, QString* error) {
    if (!dispatch_) return E_UNEXPECTED;
    ExcepInfo e;
    const HResult r =
        dispatch_->Invoke(idOf(name), IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, &e, nullptr);
    if (failed(r) && error) *error = describe(r, e);
    return r;
}

bool ControlHost::save(const QString& path, QString* error) const {
    if (!persist_) {
        if (error) *error = QStringLiteral("There is no control to save.");
        return false;
    }
    MemoryPropertyBag bag;
    const HResult r = persist_->Save(&bag, 1, 0);
    if (failed(r)) {
        if (error) *error = resultText(r);
        return false;
    }
    const auto saved = bag.saveFile(path, current_.clsid);
    if (!saved && error) *error = saved.error();
    return bool(saved);
}

bool ControlHost::load(const QString& path, const RegistryData& registry, QWidget* container,
                       QString* error) {
    Guid clsid;
    auto bag = MemoryPropertyBag::loadFile(path, &clsid);
    if (!bag) {
        if (error) *error = bag.error();
        return false;
    }
    for (const auto& c : registeredControls(registry))
        if (c.clsid == clsid) return create(c, container, &*bag, error);
    if (error)
        *error = QStringLiteral("No registered control has the class %1.").arg(clsid.toString());
    return false;
}

HResult ControlHost::OnChanged(int32_t id, const QString& name) {
    emit propertyChanged(name, id);
    return S_OK;
}

HResult ControlHost::GetAmbientFont(QFont* font) {
    if (!font) return E_POINTER;
    *font = ambient_;
    return S_OK;
}

} // namespace trivia
