// SPDX-License-Identifier: GPL-2.0-or-later
#include "progress.h"

#include "play/players.h"

#include <QSet>

Progress progressOf(const Knowledge& kb, const RightAnswers& right) {
    Progress p;
    for (const RightAnswers::Week& w : right.weeks)
        if (w.kind >= 1 && w.kind <= questionTypeCount && w.week >= 0 && w.week < Progress::weeks)
            p.rightPerWeek[size_t(w.kind - 1)][size_t(w.week)] += w.count;
    const QSet<QString> known(right.animals.begin(), right.animals.end());
    p.cards.reserve(kb.animalCount);
    for (int n = 1; n <= kb.animalCount; ++n) {
        const bool k = known.contains(animalKey(kb, n));
        p.cards.append({n, k});
        p.known += k;
    }
    return p;
}
