// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace trivia {

// A copy whose characters live on the heap. Text written into the code (QStringLiteral) lies in
// the static data of the library that holds it, and a host keeping such a text would read
// unmapped memory once that library is unloaded: whatever a library hands its host goes
// through here.
QString ownedCopy(const QString& s);

// The kinds of value a variant holds; numbered as the usual variant types.
enum class VarType : uint16_t {
    Empty = 0,
    Integer = 2, // 16-bit
    Long = 3,    // 32-bit
    Single = 4,
    Double = 5,
    String = 8,
    Font = 9, // a font object, held by value
    Boolean = 11,
};

// A value of any of the kinds above. Conversions follow the host language: integer 0 reads
// "0", booleans "True" and "False", True is -1 as a number. A conversion that cannot be made
// throws ComError (type mismatch or overflow).
class Variant {
public:
    Variant() = default;
    Variant(int16_t v) : v_(v) {}
    Variant(int32_t v) : v_(v) {}
    Variant(float v) : v_(v) {}
    Variant(double v) : v_(v) {}
    Variant(bool v) : v_(v) {}
    Variant(const QString& v) : v_(v) {}
    Variant(const char* v) : v_(QString::fromUtf8(v)) {}
    Variant(const QFont& v) : v_(v) {}

    VarType type() const;
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNumeric() const;

    QString toString() const;
    int16_t toInt16() const;
    int32_t toInt32() const;
    double toDouble() const;
    bool toBool() const;
    QFont toFont() const;

    // Same kind and same value.
    friend bool operator==(const Variant& a, const Variant& b) { return a.v_ == b.v_; }
    // Equal as the host language compares them (False equals 0, 2 equals 2.0): what decides
    // whether a property bag may leave a value out.
    bool sameValue(const Variant& other) const;

    // One-line text form for files, "type:value", and back. A value its kind cannot hold
    // gives nothing, and in `why` what is wrong with it.
    QString encode() const;
    static std::optional<Variant> decode(const QString& text, QString* why = nullptr);

    static QString typeName(VarType t);

    // The same value, owning every character it holds (see ownedCopy above).
    Variant ownedCopy() const;

private:
    std::variant<std::monostate, int16_t, int32_t, float, double, QString, QFont, bool> v_;
};

} // namespace trivia
