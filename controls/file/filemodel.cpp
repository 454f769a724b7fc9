#include "filemodel.h"

#include "formats/textfile.h"
#include "formats/valuereader.h"

#include <array>

namespace trivia {

namespace {

// The first three values exactly as the game reads its database.
std::optional<std::array<QString, 3>> firstTexts(const QString& text, QString* error) {
    ValueReader reader(text);
    std::array<QString, 3> values;
    const std::array<QString, 3> what{"name", "full name", "picture file"};
    for (int i = 0; i < 3; ++i) {
        std::optional<QString> v;
        if (!reader.atEnd()) v = reader.text(what[i]);
        if (!v) {
            if (error)
                *error = reader.atEnd() ? FileModel::dataFile +
                                              QStringLiteral(" holds fewer than three values.")
                                        : FileModel::dataFile +
                                              QStringLiteral(" cannot be read: ") + reader.error();
            return std::nullopt;
        }
        values[i] = *v;
    }
    return values;
}

} // namespace

std::optional<std::array<QString, 3>> FileModel::firstRecord(QIODevice& in, QString* error) {
    const TextFileRead read = readText(in, animalFileMaxBytes);
    if (!read.text) {
        if (error) *error = dataFile + QStringLiteral(" could not be read: ") + read.error;
        return std::nullopt;
    }
    return firstTexts(*read.text, error);
}

void FileModel::Command1_Click() {
    QString error;
    std::optional<std::array<QString, 3>> record;
    // Read whole and closed again before anything is shown, so the button works every time.
    const TextFileRead read = readTextFile(dataFile, animalFileMaxBytes);
    if (read.text)
        record = firstTexts(*read.text, &error);
    else
        error = dataFile + QStringLiteral(" could not be read: ") + read.error;
    text1_ = record ? (*record)[0] + crlf + (*record)[1] : error;
    if (shown) shown();
}

void FileModel::Command2_Click() {
    if (message) message(QStringLiteral("read to link"));
    if (!browser) return;
    Variant address(makerPage);
    DispParams params{&address, 1};
    browser->Invoke(navigateId, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

} // namespace trivia
