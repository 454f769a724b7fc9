// SPDX-License-Identifier: GPL-2.0-or-later
#include "nameme.h"

#include "knowledge/ui.h"
#include "knowledge/wording.h"
#include "play/game.h"
#include "play/players.h"
#include "play/programstate.h"

#include <QCoreApplication>

#include <cmath>

namespace {
const QRectF dragonAtDesign(6000, 1560, 855, 1215);
constexpr double growth = 1.2;

// The dragon grows about the centre it has at its design size; y is kept in whole twips.
QPointF dragonCentre() {
    return {dragonAtDesign.left() + dragonAtDesign.width() / 2,
            std::nearbyint(dragonAtDesign.top() + dragonAtDesign.height() / 2)};
}
} // namespace

QString NameMeGame::caption() {
    return QCoreApplication::translate("NameMe",
                                       "Name Me -- Press the letter keys to enter my name... ");
}

QString NameMeGame::keys(const QString& language) {
    QString keys = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (language == "de") keys += QString::fromUtf8("ÄÖÜ");
    if (language == "fr") keys += QString::fromUtf8("ÉÈÀÇ");
    if (language == "es") keys += QString::fromUtf8("Ñ");
    return keys;
}

QChar NameMeGame::guessed(QChar c) {
    const QString upper = QString(c).toUpper();
    return upper.normalized(QString::NormalizationForm_D).front();
}

int NameMeGame::wordFontSize(int length) {
    if (length > 16) return 10;
    if (length > 14) return 12;
    if (length > 12) return 14;
    if (length > 8) return 18;
    return 24;
}

bool NameMeGame::load() {
    const int a = pickAnimal(state_, 0);
    if (a < 0) {
        reportTooFewAnimals(state_);
        return false;
    }
    name_ = shownAttributeText(state_.knowledge, state_.settings.maxDifficulty, a,
                               state_.knowledge.questionType);
    hiddenWord_ = name_.toUpper();
    foldsAccents_ = state_.language.code() != "en";
    wordMask_.clear();
    shownWord_.clear();
    for (const QChar c : hiddenWord_) {
        if (toGuess(c)) {
            shownWord_ += "_ ";
            wordMask_ += '*';
        } else if (c == ' ') {
            shownWord_ += "  ";
            wordMask_ += ' ';
        } else {
            // A character no key can type (a hyphen, an accent) is given away, like a blank,
            // so that every name can be won.
            shownWord_ += QString(c) + ' ';
            wordMask_ += c;
        }
    }
    complete_ = true;
    return true;
}

QString NameMeGame::pictureFile() const {
    return state_.knowledge.pictureFile(state_.knowledge.chosen[0]);
}

QRectF NameMeGame::dragonRect() const {
    if (misses() == 0) return dragonAtDesign;
    const QPointF c = dragonCentre();
    return {c.x() - dragonWidth_ / 2, c.y() - dragonHeight_ / 2, dragonWidth_, dragonHeight_};
}

QString NameMeGame::dragonFile() const {
    if (misses() == 0) return {};
    return "dragon" + QString::number(state_.nameMeWorth - misses() + 1) + ".jpg";
}

NameMeGame::Outcome NameMeGame::press(QChar key, const std::function<void()>& shown) {
    if (!complete_ || over_) return Outcome::ignored;
    if (!toGuess(key)) {
        state_.ui.message(QCoreApplication::translate("NameMe", "Press a letter, only"));
        return Outcome::refused;
    }
    const QChar k = letterOf(key);
    if (missedLetters_.contains(k)) {
        state_.ui.message(QCoreApplication::translate("NameMe", "Already tried %1").arg(k));
        return Outcome::refused;
    }
    state_.speech.say(key.toUpper()); // the letter, as the child typed it
    bool found = false;
    for (qsizetype i = 0; i < hiddenWord_.size(); ++i) {
        if (letterOf(hiddenWord_[i]) != k) continue;
        wordMask_[i] = hiddenWord_[i];
        found = true;
    }
    return found ? hit(shown) : miss(k, shown);
}

NameMeGame::Outcome NameMeGame::miss(QChar k, const std::function<void()>& shown) {
    missedLetters_ += QString(' ') + k;
    dragonWidth_ *= growth;
    dragonHeight_ *= growth;
    if (shown) shown();
    const int worth = state_.nameMeWorth;
    if (misses() < worth) {
        state_.sounds.play(Sound::wrong);
        return Outcome::miss;
    }
    over_ = true;
    state_.sounds.play(Sound::wordLost);
    recordReplies(state_, {{state_.knowledge.chosen[0], 0, false, 0, worth}});
    addScore(state_.scores, 0, worth, 0);
    state_.ui.message(
        QCoreApplication::translate("NameMe", "The word was: %1. Better luck next time!")
            .arg(hiddenWord_));
    return Outcome::lost;
}

NameMeGame::Outcome NameMeGame::hit(const std::function<void()>& shown) {
    rebuildShownWord();
    if (shown) shown();
    if (wordMask_ != hiddenWord_) {
        state_.sounds.play(Sound::right);
        return Outcome::hit;
    }
    over_ = true;
    state_.sounds.play(Sound::wordWon);
    const int subject = state_.knowledge.chosen[0];
    recordReplies(state_,
                  {{subject, subject, true, state_.nameMeWorth - misses(), state_.nameMeWorth}});
    showResult(state_, state_.nameMeWorth - misses(), state_.nameMeWorth,
               QCoreApplication::translate("NameMe", "You got it!"), name_);
    return Outcome::won;
}

void NameMeGame::rebuildShownWord() {
    shownWord_.clear();
    for (const QChar c : wordMask_)
        shownWord_ += c == '*' ? QString("_  ") : QString(c) + ' ';
}
