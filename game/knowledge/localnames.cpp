// SPDX-License-Identifier: GPL-2.0-or-later
#include "localnames.h"

#include "categories.h"

#include <QTextStream>

QString namesKey(const QString& picture) {
    const qsizetype slash = std::max(picture.lastIndexOf('/'), picture.lastIndexOf('\\'));
    return picture.mid(slash + 1).trimmed().toLower();
}

void LocalNames::read(QIODevice& in) {
    QTextStream text(&in);
    text.setEncoding(QStringConverter::Utf8);
    QString line;
    // A names file is a few kilobytes; anything far beyond is not one.
    for (int count = 0; count < 10 * maxAnimals && text.readLineInto(&line); ++count) {
        if (line.startsWith('#')) continue;
        const QStringList fields = line.split('\t');
        if (fields.size() != 3) continue;
        const QString name = fields[1].trimmed(), full = fields[2].trimmed();
        if (name.isEmpty() || full.isEmpty() || namesKey(fields[0]).isEmpty()) continue;
        byPicture_.insert(namesKey(fields[0]), {name, full});
    }
}

const LocalName* LocalNames::find(const QString& picture) const {
    const auto it = byPicture_.constFind(namesKey(picture));
    return it == byPicture_.cend() ? nullptr : &*it;
}

QString shownName(const Knowledge& kb, int maxDifficulty, int animal) {
    if (animal < 0 || animal > maxAnimals) return {};
    const AnimalRecord& a = kb.animals[size_t(animal)];
    const LocalName* local = kb.localNames.find(a.picture);
    if (maxDifficulty <= 2) return local ? local->name : a.name;
    return local ? local->fullName : a.fullName;
}

QString shownShortName(const Knowledge& kb, int animal) {
    return shownName(kb, 1, animal);
}
