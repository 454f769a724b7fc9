// SPDX-License-Identifier: GPL-2.0-or-later
#include "guid.h"

#include <QRegularExpression>

namespace trivia {

QString Guid::toString() const {
    QString s = QStringLiteral("{%1-%2-%3-")
                    .arg(data1, 8, 16, QChar('0'))
                    .arg(data2, 4, 16, QChar('0'))
                    .arg(data3, 4, 16, QChar('0'));
    for (int i = 0; i < 8; ++i) {
        if (i == 2) s += QChar('-');
        s += QStringLiteral("%1").arg(data4[i], 2, 16, QChar('0'));
    }
    return s.toUpper() + QChar('}');
}

std::optional<Guid> Guid::fromString(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^\\{([0-9A-Fa-f]{8})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-([0-9A-Fa-f]{4})-(["
                       "0-9A-Fa-f]{12})\\}$"));
    const auto m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    Guid g;
    g.data1 = m.captured(1).toUInt(nullptr, 16);
    g.data2 = static_cast<uint16_t>(m.captured(2).toUInt(nullptr, 16));
    g.data3 = static_cast<uint16_t>(m.captured(3).toUInt(nullptr, 16));
    const QString rest = m.captured(4) + m.captured(5);
    for (int i = 0; i < 8; ++i)
        g.data4[i] = static_cast<uint8_t>(rest.mid(i * 2, 2).toUInt(nullptr, 16));
    return g;
}

} // namespace trivia
