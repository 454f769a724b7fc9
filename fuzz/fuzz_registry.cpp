// The control registry: text nobody changed comes back byte for byte, and a changed or
// removed key reads back as changed or removed.
#include "check.h"

#include "formats/textfile.h"
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    RegistryData d = RegistryData::parse(text);
    FUZZ_CHECK(d.toText() == text);
    FUZZ_CHECK(sameKeys(RegistryData::parse(d.toText()).keys(), d.keys()));

    const QList<RegistryKey> keys = d.keys();
    if (keys.isEmpty()) return 0;
    // Change the first key as a registration would, then remove it.
    RegistryKey changed = keys.first();
    changed.values.append({QStringLiteral("Version"), QStringLiteral("1.0")});
    d.setKey(changed);
    const RegistryData afterSet = RegistryData::parse(d.toText());
    FUZZ_CHECK(afterSet.key(changed.path) && same(*afterSet.key(changed.path), changed));
    FUZZ_CHECK(afterSet.keys().size() == keys.size());
    FUZZ_CHECK(d.removeKey(changed.path));
    FUZZ_CHECK(RegistryData::parse(d.toText()).keys().size() == keys.size() - 1);
    return 0;
}
