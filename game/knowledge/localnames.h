// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QHash>
#include <QIODevice>
#include <QString>

struct Knowledge;

// The animals' names in the player's language, kept beside velk.dat (which stays English) in
// names/<language>.tsv: a picture file name, a tab, the short name, a tab, the full name.
struct LocalName {
    QString name;
    QString fullName;
};

class LocalNames {
public:
    // Reads one names file. Comment lines, lines that are not three fields and lines with an
    // empty name are passed over: an animal the file lacks keeps its English name.
    void read(QIODevice& in);
    void clear() { byPicture_.clear(); }
    bool isEmpty() const { return byPicture_.isEmpty(); }

    // The animal's name in the language, or nothing. `picture` may carry its folder.
    const LocalName* find(const QString& picture) const;

private:
    QHash<QString, LocalName> byPicture_;
};

// The picture file name a names file knows an animal by: velk.dat's picture without its folder.
QString namesKey(const QString& picture);

// The name the player reads and Name me! asks for: short up to level 2, full from level 3,
// in the player's language where the names file has it, else English.
QString shownName(const Knowledge& kb, int maxDifficulty, int animal);
// The short name in the player's language, else English.
QString shownShortName(const Knowledge& kb, int animal);
