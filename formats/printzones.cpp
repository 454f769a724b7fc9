// SPDX-License-Identifier: GPL-2.0-or-later
#include "printzones.h"

#include "textfile.h"

QString zoneNumber(long long value) {
    return (value < 0 ? QString() : QString(" ")) + QString::number(value) + ' ';
}

void PrintZoneLine::place(const QString& item) {
    // The first item starts at column 0; every later one at the next zone that lies past
    // the previous item's zone and is still free. A text that fills its zones to the brim
    // keeps a blank after it, or it would read back glued to the next value.
    int zone = 0;
    if (zoneStart_ >= 0) {
        zone = zoneStart_ + zoneWidth;
        while (zone < line_.size() || (zone == line_.size() && !line_.endsWith(' ')))
            zone += zoneWidth;
    }
    if (line_.size() < zone) line_ += QString(zone - line_.size(), ' ');
    line_ += item;
    zoneStart_ = zone;
}

PrintZoneLine& PrintZoneLine::number(long long value) {
    place(zoneNumber(value));
    return *this;
}

PrintZoneLine& PrintZoneLine::text(const QString& value) {
    place(value);
    return *this;
}

PrintZoneLine& PrintZoneLine::emptyZone() {
    place(QString());
    return *this;
}

QString PrintZoneLine::toString() const {
    return line_ + crlf;
}
