// SPDX-License-Identifier: GPL-2.0-or-later
#include "progress.h"

#include "play/players.h"

#include <QSet>

Progress progressOf(const Knowledge& kb, const QList<Answer>& answers, qint64 now) {
    Progress p;
    QSet<QString> known;
    for (const Answer& a : answers) {
        if (!a.right) continue;
        known.insert(a.subject);
        const qint64 age = now - a.time;
        if (a.kind < 1 || a.kind > questionTypeCount || age < 0) continue;
        const qint64 week = age / Progress::weekMs;
        if (week < Progress::weeks) ++p.rightPerWeek[size_t(a.kind - 1)][size_t(week)];
    }
    p.cards.reserve(kb.animalCount);
    for (int n = 1; n <= kb.animalCount; ++n) {
        const bool k = known.contains(animalKey(kb, n));
        p.cards.append({n, k});
        p.known += k;
    }
    return p;
}
