// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "formats/result.h"

#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <optional>

namespace trivia {

// One key of the registry: a path such as "CLSID\{...}" and its named values ("@" is the
// key's own value).
struct RegistryKey {
    QString path;
    QList<QPair<QString, QString>> values;

    std::optional<QString> value(const QString& name) const;
};

// The registry's content. Keys nobody changed keep their bytes exactly as read, whatever
// their encoding, so a change to one key leaves the rest of the file byte for byte as it was.
// Each line reads as UTF-8, or as Windows-1252 when it is not valid UTF-8; changed keys are
// written in UTF-8.
class RegistryData {
public:
    static RegistryData parse(const QByteArray& bytes);
    QByteArray toBytes() const;

    QList<RegistryKey> keys() const;
    const RegistryKey* key(const QString& path) const; // paths compare case-insensitively
    // Sets the key; copies of it further down (a file merged by hand) go.
    void setKey(const RegistryKey& key);
    // Removes every copy of the key; false when there was none.
    bool removeKey(const QString& path);

private:
    struct Entry {
        RegistryKey key;
        QByteArray raw; // the key's bytes as read; empty once changed
    };
    int indexOf(const QString& path, int from = 0) const;
    static QString render(const RegistryKey& key);

    QByteArray preamble_; // whatever stands before the first key
    QList<Entry> entries_;
};

// The per-user registry of controls: a text file of keys, read and written under a lock,
// replaced atomically.
class Registry {
public:
    static constexpr qint64 maxFileBytes = 16 * 1024 * 1024;
    static constexpr int lockWaitMs = 10000;
    // An update takes milliseconds, and a live holder keeps its lock file from removal anyway.
    static constexpr int staleLockMs = 2000;

    explicit Registry(QString path) : path_(std::move(path)) {}
    // CONTROLS_REGISTRY when set, otherwise a file under the user's XDG data folder.
    static QString defaultPath();

    const QString& path() const { return path_; }
    Result<RegistryData> read() const;
    // Reads, changes and writes back under the lock; a registry left empty is removed.
    Result<void> update(const std::function<void(RegistryData&)>& change);

private:
    QString path_;
};

} // namespace trivia
