// SPDX-License-Identifier: GPL-2.0-or-later
#include "playerfile.h"

#include "formats/textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
// The file holds a few short lines.
constexpr qint64 playerFileMaxBytes = 64 * 1024;

// Whether the file may be read and rewritten. Anything odd in its place is neither read nor
// replaced: it may be something the player wants back, and the choice then lasts for the run.
bool usable(const QString& fileName) {
    const auto checked = checkRegularFile(fileName, playerFileMaxBytes);
    return checked || checked.missing();
}

// The settings file `ini` with `key` set to `value` among its general settings (those under
// "[General]" or before any section); every other line stays as it was.
QString withGeneralValue(const QString& ini, const QString& key, const QString& value) {
    QStringList lines = ini.split('\n');
    if (lines.back().isEmpty()) lines.removeLast();
    const QString line = key + '=' + value;
    bool general = true;
    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = lines[i].trimmed();
        if (text.startsWith('[')) {
            general = text.compare("[General]", Qt::CaseInsensitive) == 0;
            if (general && header < 0) header = i;
        } else if (general && text.section('=', 0, 0).trimmed() == key) {
            lines[i] = line;
            return lines.join('\n') + '\n';
        }
    }
    if (header >= 0)
        lines.insert(header + 1, line);
    else
        lines = QStringList{"[General]", line} + lines;
    return lines.join('\n') + '\n';
}
} // namespace

QString PlayerFile::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/morvane-velkins/player.ini";
}

QString PlayerFile::value(const QString& key, const QString& fallback) const {
    if (file_.isEmpty() || !usable(file_)) return fallback;
    return QSettings(file_, QSettings::IniFormat).value(key, fallback).toString();
}

bool PlayerFile::flag(const QString& key, bool fallback) const {
    const QString v = value(key).trimmed().toLower();
    if (v == "true") return true;
    if (v == "false") return false;
    return fallback;
}

bool PlayerFile::setValue(const QString& key, const QString& value) {
    if (file_.isEmpty()) return false;
    // Through the game's own writer: QSettings, on a full disk, empties the file and reports
    // success. A file that is there but cannot be read is left as it is.
    const Result<QString> old = readTextFile(file_, playerFileMaxBytes);
    if (!old && !old.missing()) return false;
    QDir().mkpath(QFileInfo(file_).absolutePath());
    return bool(writeFileAtomically(
        file_, withGeneralValue(old ? *old : QString(), key, value).toUtf8()));
}
