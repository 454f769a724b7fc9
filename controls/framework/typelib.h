// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "interfaces.h"

#include <QList>
#include <QString>

#include <optional>

namespace trivia {

struct InterfaceDesc {
    QString name;
    Guid iid;
    bool events = false;
    QList<MemberDesc> members; // in slot order

    const MemberDesc* member(const QString& name) const; // case-insensitive
    const MemberDesc* member(int32_t id) const;
};

struct CoClassDesc {
    QString name;
    Guid clsid;
    QString progId;
    QString description;
    QString defaultInterface;
    QString eventInterface;
    QString bitmap; // resource path of the 16 by 15 toolbox bitmap
};

// A type library: the classes a library offers and their interfaces.
struct TypeLibDesc {
    QString name;
    QString helpString;
    Guid libid;
    int major = 1;
    int minor = 0;
    QList<CoClassDesc> classes;
    QList<InterfaceDesc> interfaces;

    const CoClassDesc* coclass(const QString& name) const;
    const CoClassDesc* coclass(const Guid& clsid) const;
    const InterfaceDesc* interface(const QString& name) const;
    QString version() const { return QStringLiteral("%1.%2").arg(major).arg(minor); }
};

// Parses the JSON form in which a library carries its type library; nullopt and a reason
// when it is not well formed.
std::optional<TypeLibDesc> parseTypeLib(const QByteArray& json, QString* error = nullptr);

// Reads a type library from the resources of the running code.
std::optional<TypeLibDesc> loadTypeLib(const QString& resourcePath, QString* error = nullptr);

} // namespace trivia
