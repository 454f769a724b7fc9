#include "registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
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

RegistryData RegistryData::parse(const QString& text) {
    RegistryData d;
    Entry* current = nullptr;
    const QStringList lines = text.split(QChar('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        // The last element holds what follows the final line break, usually nothing.
        const QString withBreak = i + 1 < lines.size() ? line + QChar('\n') : line;
        if (isHeader(line)) {
            d.entries_.append({{line.trimmed().mid(1).chopped(1), {}}, QString()});
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

QString RegistryData::toText() const {
    QString s = preamble_;
    for (const auto& e : entries_) {
        if (!e.raw.isEmpty()) {
            s += e.raw;
            continue;
        }
        if (!s.isEmpty() && !s.endsWith(QChar('\n'))) s += QChar('\n');
        s += render(e.key);
    }
    return s;
}

QList<RegistryKey> RegistryData::keys() const {
    QList<RegistryKey> k;
    for (const auto& e : entries_)
        k << e.key;
    return k;
}

int RegistryData::indexOf(const QString& path) const {
    for (int i = 0; i < entries_.size(); ++i)
        if (entries_[i].key.path.compare(path, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

const RegistryKey* RegistryData::key(const QString& path) const {
    const int i = indexOf(path);
    return i < 0 ? nullptr : &entries_[i].key;
}

void RegistryData::setKey(const RegistryKey& key) {
    const int i = indexOf(key.path);
    if (i >= 0 && entries_[i].key.path == key.path && entries_[i].key.values == key.values)
        return; // unchanged: keep its text as it is
    if (i >= 0) {
        entries_[i] = {key, QString()};
        return;
    }
    // New keys go before the text that was already there, so that text, down to a missing
    // final line break, comes back unchanged when they are removed again.
    int at = 0;
    while (at < entries_.size() && entries_[at].raw.isEmpty())
        ++at;
    entries_.insert(at, {key, QString()});
}

bool RegistryData::removeKey(const QString& path) {
    const int i = indexOf(path);
    if (i < 0) return false;
    entries_.removeAt(i);
    return true;
}

QString Registry::defaultPath() {
    const QString env = qEnvironmentVariable("CONTROLS_REGISTRY");
    if (!env.isEmpty()) return env;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/trivia-controls/registry");
}

std::optional<RegistryData> Registry::read(QString* error) const {
    QFile f(path_);
    if (!f.exists()) return RegistryData();
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    return RegistryData::parse(QString::fromUtf8(f.readAll()));
}

bool Registry::update(const std::function<void(RegistryData&)>& change, QString* error) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(10000)) {
        if (error) *error = QStringLiteral("the registry is locked by another program");
        return false;
    }
    auto data = read(error);
    if (!data) return false;
    const QString before = data->toText();
    change(*data);
    const QString after = data->toText();
    if (after == before) return true;
    if (after.isEmpty()) return QFile::remove(path_);
    QSaveFile f(path_);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(after.toUtf8());
        if (f.commit()) return true;
    }
    if (error) *error = f.errorString();
    return false;
}

} // namespace trivia
