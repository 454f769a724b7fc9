// SPDX-License-Identifier: GPL-2.0-or-later
// Rules of the delivered data that are read from files beside it: which art sets the
// picture table may draw from, and which names count as look-alikes.
#pragma once

#include <QList>
#include <QPair>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace deliveredData {

// "Polar bear" is "Bear" plus a word: the longer name holds all words of the shorter one,
// in order, at its start or its end. Words only: "Elephant" does not hold "Ant".
inline bool addsWords(const QString& shorter, const QString& longer) {
    const QStringList few = shorter.toLower().split(' '), many = longer.toLower().split(' ');
    if (few.size() >= many.size()) return false;
    return many.mid(0, few.size()) == few || many.mid(many.size() - few.size()) == few;
}

// The pairs data/README.md allows although one name is the other plus a word, each on a
// line "- NAME and NAME: why" under the heading "Allowed look-alike pairs".
inline QList<QPair<QString, QString>> allowedPairs(const QString& readme) {
    QList<QPair<QString, QString>> pairs;
    static const QRegularExpression line("^- (.+?) and (.+?): \\S");
    bool inside = false;
    for (const QString& text : readme.split('\n')) {
        if (text.startsWith('#')) inside = text.contains("Allowed look-alike pairs");
        const auto match = line.match(text);
        if (inside && match.hasMatch()) pairs << qMakePair(match.captured(1), match.captured(2));
    }
    return pairs;
}

} // namespace deliveredData
