// SPDX-License-Identifier: GPL-2.0-or-later
// The control registry: bytes nobody changed come back byte for byte, and a changed or
// removed key reads back as changed or removed, every copy of it.
#include "check.h"

#include "framework/registry.h"

using trivia::RegistryData;
using trivia::RegistryKey;

namespace {

bool same(const RegistryKey& a, const RegistryKey& b) {
    return a.path == b.path && a.values == b.values;
}

bool sameKeys(const QList<RegistryKey>& a, const QList<RegistryKey>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i])) return false;
    return true;
}

// The copies a file holds of the key at `path`: a change leaves one, a removal none.
qsizetype copies(const QList<RegistryKey>& keys, const QString& path) {
    qsizetype n = 0;
    for (const RegistryKey& k : keys)
        n += k.path.compare(path, Qt::CaseInsensitive) == 0;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    RegistryData d = RegistryData::parse(bytes);
    FUZZ_CHECK(d.toBytes() == bytes);
    FUZZ_CHECK(sameKeys(RegistryData::parse(d.toBytes()).keys(), d.keys()));

    const QList<RegistryKey> keys = d.keys();
    if (keys.isEmpty()) return 0;
    // Change the first key as a registration would, then remove it.
    RegistryKey changed = keys.first();
    changed.values.append({QStringLiteral("Version"), QStringLiteral("1.0")});
    const qsizetype others = keys.size() - copies(keys, changed.path);
    d.setKey(changed);
    const RegistryData afterSet = RegistryData::parse(d.toBytes());
    FUZZ_CHECK(afterSet.key(changed.path) && same(*afterSet.key(changed.path), changed));
    FUZZ_CHECK(afterSet.keys().size() == others + 1);
    FUZZ_CHECK(d.removeKey(changed.path));
    FUZZ_CHECK(RegistryData::parse(d.toBytes()).keys().size() == others);
    return 0;
}
