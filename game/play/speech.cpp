// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech.h"

#include "formats/textfile.h"
#include "knowledge/ui.h"
#include "knowledge/voice.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {
constexpr char readAloudKey[] = "readAloud";
// The file holds one line.
constexpr qint64 playerFileMaxBytes = 64 * 1024;

// Whether the file may be read and rewritten. Anything odd in its place (a FIFO, a
// device, a file of megabytes) is neither read nor replaced: it may be something the player
// wants back, and the choice then lasts for the run.
bool usable(const QString& fileName) {
    const auto checked = checkRegularFile(fileName, playerFileMaxBytes);
    return checked || checked.missing();
}

// "GREAT WHITE SHARK" is three words, not letters to spell.
QString wordsInCapitals(QString line) {
    static const QRegularExpression capitals("\\b[A-Z]{2,}\\b");
    QRegularExpressionMatchIterator it = capitals.globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        line.replace(m.capturedStart() + 1, m.capturedLength() - 1, m.captured().mid(1).toLower());
    }
    return line;
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

QString lineForTheEar(QString line) {
    static const QRegularExpression dashes("\\s*--+\\s*");
    static const QRegularExpression points("\\bpts\\b");
    line.remove('*').remove('_');
    line.replace(dashes, ", ").replace(points, "points");
    return wordsInCapitals(line.simplified());
}
} // namespace

void Speech::attach(Voice& voice) {
    voice_ = &voice;
    voice.availabilityChanged = [this] { voiceChanged(); };
    voiceChanged();
}

void Speech::load(const QString& fileName) {
    file_ = fileName;
    // A file that cannot be read leaves reading off, as on a first start.
    on_ =
        usable(file_) && QSettings(file_, QSettings::IniFormat).value(readAloudKey, false).toBool();
    voiceChanged();
}

void Speech::probe() {
    if (voice_) voice_->probe();
}

// Without a voice the switch goes off, so that the player's file does not keep promising
// what the computer cannot do.
void Speech::voiceChanged() {
    if (on_ && !unavailable().isEmpty()) {
        on_ = false;
        store();
    }
    emit changed();
}

QString Speech::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/morvane-velkins/player.ini";
}

QString Speech::unavailable() const {
    if (!voice_) return "This copy of the game was built without speech.";
    return voice_->unavailable();
}

bool Speech::setOn(bool on) {
    if (on == on_) return true;
    if (on && !unavailable().isEmpty()) return false;
    on_ = on;
    if (!on_ && voice_) voice_->stop();
    store();
    emit changed();
    say(switchText);
    return true;
}

void Speech::say(const QString& text) {
    if (!on_ || !voice_ || !voice_->unavailable().isEmpty()) return;
    const QString spoken = forTheEar(text);
    if (!spoken.isEmpty()) voice_->say(spoken);
}

QString Speech::forTheEar(const QString& text) {
    QStringList lines;
    for (const QString& line : QString(text).replace("\r\n", "\n").split('\n')) {
        const QString heard = lineForTheEar(line);
        if (heard.isEmpty()) continue;
        // A line that ends without a mark of its own still ends: the voice pauses there.
        if (!lines.isEmpty() && !QString(".!?:;,").contains(lines.back().back()))
            lines.back() += '.';
        lines << heard;
    }
    return lines.join(' ');
}

void Speech::store() {
    if (file_.isEmpty()) return;
    // Through the game's own writer: QSettings, on a full disk, empties the file and reports
    // success. A file that is there but cannot be read is left as it is.
    const Result<QString> old = readTextFile(file_, playerFileMaxBytes);
    bool kept = false;
    if (old || old.missing()) {
        QDir().mkpath(QFileInfo(file_).absolutePath());
        const QString text =
            withGeneralValue(old ? *old : QString(), readAloudKey, on_ ? "true" : "false");
        kept = bool(writeFileAtomically(file_, text.toUtf8()));
    }
    if (!kept)
        ui_.message("The choice to read aloud could not be kept in " +
                    QDir::toNativeSeparators(file_) + ". It holds until the game ends.");
}
