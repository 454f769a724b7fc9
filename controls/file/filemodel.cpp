// SPDX-License-Identifier: GPL-2.0-or-later
#include "filemodel.h"

#include "formats/textfile.h"
#include "formats/valuereader.h"

#include <array>

namespace trivia {

namespace {

// The first three values exactly as the game reads its database.
Result<std::array<QString, 3>> firstTexts(const QString& text) {
    ValueReader reader(text);
    std::array<QString, 3> values;
    const std::array<QString, 3> what{"name", "full name", "picture file"};
    for (int i = 0; i < 3; ++i) {
        std::optional<QString> v;
        if (!reader.atEnd()) v = reader.text(what[i]);
        if (!v)
            return Failure{
                reader.atEnd()
                    ? FileModel::dataFile + QStringLiteral(" holds fewer than three values.")
                    : FileModel::dataFile + QStringLiteral(" cannot be read: ") + reader.error()};
        values[i] = *v;
    }
    return values;
}

Result<std::array<QString, 3>> firstTextsOf(const Result<QString>& read) {
    if (!read)
        return Failure{FileModel::dataFile + QStringLiteral(" could not be read: ") + read.error()};
    return firstTexts(*read);
}

} // namespace

Result<std::array<QString, 3>> FileModel::firstRecord(QIODevice& in) {
    return firstTextsOf(readText(in, animalFileMaxBytes));
}

void FileModel::Command1_Click() {
    // Read whole and closed again before anything is shown, so the button works every time.
    const auto record = firstTextsOf(readTextFile(dataFile, animalFileMaxBytes));
    text1_ = record ? (*record)[0] + crlf + (*record)[1] : record.error();
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
