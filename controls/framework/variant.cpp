// SPDX-License-Identifier: GPL-2.0-or-later
#include "variant.h"

#include "result.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace trivia {

namespace {

[[noreturn]] void mismatch(const QString& what) {
    throw ComError(DISP_E_TYPEMISMATCH, QStringLiteral("Type mismatch: ") + what);
}

// Numbers to whole numbers round half to even, as the host language does.
int64_t roundWhole(double d, double low, double high) {
    if (!std::isfinite(d) || d < low - 0.5 || d >= high + 0.5)
        throw ComError(DISP_E_OVERFLOW, QStringLiteral("Overflow"));
    const double r = std::nearbyint(d);
    if (r < low || r > high) throw ComError(DISP_E_OVERFLOW, QStringLiteral("Overflow"));
    return static_cast<int64_t>(r);
}

QString numberText(double d, int digits) {
    QString s = QString::number(d, 'g', digits);
    return s.replace(QChar('e'), QChar('E'));
}

bool borrowed(const QString& s) {
    return !s.isEmpty() && !s.data_ptr().isMutable();
}

} // namespace

QString ownedCopy(const QString& s) {
    return borrowed(s) ? QString(s.constData(), s.size()) : s;
}

Variant Variant::ownedCopy() const {
    if (const auto* s = std::get_if<QString>(&v_)) return Variant(trivia::ownedCopy(*s));
    const auto* f = std::get_if<QFont>(&v_);
    if (!f) return *this;
    // Only a font that names a family from static text is remade, so that what it resolves
    // from its context stays as it was.
    QStringList families = f->families();
    const bool anyBorrowed =
        std::any_of(families.begin(), families.end(), borrowed) || borrowed(f->styleName());
    if (!anyBorrowed) return *this;
    for (QString& family : families)
        family = trivia::ownedCopy(family);
    QFont font = *f;
    font.setFamilies(families);
    if (!f->styleName().isEmpty()) font.setStyleName(trivia::ownedCopy(f->styleName()));
    return Variant(font);
}

VarType Variant::type() const {
    static constexpr VarType kinds[] = {VarType::Empty,  VarType::Integer, VarType::Long,
                                        VarType::Single, VarType::Double,  VarType::String,
                                        VarType::Font,   VarType::Boolean};
    return kinds[v_.index()];
}

bool Variant::isNumeric() const {
    const auto t = type();
    return t == VarType::Integer || t == VarType::Long || t == VarType::Single ||
           t == VarType::Double || t == VarType::Boolean;
}

QString Variant::toString() const {
    switch (type()) {
    case VarType::Empty:
        return QString();
    case VarType::Integer:
        return QString::number(std::get<int16_t>(v_));
    case VarType::Long:
        return QString::number(std::get<int32_t>(v_));
    case VarType::Single:
        return numberText(std::get<float>(v_), 7);
    case VarType::Double:
        return numberText(std::get<double>(v_), 15);
    case VarType::String:
        return std::get<QString>(v_);
    case VarType::Font:
        return std::get<QFont>(v_).family(); // a font reads as its name
    case VarType::Boolean:
        return std::get<bool>(v_) ? QStringLiteral("True") : QStringLiteral("False");
    }
    return QString();
}

double Variant::toDouble() const {
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::Integer:
        return std::get<int16_t>(v_);
    case VarType::Long:
        return std::get<int32_t>(v_);
    case VarType::Single:
        return std::get<float>(v_);
    case VarType::Double:
        return std::get<double>(v_);
    case VarType::Boolean:
        return std::get<bool>(v_) ? -1 : 0;
    case VarType::String: {
        const QString s = std::get<QString>(v_).trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return -1;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return 0;
        bool ok = false;
        const double d = s.toDouble(&ok);
        if (!ok) mismatch(QStringLiteral("\"%1\" is not a number").arg(s));
        return d;
    }
    case VarType::Font:
        break;
    }
    mismatch(QStringLiteral("a font is not a number"));
}

int16_t Variant::toInt16() const {
    return static_cast<int16_t>(roundWhole(toDouble(), std::numeric_limits<int16_t>::min(),
                                           std::numeric_limits<int16_t>::max()));
}

