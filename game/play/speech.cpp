// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech.h"

#include "knowledge/ui.h"
#include "knowledge/voice.h"

#include <QRegularExpression>

namespace {
// "GREAT WHITE SHARK" is three words, not letters to spell.
QString wordsInCapitals(QString line) {
    static const QRegularExpression capitals("\\b\\p{Lu}{2,}\\b");
    QRegularExpressionMatchIterator it = capitals.globalMatch(line);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        line.replace(m.capturedStart() + 1, m.capturedLength() - 1, m.captured().mid(1).toLower());
    }
    return line;
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
    voice.setLanguage(language_);
    voice.availabilityChanged = [this] { voiceChanged(); };
    voiceChanged();
}

void Speech::load(const QString& fileName) {
    // A file that cannot be read leaves reading off, as on a first start.
    choice_.load(fileName);
    voiceChanged();
}

void Speech::probe() {
    if (voice_) voice_->probe();
}

// Without a voice the switch goes off, so that the player's file does not keep promising
// what the computer cannot do.
void Speech::voiceChanged() {
    if (choice_.on() && !unavailable().isEmpty()) choice_.setOn(false);
    emit changed();
}

QString Speech::userFile() { return PlayerFile::userFile(); }

QString Speech::switchText() {
    return tr("Read aloud");
}

QString Speech::unavailable() const {
    if (!voice_) return tr("This copy of the game was built without speech.");
    return voice_->unavailable();
}

bool Speech::setOn(bool on) {
    if (on == choice_.on()) return true;
    if (on && !unavailable().isEmpty()) return false;
    if (!on && voice_) voice_->stop();
    choice_.setOn(on);
    emit changed();
    say(switchText());
    return true;
}

void Speech::say(const QString& text) {
    if (!choice_.on() || !voice_ || !voice_->unavailable().isEmpty()) return;
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
