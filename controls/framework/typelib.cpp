// SPDX-License-Identifier: GPL-2.0-or-later
#include "typelib.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace trivia {

const MemberDesc* InterfaceDesc::member(const QString& n) const {
    for (const auto& m : members)
        if (m.name.compare(n, Qt::CaseInsensitive) == 0) return &m;
    return nullptr;
}

const MemberDesc* InterfaceDesc::member(int32_t id) const {
    for (const auto& m : members)
        if (m.id == id) return &m;
    return nullptr;
}

const CoClassDesc* TypeLibDesc::coclass(const QString& n) const {
    for (const auto& c : classes)
        if (c.name == n) return &c;
    return nullptr;
}

const CoClassDesc* TypeLibDesc::coclass(const Guid& clsid) const {
    for (const auto& c : classes)
        if (c.clsid == clsid) return &c;
    return nullptr;
}

const InterfaceDesc* TypeLibDesc::interface(const QString& n) const {
    for (const auto& i : interfaces)
        if (i.name == n) return &i;
    return nullptr;
}

namespace {

struct ParseError {
    QString reason;
};

Guid guidField(const QJsonObject& o, const char* key) {
    const auto g = Guid::fromString(o.value(QLatin1String(key)).toString());
    if (!g) throw ParseError{QStringLiteral("bad or missing %1").arg(QLatin1String(key))};
    return *g;
}

MemberKind kindOf(const QString& k) {
    if (k == QLatin1String("method")) return MemberKind::Method;
    if (k == QLatin1String("property")) return MemberKind::Property;
    if (k == QLatin1String("propertyref")) return MemberKind::PropertyRef;
    if (k == QLatin1String("event")) return MemberKind::Event;
    throw ParseError{QStringLiteral("unknown member kind ") + k};
}

MemberDesc memberOf(const QJsonObject& o) {
    MemberDesc m;
    m.name = o.value(QLatin1String("name")).toString();
    m.id = o.value(QLatin1String("id")).toInt();
    m.kind = kindOf(o.value(QLatin1String("kind")).toString());
    m.type = o.value(QLatin1String("type")).toString(QStringLiteral("none"));
    for (const auto& p : o.value(QLatin1String("params")).toArray()) {
        const auto po = p.toObject();
        m.params.append({po.value(QLatin1String("name")).toString(),
                         po.value(QLatin1String("type")).toString(),
                         po.value(QLatin1String("byref")).toBool()});
    }
    if (m.name.isEmpty()) throw ParseError{QStringLiteral("member without a name")};
    return m;
}

InterfaceDesc interfaceOf(const QJsonObject& o) {
    InterfaceDesc d;
    d.name = o.value(QLatin1String("name")).toString();
    d.iid = guidField(o, "iid");
    d.events = o.value(QLatin1String("events")).toBool();
    for (const auto& m : o.value(QLatin1String("members")).toArray())
        d.members.append(memberOf(m.toObject()));
    return d;
}

CoClassDesc coclassOf(const QJsonObject& o) {
    CoClassDesc c;
    c.name = o.value(QLatin1String("name")).toString();
    c.clsid = guidField(o, "clsid");
    c.progId = o.value(QLatin1String("progid")).toString();
    c.description = o.value(QLatin1String("description")).toString();
    c.defaultInterface = o.value(QLatin1String("default")).toString();
    c.eventInterface = o.value(QLatin1String("source")).toString();
    c.bitmap = o.value(QLatin1String("bitmap")).toString();
    return c;
}

TypeLibDesc typeLibOf(const QJsonObject& o) {
    TypeLibDesc t;
    t.name = o.value(QLatin1String("name")).toString();
    t.helpString = o.value(QLatin1String("helpstring")).toString();
    t.libid = guidField(o, "libid");
    t.major = o.value(QLatin1String("major")).toInt(1);
    t.minor = o.value(QLatin1String("minor")).toInt(0);
    for (const auto& i : o.value(QLatin1String("interfaces")).toArray())
        t.interfaces.append(interfaceOf(i.toObject()));
    for (const auto& c : o.value(QLatin1String("classes")).toArray()) {
        t.classes.append(coclassOf(c.toObject()));
        const auto& cls = t.classes.back();
        if (!t.interface(cls.defaultInterface) || !t.interface(cls.eventInterface))
            throw ParseError{cls.name + QStringLiteral(" names an interface that is not there")};
    }
    return t;
}

} // namespace

std::optional<TypeLibDesc> parseTypeLib(const QByteArray& json, QString* error) {
    QJsonParseError pe;
    const auto doc = QJsonDocument::fromJson(json, &pe);
    try {
        if (!doc.isObject()) throw ParseError{pe.errorString()};
        return typeLibOf(doc.object());
    } catch (const ParseError& e) {
        if (error) *error = e.reason;
        return std::nullopt;
    }
}

std::optional<TypeLibDesc> loadTypeLib(const QString& resourcePath, QString* error) {
    QFile f(resourcePath);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    return parseTypeLib(f.readAll(), error);
}

} // namespace trivia
