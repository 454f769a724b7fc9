// SPDX-License-Identifier: GPL-2.0-or-later
#include "match.h"

#include "knowledge/ui.h"
#include "knowledge/wording.h"
#include "play/game.h"
#include "play/players.h"
#include "play/programstate.h"
#include "play/quizlog.h"
#include "screens/shuffle.h"

#include <QCoreApplication>

#include <utility>

namespace {
// Top left, top right, bottom left, bottom right.
const std::array<QRect, MatchQuestion::count> pictures{
    QRect(720, 240, 3735, 2535), QRect(5040, 240, 3615, 2535), QRect(720, 3000, 3735, 2415),
    QRect(5040, 3000, 3615, 2415)};
// Bar 0 is the rightmost. Each bar stands clear of its neighbours, so that no name is half
// hidden under the next bar.
const std::array<QRect, MatchQuestion::count> bars{
    QRect(6600, 5520, 2080, 435), QRect(4440, 5520, 2080, 435), QRect(2280, 5520, 2080, 435),
    QRect(120, 5520, 2080, 435)};

bool valid(int index) {
    return index >= 0 && index < MatchQuestion::count;
}
} // namespace

QRect MatchQuestion::pictureRect(int picture) {
    return pictures[size_t(picture)];
}

QRect MatchQuestion::homeRect(int bar) {
    return bars[size_t(bar)];
}

int MatchQuestion::barFontSize(int captionLength) {
    if (captionLength <= 10) return 18;
    if (captionLength <= 15) return 14;
    if (captionLength <= 20) return 12;
    return 10;
}

MatchQuestion::MatchQuestion(ProgramState& state) : state_(state) {
    for (int k = 0; k < count; ++k)
        sendHome(k);
}

void MatchQuestion::sendHome(int bar) {
    barTop_[size_t(bar)] = int16_t(bars[size_t(bar)].top());
    barLeft_[size_t(bar)] = int16_t(bars[size_t(bar)].left());
}

QString MatchQuestion::prompt() const {
    return shownTypeName(state_.knowledge);
}

bool MatchQuestion::load() {
    logLine(state_, "Match " + questionTypeName(state_.knowledge), 1, 0);
    for (int k = 0; k < count; ++k) {
        const int a = pickAnimal(state_, k);
        if (a < 0) {
            reportTooFewAnimals(state_);
            return false;
        }
        barOnPicture_[size_t(k)] = none;
        slotOfPicture_[size_t(k)] = k;
        captions_[size_t(k)] = promptText(state_, 2, a, QuestionType::None);
        logLine(state_, attributeText(state_, a, state_.knowledge.questionType), 1, 0);
        drawn_ = k + 1;
    }
    // Only the first three pictures take part: the bottom right one keeps bar 3's animal.
    shuffleNeighbours(state_.random, 3, [this](int j) {
        std::swap(slotOfPicture_[size_t(j)], slotOfPicture_[size_t(j - 1)]);
    });
    complete_ = true;
    return true;
}

QString MatchQuestion::pictureFile(int picture) const {
    return state_.knowledge.pictureFile(state_.knowledge.chosen[size_t(slotOfPicture(picture))]);
}

QRect MatchQuestion::barRect(int bar) const {
    return {barLeft_[size_t(bar)], barTop_[size_t(bar)], bars[size_t(bar)].width(),
            bars[size_t(bar)].height()};
}

void MatchQuestion::startDrag(int bar) {
    if (!complete_ || answered_ || !valid(bar)) return;
    dragBar_ = bar;
    dragging_ = true;
}

void MatchQuestion::drop(int picture) {
    if (!dragging_ || !valid(picture)) return;
    dragging_ = false;
    const int b = dragBar_;
    for (int& lying : barOnPicture_)
        if (lying == b) lying = none;
    const QRect p = pictures[size_t(picture)];
    const QRect bar = bars[size_t(b)];
    barTop_[size_t(b)] = int16_t(p.top() + p.height() - bar.height() - 10);
    barLeft_[size_t(b)] = int16_t(p.left() + p.width() / 2 - bar.width() / 2);
    if (barOnPicture_[size_t(picture)] != none) sendHome(barOnPicture_[size_t(picture)]);
    barOnPicture_[size_t(picture)] = b;
}

int MatchQuestion::pictureOfBar(int bar) const {
    for (int p = 0; p < count; ++p)
        if (barOnPicture_[size_t(p)] == bar) return p;
    return none;
}

int MatchQuestion::rightPairs() const {
    int right = 0;
    for (int p = 0; p < count; ++p)
        if (barOnPicture_[size_t(p)] == slotOfPicture_[size_t(p)]) ++right;
    return right;
}

// "Lion placed on image of Tiger" for a picture under a wrong bar; empty otherwise. In
// English for the quiz log, else as the player reads it.
QString MatchQuestion::wrongPair(int picture, bool english) const {
    const int bar = barOnPicture_[size_t(picture)];
    if (bar == none || bar == slotOfPicture_[size_t(picture)]) return {};
    const auto& chosen = state_.knowledge.chosen;
    const int placed = chosen[size_t(bar)],
              pictured = chosen[size_t(slotOfPicture_[size_t(picture)])];
    const QuestionType t = state_.knowledge.questionType;
    if (english)
        return attributeText(state_, placed, t) + " placed on image of " +
               attributeText(state_, pictured, t);
    return QCoreApplication::translate("Match", "%1 placed on image of %2")
        .arg(promptText(state_, 2, placed, QuestionType::None),
             promptText(state_, 2, pictured, QuestionType::None));
}

QString MatchQuestion::resultText() const {
    const int right = rightPairs();
    if (right == count) return QCoreApplication::translate("Match", "*** All correct!");
    QString text;
    for (int p = 0; p < count; ++p) {
        const QString line = wrongPair(p, false);
        if (!line.isEmpty()) text += crlf + line;
    }
    return text + crlf + crlf +
           QCoreApplication::translate("Match", "*** Scored %1 of %2").arg(right).arg(count);
}

void MatchQuestion::done() {
    if (!complete_ || answered_) return;
    answered_ = true;
    dragging_ = false;
    for (int p = 0; p < count; ++p) {
        const QString line = wrongPair(p, true);
        if (!line.isEmpty()) logLine(state_, line, 2, 0);
    }
    const int right = rightPairs();
    if (right == count) logLine(state_, " *** All correct!", 2, 0);
    state_.sounds.play(right == count ? Sound::right : Sound::wrong);
    QList<Reply> replies; // a reply per bar: the animal named, and the one it was laid on
    for (int bar = 0; bar < count; ++bar) {
        const int p = pictureOfBar(bar);
        const int given =
            p == none ? 0 : state_.knowledge.chosen[size_t(slotOfPicture_[size_t(p)])];
        const bool ok = p != none && slotOfPicture_[size_t(p)] == bar;
        replies.append({state_.knowledge.chosen[size_t(bar)], given, ok, ok ? 5 : 0, 5});
    }
    recordReplies(state_, replies);
    showResult(state_, 5 * right, 20, resultText());
}

QString MatchQuestion::helpText() {
    return QCoreApplication::translate("Match", "Click on one of the colored bars") + crlf +
           QCoreApplication::translate("Match", "Then drag it to its picture") + crlf + crlf +
           QCoreApplication::translate("Match", "When all items are matched, click on 'done'");
}
