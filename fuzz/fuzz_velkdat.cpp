// SPDX-License-Identifier: GPL-2.0-or-later
// velk.dat: whatever loads can be saved, and what is saved loads back to the same animals.
#include "check.h"

#include "knowledge/animalfile.h"

#include <QBuffer>

#include <memory>

namespace {

QString read(const QByteArray& bytes, Knowledge& kb) {
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return readAnimals(in, kb).error();
}

QByteArray write(const Knowledge& kb) {
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    FUZZ_CHECK(writeAnimals(out, kb));
    return out.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    auto kb = std::make_unique<Knowledge>();
    const QString problem = read(bytes, *kb);
    // A refusal is one short line and the last good record, however long the input.
    FUZZ_CHECK(problem.size() < 400);
    if (!problem.isEmpty()) return 0;

    const QByteArray saved = write(*kb);
    auto back = std::make_unique<Knowledge>();
    FUZZ_CHECK(read(saved, *back).isEmpty());
    FUZZ_CHECK(back->animalCount == kb->animalCount);
    for (int i = 1; i <= kb->animalCount; ++i)
        FUZZ_CHECK(back->animals[i] == kb->animals[i]);
    FUZZ_CHECK(write(*back) == saved);
    return 0;
}
