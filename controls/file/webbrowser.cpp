// SPDX-License-Identifier: GPL-2.0-or-later
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

WebBrowser::WebBrowser(QWebEngineView* view) : DispatchBase(browserInterface()), view_(view) {
    dispatcher().bind(QStringLiteral("Navigate"),
                      {{}, {}, [this](const QList<Variant>& args) {
                           const QUrl url(args.at(0).toString());
                           if (!url.isValid())
                               throw ComError(E_INVALIDARG, QStringLiteral("Bad address"));
                           if (view_) view_->load(url);
                       }});
    dispatcher().bind(
        QStringLiteral("LocationURL"),
        {[this] { return Variant(view_ ? view_->url().toString() : QString()); }, {}, {}});
}

HResult WebBrowser::QueryInterface(const Guid& iid, void** ppv) {
    return queryOne<IDispatch>(this, iid, {IID_IDispatch, dispatcher().desc().iid}, ppv);
}

uint32_t WebBrowser::Release() {
    return releaseRef(this, refs_);
}

} // namespace trivia
