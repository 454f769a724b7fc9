// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/voice.h"
#include "play/playerflag.h"

#include <QObject>
#include <QString>

class Ui;
class Voice;

// Reading the game aloud, for children who cannot read yet. Off until a parent switches it
// on; the choice lives in a per-user settings file of its own, never in velk.INI. While it is
// off nothing reaches the voice, so no speech engine starts unless the switch's screen probes.
class Speech : public QObject {
    Q_OBJECT
public:
    explicit Speech(Ui& ui)
        : choice_(ui, "readAloud", false,
                  QT_TRANSLATE_NOOP("PlayerFlag", "The choice to read aloud could not be kept in "
                                                  "%1. It holds until the game ends.")) {}

    // The voice that speaks; until one is attached the game stays silent and says why.
    void attach(Voice& voice);
    // Reads the choice from `fileName` and keeps it there from now on. Without a file the
    // choice lasts for the run. Reading aloud never stays on without a voice, in the file
    // neither.
    void load(const QString& fileName);
    // The per-user file that holds the game's own choices.
    static QString userFile();

    bool on() const { return choice_.on(); }
    // Empty while a voice may speak; otherwise why nothing can be said.
    QString unavailable() const;
    // Asks the voice whether it can speak, without a word said; what it finds comes as
    // changed(). Asked where the switch is shown, never at start-up: starting an engine takes
    // its time.
    void probe();
    // Switches reading on or off and stores the choice; switching on says so. Switching on
    // is refused (false) while no voice can speak.
    bool setOn(bool on);
    bool toggle() { return setOn(!choice_.on()); }

    // Says `text` as the ear wants it, over whatever was being said; nothing while reading
    // is off or no voice can speak. Never waits for the voice.
    void say(const QString& text);
    // The language the voice speaks from now on.
    void setLanguage(const QString& code) {
        language_ = code;
        if (voice_) voice_->setLanguage(code);
    }

    // A text as a voice should read it: line breaks become pauses, marks that only decorate
    // ("***", "_", "--") go, a word in capitals is read as a word, "pts" as "points".
    static QString forTheEar(const QString& text);

    static QString switchText();

signals:
    // The switch or the voice's availability changed.
    void changed();

private:
    void voiceChanged();

    Voice* voice_ = nullptr;
    PlayerFlag choice_;
    QString language_ = "en";
};
