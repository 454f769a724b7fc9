// SPDX-License-Identifier: GPL-2.0-or-later
#include "propertybag.h"

#include "module.h"

#include "formats/textfile.h"

namespace trivia {

HResult MemoryPropertyBag::QueryInterface(const Guid& iid, void** ppv) {
    return queryOne<IPropertyBag>(this, iid, {IID_IPropertyBag}, ppv);
}

namespace {

// The same folding a case-insensitive compare makes, one character at a time, so that keys
// equal under it share one place in the index.
QString foldedKey(QStringView name) {
    QString key;
    key.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            key.append(QChar::fromUcs4(QChar::toCaseFolded(QChar::surrogateToUcs4(c, name[++i]))));
        else
            key.append(QChar(char16_t(QChar::toCaseFolded(c.unicode()))));
    }
    return key;
}

} // namespace

int MemoryPropertyBag::indexOf(const QString& name) const {
    return index_.value(foldedKey(name), -1);
}

HResult MemoryPropertyBag::Read(const QString& name, Variant* value) {
    if (!value) return E_POINTER;
    const int i = indexOf(name);
    if (i < 0) return E_INVALIDARG;
    *value = entries_[i].second;
    return S_OK;
}

HResult MemoryPropertyBag::Write(const QString& name, const Variant& value) {
    if (name.isEmpty() || name.contains(QChar('=')) || name.contains(QChar('\n')))
        return E_INVALIDARG;
    const int i = indexOf(name);
    if (i < 0) {
        index_.insert(foldedKey(name), int(entries_.size()));
        entries_.append({name, value});
    } else
        entries_[i].second = value;
    return S_OK;
}

QStringList MemoryPropertyBag::keys() const {
    QStringList k;
    for (const auto& e : entries_)
        k << e.first;
    return k;
}

std::optional<Variant> MemoryPropertyBag::value(const QString& name) const {
    const int i = indexOf(name);
    if (i < 0) return std::nullopt;
    return entries_[i].second;
}

void MemoryPropertyBag::remove(const QString& name) {
    const int i = indexOf(name);
    if (i < 0) return;
    entries_.removeAt(i);
    index_.clear();
    for (int k = 0; k < entries_.size(); ++k)
        index_.insert(foldedKey(entries_[k].first), k);
}

QString MemoryPropertyBag::toText(const Guid& clsid) const {
    QString text = QStringLiteral("Class=") + clsid.toString() + QChar('\n');
    for (const auto& [name, value] : entries_)
        text += name + QChar('=') + value.encode() + QChar('\n');
    return text;
}

Result<MemoryPropertyBag> MemoryPropertyBag::fromText(const QString& text, Guid* clsid) {
    MemoryPropertyBag bag;
    Guid cls;
    int lineNo = 0;
    for (const QString& raw : text.split(QChar('\n'))) {
        ++lineNo;
        const QString line = raw.endsWith(QChar('\r')) ? raw.chopped(1) : raw;
        if (line.trimmed().isEmpty()) continue;
        const int eq = line.indexOf(QChar('='));
        const QString key = eq > 0 ? line.left(eq).trimmed() : QString();
        const QString rest = line.mid(eq + 1);
        std::optional<Variant> v;
        QString why;
        if (key == QLatin1String("Class")) {
            if (const auto g = Guid::fromString(rest)) cls = *g, v = Variant();
        } else if (!key.isEmpty()) {
            v = Variant::decode(rest, &why);
            if (v) bag.Write(key, *v);
        }
        if (!v) {
            // A value its kind cannot hold is named by its key, as a control names a value it
            // cannot take.
            return Failure{why.isEmpty()
                               ? QStringLiteral("line %1 is not \"Key=type:value\"").arg(lineNo)
                               : QStringLiteral("%1: %2 (line %3)").arg(key, why).arg(lineNo)};
        }
    }
    if (clsid) *clsid = cls;
    return bag;
}

Result<void> MemoryPropertyBag::saveFile(const QString& path, const Guid& clsid) const {
    return writeFileAtomically(path, toText(clsid).toUtf8());
}

Result<MemoryPropertyBag> MemoryPropertyBag::loadFile(const QString& path, Guid* clsid) {
    const auto read = readTextFile(path, maxFileBytes);
    if (!read) return read.failure();
    return fromText(*read, clsid);
}

Variant PropertyBagAccess::read(const QString& name, const Variant& defaultValue) {
    Variant v;
    const HResult r = bag_.Read(ownedCopy(name), &v);
    if (r == E_INVALIDARG) return defaultValue;
    if (failed(r)) throw PropertyError(name, ComError(r, QStringLiteral("cannot be read")));
    return v;
}

void PropertyBagAccess::write(const QString& name, const Variant& value,
                              const Variant& defaultValue) {
    if (value.sameValue(defaultValue)) return;
    const HResult r = bag_.Write(ownedCopy(name), value.ownedCopy());
    if (failed(r)) throw PropertyError(name, ComError(r, QStringLiteral("cannot be written")));
}

} // namespace trivia
