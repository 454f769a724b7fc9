// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// Writes one line of values in print zones of 14 columns: the common writer of velk.INI
// and the animal list. A number is written with a leading blank (or its minus sign) and
// one trailing blank; a text as it stands; an empty item leaves its zone empty.
class PrintZoneLine {
public:
    static constexpr int zoneWidth = 14;

    PrintZoneLine& number(long long value);
    PrintZoneLine& text(const QString& value);
    PrintZoneLine& emptyZone();

    // The line with its CR LF.
    QString toString() const;

private:
    void place(const QString& item);

    QString line_;
    int zoneStart_ = -1; // column (0-based) where the last item started
};

// Formats a number the way the print zones show it: " 5 ", "-1 ".
QString zoneNumber(long long value);
