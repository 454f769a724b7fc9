#include "animalfile.h"

#include "ui.h"
#include "valuereader.h"

#include <QFile>
#include <QSaveFile>

#include <limits>
#include <memory>

namespace {

constexpr long long int16Low = std::numeric_limits<int16_t>::min();
constexpr long long int16High = std::numeric_limits<int16_t>::max();
constexpr long long int32Low = std::numeric_limits<int32_t>::min();

// Reads the 17 values of one record; false (with the reader's error set) when it cannot.
bool readRecord(ValueReader& in, AnimalRecord& a) {
    const auto name = in.text();
    const auto fullName = in.text();
    const auto picture = in.text();
    const auto difficulty = in.number(int16Low, int16High, "difficulty");
    // Negative indices mean "not given"; an index past its word table is refused.
    const auto classIndex = in.number(int32Low, 5, "class");
    const auto familyIndex = in.number(int32Low, 10, "family");
    const auto eaterIndex = in.number(int32Low, 5, "eating habit");
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

QString lastItem(const QString& why, int count, const QString& name) {
    return why + crlf + "last item " + QString::number(count) + " " + name;
}

QString quoted(const QString& s) {
    return '"' + s + '"';
}

} // namespace

QString readAnimals(QIODevice& in, Knowledge& kb) {
    ValueReader reader(QString::fromUtf8(in.readAll()));
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

QString writeAnimals(QIODevice& out, const Knowledge& kb) {
    QString text;
    for (int i = 1; i <= kb.animalCount; ++i) {
        const AnimalRecord& a = kb.animals[i];
        for (const QString& s : {a.name, a.fullName, a.picture})
            if (s.contains('"'))
                return QString("Animal %1 cannot be stored: the text %2 holds a double quote")
                    .arg(i)
                    .arg(s);
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
    const QByteArray bytes = text.toUtf8();
    if (out.write(bytes) != bytes.size()) return out.errorString();
    return {};
}

void loadAnimals(Knowledge& kb, Ui& ui, const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ui.message(lastItem("Cannot open " + fileName + ": " + file.errorString(), 0, {}));
        return;
    }
    const QString problem = readAnimals(file, kb);
    file.close();
    if (!problem.isEmpty()) ui.message(problem);
}

void saveAnimals(const Knowledge& kb, Ui& ui, const QString& fileName) {
    // Written beside the old file and swapped in only when complete.
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true); // a writable file in a read-only folder
    QString problem;
    if (!file.open(QIODevice::WriteOnly))
        problem = "Cannot write " + fileName + ": " + file.errorString();
    else
        problem = writeAnimals(file, kb);
    if (problem.isEmpty() && !file.commit())
        problem = "Cannot write " + fileName + ": " + file.errorString();
    if (!problem.isEmpty()) {
        file.cancelWriting();
        ui.message(problem);
        return;
    }
    const int n = kb.animalCount;
    ui.message(QString::number(n) + " animals stored " + kb.animals[n > 0 ? 1 : 0].name + " to " +
               kb.animals[n].name);
}

void loadAnimalFile(Knowledge& kb, Ui& ui) {
    loadAnimals(kb, ui, "velk.dat");
}