int32_t Variant::toInt32() const {
    return static_cast<int32_t>(roundWhole(toDouble(), std::numeric_limits<int32_t>::min(),
                                           std::numeric_limits<int32_t>::max()));
}

bool Variant::toBool() const {
    if (type() == VarType::Boolean) return std::get<bool>(v_);
    return toDouble() != 0;
}

QFont Variant::toFont() const {
    if (type() != VarType::Font) mismatch(QStringLiteral("a font object is needed"));
    return std::get<QFont>(v_);
}

bool Variant::sameValue(const Variant& other) const {
    const auto numberLike = [](const Variant& v) { return v.isNumeric() || v.isEmpty(); };
    if (numberLike(*this) && numberLike(other)) return toDouble() == other.toDouble();
    if (isEmpty() || other.isEmpty()) return toString().isEmpty() && other.toString().isEmpty();
    return *this == other;
}

QString Variant::typeName(VarType t) {
    switch (t) {
    case VarType::Empty:
        return QStringLiteral("empty");
    case VarType::Integer:
        return QStringLiteral("integer");
    case VarType::Long:
        return QStringLiteral("long");
    case VarType::Single:
        return QStringLiteral("single");
    case VarType::Double:
        return QStringLiteral("double");
    case VarType::String:
        return QStringLiteral("string");
    case VarType::Font:
        return QStringLiteral("font");
    case VarType::Boolean:
        return QStringLiteral("boolean");
    }
    return QString();
}

QString Variant::encode() const {
    QString value;
    if (type() == VarType::Font)
        value = std::get<QFont>(v_).toString();
    else if (type() == VarType::Double)
        value = QString::number(std::get<double>(v_), 'g', 17);
    else if (type() == VarType::Single)
        value = QString::number(std::get<float>(v_), 'g', 9);
    else
        value = toString();
    // Line breaks would end the record early, so they travel escaped.
    value.replace(QChar('\\'), QLatin1String("\\\\"))
        .replace(QChar('\r'), QLatin1String("\\r"))
        .replace(QChar('\n'), QLatin1String("\\n"));
    return typeName(type()) + QChar(':') + value;
}

namespace {

QString unescape(const QString& s) {
    QString out;
    for (int i = 0; i < s.size(); ++i) {
        if (s[i] != QChar('\\') || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        const QChar c = s[++i];
        out += c == QChar('r') ? QChar('\r') : c == QChar('n') ? QChar('\n') : c;
    }
    return out;
}

} // namespace

std::optional<Variant> Variant::decode(const QString& text, QString* why) {
    const int colon = text.indexOf(QChar(':'));
    if (colon < 0) return std::nullopt;
    const QString kind = text.left(colon);
    const QString value = unescape(text.mid(colon + 1));
    bool ok = true;
    std::optional<Variant> v;
    if (kind == QLatin1String("empty"))
        v = Variant();
    else if (kind == QLatin1String("string"))
        v = Variant(value);
    else if (kind == QLatin1String("boolean")) {
        // Written "True" or "False"; a hand-written "true " means the same, a "yes" nothing.
        const QString word = value.trimmed();
        const bool isTrue = word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        ok = isTrue || word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0;
        v = Variant(isTrue);
        if (!ok && why) *why = QStringLiteral("\"%1\" is not True or False").arg(value);
    } else if (kind == QLatin1String("integer"))
        v = Variant(static_cast<int16_t>(value.toShort(&ok)));
    else if (kind == QLatin1String("long"))
        v = Variant(static_cast<int32_t>(value.toInt(&ok)));
    else if (kind == QLatin1String("single"))
        v = Variant(value.toFloat(&ok));
    else if (kind == QLatin1String("double"))
        v = Variant(value.toDouble(&ok));
    else if (kind == QLatin1String("font")) {
        QFont f;
        ok = f.fromString(value);
        v = Variant(f);
    }
    if (!ok && why && why->isEmpty())
        *why = QStringLiteral("\"%1\" is not a value of the kind %2").arg(value, kind);
    if (!ok) return std::nullopt;
    return v;
}

} // namespace trivia
