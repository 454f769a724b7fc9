// SPDX-License-Identifier: GPL-2.0-or-later
#include "players.h"

#include "play/programstate.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

int animalOfKey(const Knowledge& kb, const QString& key) {
    for (int n = 1; n <= kb.animalCount; ++n)
        if (animalKey(kb, n) == key) return n;
    return 0;
}

int askedCount(QuestionType type) {
    if (type == QuestionType::NameMe) return 1;
    if (isDescribe(type)) return 5;
    return 4;
}

} // namespace

QString animalKey(const Knowledge& kb, int n) {
    if (n < 1 || n > kb.animalCount) return {};
    return QFileInfo(kb.animals[size_t(n)].picture).fileName();
}

History* PlayerRecords::history() {
    if (!opened_) {
        opened_ = true;
        if (opener_) history_ = opener_();
    }
    return history_.get();
}

QString practiseKey(int player) {
    return "practiseMissed." + QString::number(player);
}

bool practiseOn(const PlayerRecords& records, int player) {
    return records.file.flag(practiseKey(player), false);
}

bool setPractise(PlayerRecords& records, int player, bool on) {
    if (records.current == player) records.practise = on;
    return records.file.setFlag(practiseKey(player), on);
}

QStringList recentlyMissed(const QList<Answer>& answersOldestFirst) {
    QStringList missed;
    QSet<QString> seen;
    for (auto a = answersOldestFirst.crbegin(); a != answersOldestFirst.crend(); ++a) {
        if (a->subject.isEmpty() || seen.contains(a->subject)) continue;
        seen.insert(a->subject);
        if (!a->right) missed << a->subject;
    }
    return missed;
}

void beginPlayerGame(ProgramState& state) {
    PlayerRecords& p = state.players;
    p.practise = practiseOn(p, p.current);
    p.missed.clear();
    History* history = p.practise ? p.history() : nullptr;
    if (!history) return;
    const qint64 since = QDateTime::currentMSecsSinceEpoch() - practiseWindowMs;
    for (const QString& key : recentlyMissed(history->answers(p.current, since)))
        if (const int n = animalOfKey(state.knowledge, key)) p.missed.push_back(int16_t(n));
}

void recordReplies(ProgramState& state, const QList<Reply>& replies) {
    PlayerRecords& p = state.players;
    for (const Reply& r : replies) {
        if (!p.practise) break;
        const auto at = std::find(p.missed.begin(), p.missed.end(), r.subject);
        if (at != p.missed.end()) p.missed.erase(at);
        if (!r.right) p.missed.insert(p.missed.begin(), int16_t(r.subject));
    }
    History* history = p.history();
    if (!history) return;
    const Knowledge& kb = state.knowledge;
    Answer common;
    common.time = QDateTime::currentMSecsSinceEpoch();
    common.player = p.current;
    common.kind = questionTypeNumber(kb.questionType);
    for (int slot = 0; slot < askedCount(kb.questionType); ++slot)
        common.asked << animalKey(kb, kb.chosen[size_t(slot)]);
    QList<Answer> answers;
    for (const Reply& r : replies) {
        Answer a = common;
        a.subject = animalKey(kb, r.subject);
        a.answered = animalKey(kb, r.given);
        a.right = r.right;
        a.points = r.points;
        a.possible = r.possible;
        answers << a;
    }
    history->record(answers);
}
