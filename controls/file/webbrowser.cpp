#include "webbrowser.h"

#include <QUrl>
#include <QWebEngineView>

namespace trivia {

namespace {

InterfaceDesc browserInterface() {
    InterfaceDesc d;
    d.name = QStringLiteral("IWebBrowser2");
    d.iid = guid("{D30C1661-CDAF-11D0-8A3E-00C04FC9E26E}");
    d.members = {
        {QStringLiteral("Navigate"),
         104,
         MemberKind::Method,
         QStringLiteral("none"),
         {{QStringLiteral("URL"), QStringLiteral("string"), false}}},
        {QStringLiteral("LocationURL"), 211, MemberKind::Property, QStringLiteral("string"), {}},
    };
    return d;
}

} // namespace

WebBrowser::WebBrowser(QWebEngineView* view) : view_(view), dispatcher_(browserInterface()) {
    dispatcher_.bind(QStringLiteral("Navigate"),
                     {{}, {}, [this](const QList<Variant>& args) {
                          const QUrl url(args.at(0).toString());
                          if (!url.isValid())
                              throw ComError(E_INVALIDARG, QStringLiteral("Bad address"));
                          if (view_) view_->load(url);
                      }});
    dispatcher_.bind(
        QStringLiteral("LocationURL"),
        {[this] { return Variant(view_ ? view_->url().toString() : QString()); }, {}, {}});
}

HResult WebBrowser::QueryInterface(const Guid& iid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != dispatcher_.desc().iid)
        return E_NOINTERFACE;
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

uint32_t WebBrowser::Release() {
    const uint32_t n = refs_.release();
    if (n == 0) delete this;
    return n;
}

HResult WebBrowser::GetTypeInfoCount(uint32_t* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HResult WebBrowser::GetTypeInfo(uint32_t index, uint32_t, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    *info = new TypeInfo(dispatcher_.desc());
    return S_OK;
}

HResult WebBrowser::GetIDsOfNames(const Guid&, const QString* names, uint32_t count, uint32_t,
                                  int32_t* ids) {
    return dispatcher_.idsOfNames(names, count, ids);
}

HResult WebBrowser::Invoke(int32_t id, const Guid&, uint32_t, uint16_t flags, DispParams* params,
                           Variant* result, ExcepInfo* excep, uint32_t*) {
    return dispatcher_.invoke(id, flags, params, result, excep);
}

} // namespace trivia
