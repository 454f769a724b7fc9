// SPDX-License-Identifier: GPL-2.0-or-later
#include "registry.h"

#include "formats/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace trivia {

std::optional<QString> RegistryKey::value(const QString& name) const {
    for (const auto& [n, v] : values)
        if (n.compare(name, Qt::CaseInsensitive) == 0) return v;
    return std::nullopt;
}

namespace {

bool isHeader(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(QChar('[')) && t.endsWith(QChar(']')) && t.size() > 2;
}

} // namespace

RegistryData RegistryData::parse(const QByteArray& bytes) {
    RegistryData d;
    Entry* current = nullptr;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        // The last element holds what follows the final line break, usually nothing.
        const QByteArray withBreak = i + 1 < lines.size() ? lines[i] + '\n' : lines[i];
        // Line by line: one program's Windows-1252 does not make our UTF-8 paths unreadable.
        // With its line break a line keeps a Ctrl-Z at its end, which marks no end of file.
        const QString line = decodeText(lines[i] + '\n').chopped(1);
        if (isHeader(line)) {
            d.entries_.append({{line.trimmed().mid(1).chopped(1), {}}, QByteArray()});
            current = &d.entries_.back();
        }
        if (!current) {
            d.preamble_ += withBreak;
            continue;
        }
        current->raw += withBreak;
        const QString t = line.trimmed();
        const int eq = t.indexOf(QChar('='));
        if (!isHeader(line) && eq > 0 && !t.startsWith(QChar(';')))
            current->key.values.append({t.left(eq), t.mid(eq + 1)});
    }
    return d;
}

QString RegistryData::render(const RegistryKey& key) {
    QString s = QChar('[') + key.path + QStringLiteral("]\n");
    for (const auto& [n, v] : key.values)
        s += n + QChar('=') + v + QChar('\n');
    return s;
}

QByteArray RegistryData::toBytes() const {
    QByteArray s = preamble_;
    for (const auto& e : entries_) {
        if (!e.raw.isEmpty()) {
            s += e.raw;
            continue;
        }
        if (!s.isEmpty() && !s.endsWith('\n')) s += '\n';
        s += render(e.key).toUtf8();
    }
    return s;
}

QList<RegistryKey> RegistryData::keys() const {
    QList<RegistryKey> k;
    for (const auto& e : entries_)
        k << e.key;
    return k;
}

int RegistryData::indexOf(const QString& path, int from) const {
    for (int i = from; i < entries_.size(); ++i)
        if (entries_[i].key.path.compare(path, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

const RegistryKey* RegistryData::key(const QString& path) const {
    const int i = indexOf(path);
    return i < 0 ? nullptr : &entries_[i].key;
}

void RegistryData::setKey(const RegistryKey& key) {
    const int i = indexOf(key.path);
    if (i < 0) {
        // New keys go before the text that was already there, so that text, down to a
        // missing final line break, comes back unchanged when they are removed again.
        int at = 0;
        while (at < entries_.size() && entries_[at].raw.isEmpty())
            ++at;
        entries_.insert(at, {key, QByteArray()});
        return;
    }
    for (int copy = indexOf(key.path, i + 1); copy >= 0; copy = indexOf(key.path, copy))
        entries_.removeAt(copy);
    if (entries_[i].key.path == key.path && entries_[i].key.values == key.values)
        return; // unchanged: keep its bytes as they are
    entries_[i] = {key, QByteArray()};
}

bool RegistryData::removeKey(const QString& path) {
    return entries_.removeIf([&](const Entry& e) {
        return e.key.path.compare(path, Qt::CaseInsensitive) == 0;
    }) > 0;
}

QString Registry::defaultPath() {
    const QString env = qEnvironmentVariable("CONTROLS_REGISTRY");
    if (!env.isEmpty()) return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/trivia-controls/registry");
}

Result<RegistryData> Registry::read() const {
    // As bytes: a key nobody changes is written back as it was read.
    const auto read = readFileBytes(path_, maxFileBytes);
    if (read.missing()) return RegistryData();
    if (!read) return read.failure();
    return RegistryData::parse(*read);
}

Result<void> Registry::update(const std::function<void(RegistryData&)>& change) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QLockFile lock(path_ + QStringLiteral(".lock"));
    // A lock left by a program killed before it could write its name into it is taken as
    // stale well before a registration gives up waiting.
    lock.setStaleLockTime(staleLockMs);
    if (!lock.tryLock(lockWaitMs))
        return Failure{QStringLiteral("the registry is locked by another program")};
    // Under the lock no save is under way: a temporary file beside the registry is a leftover.
    removeSaveLeftovers(path_);
    auto data = read();
    if (!data) return data.failure();
    const QByteArray before = data->toBytes();
    change(*data);
    const QByteArray after = data->toBytes();
    if (after == before) return {};
    if (after.isEmpty() && !QFile::remove(path_)) return Failure{};
    if (after.isEmpty()) return {};
    return writeFileAtomically(path_, after);
}

} // namespace trivia
