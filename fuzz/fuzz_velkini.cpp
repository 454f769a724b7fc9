// SPDX-License-Identifier: GPL-2.0-or-later
// velk.INI: whatever loads lies within the fields' ranges, and saves so that it reads back
// to the same settings.
#include "check.h"

#include "play/settingsfile.h"

#include <QBuffer>

namespace {

Result<GameSettings> read(const QByteArray& bytes) {
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return readSettings(in);
}

bool inRange(const GameSettings& s) {
    bool ok = s.minDifficulty >= 1 && s.minDifficulty <= s.maxDifficulty && s.maxDifficulty <= 3 &&
              s.questionCount >= 1 && s.questionCount <= 10 && s.logLevel >= 0 && s.logLevel <= 2;
    for (const FormLayout& f : s.formLayout)
        ok = ok && f.windowState >= 0 && f.windowState <= 2;
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto s = read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!s) return 0;
    FUZZ_CHECK(inRange(*s));
    const QByteArray saved = settingsText(*s);
    const auto back = read(saved);
    FUZZ_CHECK(back);
    FUZZ_CHECK(*back == *s);
    FUZZ_CHECK(settingsText(*back) == saved);
    return 0;
}
