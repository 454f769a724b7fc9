// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRectF>
#include <QString>

#include <functional>

struct ProgramState;

// "Name me!": the player types the letters of the pictured animal's name. A right letter
// shows wherever it stands; a wrong one is listed and grows the dragon. The word must be
// found before nameMeWorth wrong letters have been typed.
class NameMeGame {
public:
    // What a key did.
    enum class Outcome { ignored, refused, hit, miss, won, lost };

    explicit NameMeGame(ProgramState& state) : state_(state) {}

    // Draws the animal and sets up the word. False when no animal fits the settings: the
    // player has been told, the kind is switched off, and only quit is left.
    bool load();
    bool complete() const { return complete_; }
    bool over() const { return over_; } // won or lost: the window closes

    const QString& hiddenWord() const { return hiddenWord_; }
    const QString& wordMask() const { return wordMask_; }
    const QString& shownWord() const { return shownWord_; }
    const QString& missedLetters() const { return missedLetters_; }
    int misses() const { return int(missedLetters_.size() / 2); }
    QString pictureFile() const;
    // The word row's point size: the longer the word, the smaller.
    static int wordFontSize(int length);

    // The dragon, in twips: grown by a fifth about its centre for each miss, and the
    // picture it shows (none before the first miss).
    QRectF dragonRect() const;
    QString dragonFile() const;
    bool hintShown() const { return misses() > 0; }

    // One typed key, as the player's character; on-screen keys come here too. `shown` is
    // called once the word, the letters and the dragon have changed, before a won or lost
    // game says so, so that the player sees the last letter first.
    Outcome press(QChar key, const std::function<void()>& shown = {});

    static QString caption();

    // The on-screen keys of a language: A to Z, then the letters it adds (Ä Ö Ü, Ñ...).
    static QString keys(const QString& language);
    // The letter a key guesses: a capital without its accent, so that "E" finds "É" and "É"
    // finds "E" on a keyboard that lacks either.
    static QChar guessed(QChar c);
    // The letter a key or a letter of the word stands for in the player's language: in
    // English only A to Z, an accent given away as it always was.
    QChar letterOf(QChar c) const { return foldsAccents_ ? guessed(c) : c.toUpper(); }

private:
    bool toGuess(QChar c) const { return letterOf(c) >= 'A' && letterOf(c) <= 'Z'; }
    void rebuildShownWord();
    Outcome miss(QChar k, const std::function<void()>& shown);
    Outcome hit(const std::function<void()>& shown);

    ProgramState& state_;
    QString name_; // as the wording gives it, for the voice
    QString hiddenWord_;
    QString wordMask_;
    QString shownWord_;
    QString missedLetters_;
    double dragonWidth_ = 855;
    double dragonHeight_ = 1215;
    bool foldsAccents_ = false;
    bool complete_ = false;
    bool over_ = false;
};
