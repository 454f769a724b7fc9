// SPDX-License-Identifier: GPL-2.0-or-later
// What a person types into trivia-host, turned into values for a control's properties.

#include "hostwindow.h"

namespace trivia {

namespace {

bool numericType(const QString& type) {
    return type == QLatin1String("long") || type == QLatin1String("short") ||
           type == QLatin1String("olecolor");
}

// 0xFF or &HFF& as a 32-bit number.
std::optional<int32_t> hexNumber(const QString& text) {
    const QString t = text.trimmed();
    if (!t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) &&
        !t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return std::nullopt;
    bool ok = false;
    const uint32_t v = QString(t.mid(2)).remove(QChar('&')).toUInt(&ok, 16);
    return ok ? std::optional<int32_t>(static_cast<int32_t>(v)) : std::nullopt;
}

std::optional<int32_t> wholeNumber(const QString& t) {
    if (const auto hex = hexNumber(t)) return hex;
    bool ok = false;
    const int32_t v = t.toInt(&ok);
    return ok ? std::optional<int32_t>(v) : std::nullopt;
}

// The text as a value of the kind, when it is one.
std::optional<Variant> parseKind(const QString& kind, const QString& text) {
    const QString t = text.trimmed();
    if (kind == QLatin1String("string")) return Variant(text);
    if (kind == QLatin1String("integer")) {
        const auto n = wholeNumber(t);
        if (n && *n >= INT16_MIN && *n <= INT16_MAX) return Variant(static_cast<int16_t>(*n));
    } else if (kind == QLatin1String("long")) {
        if (const auto n = wholeNumber(t)) return Variant(*n);
    } else if (kind == QLatin1String("double")) {
        bool ok = false;
        const double v = t.toDouble(&ok);
        if (ok) return Variant(v);
    } else if (kind == QLatin1String("boolean")) {
        for (const bool b : {true, false})
            if (t.compare(Variant(b).toString(), Qt::CaseInsensitive) == 0) return Variant(b);
    }
    return std::nullopt;
}

} // namespace

QStringList valueKinds() {
    return {"string", "integer", "long", "double", "boolean"};
}

std::optional<Variant> valueFromText(const QString& type, const QString& text,
                                     const QString& currentKind, QString* error) {
    const int colon = text.indexOf(QChar(':'));
    const QString asked = colon > 0 ? text.left(colon) : QString();
    if (valueKinds().contains(asked)) {
        const auto v = parseKind(asked, text.mid(colon + 1));
        if (!v && error)
            *error = QStringLiteral("\"%1\" is not a value of the kind %2")
                         .arg(text.mid(colon + 1), asked);
        return v;
    }
    if (numericType(type))
        if (const auto hex = hexNumber(text)) return Variant(*hex);
    if (!currentKind.isEmpty())
        if (const auto v = parseKind(currentKind, text)) return v;
    return Variant(text);
}

} // namespace trivia
