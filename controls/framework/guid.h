// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace trivia {

// A class or interface identifier in the usual 16-byte layout.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    friend bool operator==(const Guid&, const Guid&) = default;

    QString toString() const; // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
    static std::optional<Guid> fromString(const QString& text);
    bool isNull() const { return *this == Guid{}; }
};

namespace detail {
constexpr uint32_t hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    throw "not a hex digit"; // stops compilation of an ill-formed fixed identifier
}
constexpr uint32_t hexAt(const char* s, int at, int digits) {
    uint32_t v = 0;
    for (int i = 0; i < digits; ++i)
        v = v * 16 + hexDigit(s[at + i]);
    return v;
}
} // namespace detail

// A fixed identifier written in the source, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
constexpr Guid guid(const char* s) {
    Guid g;
    g.data1 = detail::hexAt(s, 1, 8);
    g.data2 = static_cast<uint16_t>(detail::hexAt(s, 10, 4));
    g.data3 = static_cast<uint16_t>(detail::hexAt(s, 15, 4));
    constexpr int at[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i)
        g.data4[i] = static_cast<uint8_t>(detail::hexAt(s, at[i], 2));
    return g;
}

} // namespace trivia
