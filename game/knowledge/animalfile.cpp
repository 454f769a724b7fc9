// SPDX-License-Identifier: GPL-2.0-or-later
#include "animalfile.h"

#include "ui.h"

#include "formats/textfile.h"
#include "formats/valuereader.h"

#include <QIODevice>

#include <limits>
#include <memory>

namespace {

constexpr long long int16Low = std::numeric_limits<int16_t>::min();
constexpr long long int16High = std::numeric_limits<int16_t>::max();
constexpr long long int32Low = std::numeric_limits<int32_t>::min();
constexpr long long int32High = std::numeric_limits<int32_t>::max();

// Reads the 17 values of one record; false (with the reader's error set) when it cannot.
bool readRecord(ValueReader& in, AnimalRecord& a) {
    const auto name = in.text("name");
    const auto fullName = in.text("full name");
    const auto picture = in.text("picture file");
    const auto difficulty = in.number(int16Low, int16High, "difficulty");
    // Negative indices mean "not given"; an index past its word table is a data error the
    // format still holds, and the wording gives it no word.
    const auto classIndex = in.number(int32Low, int32High, "class");
    const auto familyIndex = in.number(int32Low, int32High, "family");
    const auto eaterIndex = in.number(int32Low, int32High, "eating habit");
    std::array<std::optional<long long>, biomeCount> biomes;
    for (auto& b : biomes)
        b = in.number(int16Low, int16High, "biome flag");
    const auto extra1 = in.number(int16Low, int16High, "spare value");
    const auto extra2 = in.number(int16Low, int16High, "spare value");
    const auto extra3 = in.number(int16Low, int16High, "spare value");
    if (!in.error().isEmpty()) return false;

    a.name = *name;
    a.fullName = *fullName;
    a.picture = *picture;
    a.difficulty = int16_t(*difficulty);
    a.classIndex = int32_t(*classIndex);
    a.familyIndex = int32_t(*familyIndex);
    a.eaterIndex = int32_t(*eaterIndex);
    for (int i = 0; i < biomeCount; ++i)
        a.biomes[i] = int16_t(*biomes[i]);
    a.extra1 = int16_t(*extra1);
    a.extra2 = int16_t(*extra2);
    a.extra3 = int16_t(*extra3);
    return true;
}

Failure lastItem(const QString& why, int count, const QString& name) {
    return {why + crlf + "last item " + QString::number(count) + " " + shortened(name)};
}

// The widest record the writer can make of what the reader accepts: three quoted texts of
// up to three bytes a character, fourteen numbers, CR LF. A saved file always loads again.
constexpr qint64 widestRecord = 3 * (3 * ValueReader::maxValueLength + 3) + 14 * 12 + 2;
static_assert(maxAnimals * widestRecord < animalFileMaxBytes);

Result<void> readAnimalText(const QString& text, Knowledge& kb) {
    ValueReader reader(text);
    // Records go to a scratch table first: a bad file never leaves half an animal behind.
    auto scratch = std::make_unique<std::array<AnimalRecord, maxAnimals + 1>>();
    int count = 0;
    while (!reader.atEnd()) {
        if (count == maxAnimals)
            return lastItem(QString("The file holds more than %1 animals").arg(maxAnimals), count,
                            (*scratch)[count].name);
        AnimalRecord record;
        if (!readRecord(reader, record))
            return lastItem(reader.error(), count, (*scratch)[count].name);
        (*scratch)[++count] = record;
    }
    for (int i = 1; i <= count; ++i)
        kb.animals[i] = (*scratch)[i];
    kb.animalCount = int16_t(count);
    return {};
}

QString quoted(const QString& s) {
    return '"' + s + '"';
}

// The whole file for animals 1..animalCount, or why it cannot be written.
Result<QByteArray> animalText(const Knowledge& kb) {
    QString text;
    for (int i = 1; i <= kb.animalCount; ++i) {
        const AnimalRecord& a = kb.animals[i];
        for (const QString& s : {a.name, a.fullName, a.picture})
            if (s.contains('"'))
                return Failure{
                    QString("Animal %1 cannot be stored: the text %2 holds a double quote")
                        .arg(QString::number(i), shortened(s))};
        QStringList values{quoted(a.name),
                           quoted(a.fullName),
                           quoted(a.picture),
                           QString::number(a.difficulty),
                           QString::number(a.classIndex),
                           QString::number(a.familyIndex),
                           QString::number(a.eaterIndex)};
        for (int b = 0; b < biomeCount; ++b)
            values << QString::number(a.biomes[b]);
        values << QString::number(a.extra1) << QString::number(a.extra2)
               << QString::number(a.extra3);
        text += values.join(',') + crlf;
    }
    return text.toUtf8();
}

} // namespace

Result<void> readAnimals(QIODevice& in, Knowledge& kb) {
    const auto read = readText(in, animalFileMaxBytes);
    if (!read) return lastItem("The animals cannot be read: " + read.error(), 0, {});
    return readAnimalText(*read, kb);
}

Result<void> writeAnimals(QIODevice& out, const Knowledge& kb) {
    const auto bytes = animalText(kb);
    if (!bytes) return bytes.failure();
    if (out.write(*bytes) != bytes->size()) return Failure{out.errorString()};
    return {};
}

void loadAnimals(Knowledge& kb, Ui& ui, const QString& fileName) {
    const auto read = readTextFile(fileName, animalFileMaxBytes);
    const auto loaded = read ? readAnimalText(*read, kb)
                             : lastItem("Cannot read " + fileName + ": " + read.error(), 0, {});
    if (!loaded) ui.message(loaded.error());
}

void saveAnimals(const Knowledge& kb, Ui& ui, const QString& fileName) {
    const auto bytes = animalText(kb);
    Result<void> saved = bytes ? writeFileAtomically(fileName, *bytes) : bytes.failure();
    if (bytes && !saved) saved = Failure{"Cannot write " + fileName + ": " + saved.error()};
    if (!saved) {
        ui.message(saved.error());
        return;
    }
    const int n = kb.animalCount;
    ui.message(QString::number(n) + " animals stored " + shortened(kb.animals[n > 0 ? 1 : 0].name) +
               " to " + shortened(kb.animals[n].name));
}

void loadAnimalFile(Knowledge& kb, Ui& ui) {
    loadAnimals(kb, ui, animalFileName);
}
