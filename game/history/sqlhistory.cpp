// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlhistory.h"

#include "knowledge/ui.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <functional>

namespace {

// SQLite's own codes for a file that is not, or no longer, a database.
constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

const char* const schema[] = {
    "CREATE TABLE players(id INTEGER PRIMARY KEY, name TEXT NOT NULL,"
    " avatar TEXT NOT NULL DEFAULT '')",
    "CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL,"
    " player INTEGER NOT NULL, kind INTEGER NOT NULL, asked TEXT NOT NULL,"
    " subject TEXT NOT NULL, answered TEXT NOT NULL, correct INTEGER NOT NULL,"
    " points INTEGER NOT NULL, possible INTEGER NOT NULL)",
    "CREATE INDEX answers_by_player ON answers(player, time)",
    // Holds all that My animals counts, so counting never reads the answers themselves.
    "CREATE INDEX right_answers ON answers(player, correct, time, kind, subject)",
};

// Picture file names hold no line breaks, so one line per animal asked.
constexpr char askedSeparator = '\n';

enum class Opened { ok, damaged, unusable };

// A null QString binds as NULL, which the text columns refuse: "no animal" is the empty text.
QVariant text(const QString& s) {
    return s.isNull() ? QVariant(QString("")) : QVariant(s);
}

class SqlHistory : public History {
public:
    SqlHistory(const QString& fileName, Ui& ui)
        : connection_(QString("velk-history-%1").arg(quintptr(this))), ui_(ui) {
        db_ = QSqlDatabase::addDatabase("QSQLITE", connection_);
        db_.setDatabaseName(fileName);
    }
    ~SqlHistory() override {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }

    Opened open();
    QString lastError() const { return error_; }

    bool record(const QList<Answer>& answers) override;
    QList<Answer> answers(int player, qint64 since) override;
    RightAnswers rightAnswers(int player, qint64 now, qint64 weekMs, int weeks) override;
    QList<Player> players() override;
    int addPlayer(const QString& name, const QString& avatar) override;
    bool changePlayer(const Player& player) override;
    bool removePlayer(int id) override;

private:
    bool exec(QSqlQuery& q);
    bool exec(const QString& statement);
    bool inTransaction(const std::function<bool()>& work);
    Opened judge(const QSqlError& e);
    void writeFailed();

    QString connection_;
    QSqlDatabase db_;
    Ui& ui_;
    QString error_;
    Opened lastFault_ = Opened::ok;
    bool toldWriteFailed_ = false;
};

Opened SqlHistory::judge(const QSqlError& e) {
    const int code = e.nativeErrorCode().toInt();
    error_ = e.text();
    return code == sqliteCorrupt || code == sqliteNotADatabase ? Opened::damaged : Opened::unusable;
}

bool SqlHistory::exec(QSqlQuery& q) {
    if (q.exec()) return true;
    lastFault_ = judge(q.lastError());
    return false;
}

bool SqlHistory::exec(const QString& statement) {
    QSqlQuery q(db_);
    q.prepare(statement);
    return exec(q);
}

bool SqlHistory::inTransaction(const std::function<bool()>& work) {
    if (!db_.transaction()) {
        lastFault_ = judge(db_.lastError());
        return false;
    }
    if (work()) {
        if (db_.commit()) return true;
        lastFault_ = judge(db_.lastError());
    }
    db_.rollback();
    return false;
}

Opened SqlHistory::open() {
    if (!db_.open()) return judge(db_.lastError());
    // The write-ahead log keeps every committed answer through a kill, and a write never
    // waits for the disk: the operating system holds it.
    QSqlQuery mode(db_);
    if (!mode.exec("PRAGMA journal_mode=WAL") || !mode.next()) return judge(mode.lastError());
    if (mode.value(0).toString().compare("wal", Qt::CaseInsensitive) != 0) return Opened::unusable;
    QSqlQuery version(db_);
    if (!version.exec("PRAGMA user_version") || !version.next()) return judge(version.lastError());
    const int found = version.value(0).toInt();
    mode.finish();
    version.finish();
    if (!exec("PRAGMA synchronous=NORMAL")) return lastFault_;
    if (found > historySchemaVersion) {
        error_ =
            QCoreApplication::translate("History", "it was made by a newer version of the game");
        return Opened::unusable;
    }
    QSqlQuery check(db_);
    if (!check.exec("PRAGMA quick_check") || !check.next()) return judge(check.lastError());
    if (check.value(0).toString() != "ok") return Opened::damaged;
    check.finish();
    if (found == historySchemaVersion) return Opened::ok;
    // Version 0 is a new file. Later versions add their steps here, each from the one before.
    const bool made = inTransaction([this] {
        for (const char* statement : schema)
            if (!exec(statement)) return false;
        // The first player is named in the language of the child who starts the game.
        QSqlQuery first(db_);
        first.prepare("INSERT INTO players(id, name) VALUES(1, ?)");
        first.addBindValue(QCoreApplication::translate("PlayersForm", "Player %1").arg(1));
        if (!exec(first)) return false;
        return exec(QString("PRAGMA user_version=%1").arg(historySchemaVersion));
    });
    return made ? Opened::ok : lastFault_;
}

void SqlHistory::writeFailed() {
    if (toldWriteFailed_) return;
    toldWriteFailed_ = true;
    ui_.message(
        QCoreApplication::translate("History", "Your answers could not be kept: %1").arg(error_) +
        crlf + QCoreApplication::translate("History", "The game plays on without keeping them."));
}

bool SqlHistory::record(const QList<Answer>& answers) {
    const bool kept = inTransaction([&] {
        QSqlQuery q(db_);
        q.prepare("INSERT INTO answers(time, player, kind, asked, subject, answered, correct,"
                  " points, possible) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const Answer& a : answers) {
            q.addBindValue(a.time);
            q.addBindValue(a.player);
            q.addBindValue(a.kind);
            q.addBindValue(text(a.asked.join(askedSeparator)));
            q.addBindValue(text(a.subject));
            q.addBindValue(text(a.answered));
            q.addBindValue(int(a.right));
            q.addBindValue(a.points);
            q.addBindValue(a.possible);
            if (!exec(q)) return false;
        }
        return true;
    });
    if (!kept) writeFailed();
    return kept;
}

QList<Answer> SqlHistory::answers(int player, qint64 since) {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare("SELECT time, player, kind, asked, subject, answered, correct, points, possible"
              " FROM answers WHERE (? = 0 OR player = ?) AND time >= ? ORDER BY time, id");
    q.addBindValue(player);
    q.addBindValue(player);
    q.addBindValue(since);
    QList<Answer> found;
    if (!exec(q)) return found;
    while (q.next()) {
        Answer a;
        a.time = q.value(0).toLongLong();
        a.player = q.value(1).toInt();
        a.kind = q.value(2).toInt();
        a.asked = q.value(3).toString().split(askedSeparator);
        a.subject = q.value(4).toString();
        a.answered = q.value(5).toString();
        a.right = q.value(6).toInt() != 0;
        a.points = q.value(7).toInt();
        a.possible = q.value(8).toInt();
        found << a;
    }
    return found;
}

// Counted by SQLite: a few hundred rows come back where thousands of answers lie.
RightAnswers SqlHistory::rightAnswers(int player, qint64 now, qint64 weekMs, int weeks) {
    RightAnswers found;
    QSqlQuery animals(db_);
    animals.setForwardOnly(true);
    animals.prepare("SELECT DISTINCT subject FROM answers WHERE player = ? AND correct = 1");
    animals.addBindValue(player);
    if (exec(animals))
        while (animals.next())
            found.animals << animals.value(0).toString();
    QSqlQuery perWeek(db_);
    perWeek.setForwardOnly(true);
    perWeek.prepare("SELECT kind, (? - time) / ? AS week, COUNT(*) FROM answers WHERE player = ?"
                    " AND correct = 1 AND time <= ? AND time > ? GROUP BY kind, week");
    for (const qint64 value : {now, weekMs, qint64(player), now, now - weekMs * weeks})
        perWeek.addBindValue(value);
    if (exec(perWeek))
        while (perWeek.next())
            found.weeks.append({perWeek.value(0).toInt(), perWeek.value(1).toInt(),
                                perWeek.value(2).toInt()});
    return found;
}

QList<Player> SqlHistory::players() {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare("SELECT id, name, avatar FROM players ORDER BY id");
    QList<Player> found;
    if (!exec(q)) return found;
    while (q.next())
        found << Player{q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()};
    return found;
}

int SqlHistory::addPlayer(const QString& name, const QString& avatar) {
    QSqlQuery q(db_);
    q.prepare("INSERT INTO players(name, avatar) VALUES(?, ?)");
    q.addBindValue(text(name));
    q.addBindValue(text(avatar));
    if (!exec(q)) {
        writeFailed();
        return 0;
    }
    return q.lastInsertId().toInt();
}

bool SqlHistory::changePlayer(const Player& player) {
    QSqlQuery q(db_);
    q.prepare("UPDATE players SET name = ?, avatar = ? WHERE id = ?");
    q.addBindValue(text(player.name));
    q.addBindValue(text(player.avatar));
    q.addBindValue(player.id);
    if (exec(q)) return true;
    writeFailed();
    return false;
}

bool SqlHistory::removePlayer(int id) {
    if (players().size() < 2) return false;
    const bool removed = inTransaction([&] {
        QSqlQuery answers(db_), player(db_);
        answers.prepare("DELETE FROM answers WHERE player = ?");
        answers.addBindValue(id);
        player.prepare("DELETE FROM players WHERE id = ?");
        player.addBindValue(id);
        return exec(answers) && exec(player);
    });
    if (!removed) writeFailed();
    return removed;
}

// A name for a damaged file that nothing else has: velkhistory.db.damaged-20261208-184500.
QString setAsideName(const QString& fileName) {
    const QString stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss");
    QString name = fileName + ".damaged-" + stamp;
    for (int n = 2; QFile::exists(name); ++n)
        name = fileName + ".damaged-" + stamp + "-" + QString::number(n);
    return name;
}

} // namespace

std::unique_ptr<History> openSqlHistory(const QString& folder, Ui& ui) {
    const QString fileName = QDir(folder).filePath(historyFileName);
    auto history = std::make_unique<SqlHistory>(fileName, ui);
    const Opened opened = history->open();
    if (opened == Opened::ok) return history;
    if (opened == Opened::damaged) {
        history.reset();
        const QString aside = setAsideName(fileName);
        // Its log and index go with it: they belong to the damaged file, not a fresh one.
        const bool moved = QFile::rename(fileName, aside);
        for (const char* part : {"-wal", "-shm"})
            if (QFile::exists(fileName + part)) QFile::rename(fileName + part, aside + part);
        if (moved) {
            history = std::make_unique<SqlHistory>(fileName, ui);
            if (history->open() == Opened::ok) {
                ui.message(QCoreApplication::translate(
                               "History", "The history of your answers was damaged. It was set "
                                          "aside as %1 and a new one begun.")
                               .arg(QDir::toNativeSeparators(aside)));
                return history;
            }
        }
    }
    ui.message(QCoreApplication::translate("History",
                                           "The history of your answers cannot be kept in %1")
                   .arg(QDir::toNativeSeparators(folder)) +
               (history ? ": " + history->lastError() : QString()) + crlf +
               QCoreApplication::translate("History", "The game plays on without it."));
    return nullptr;
}
