#include "filemodel.h"

#include "valuereader.h"

#include <QFile>

#include <array>

namespace trivia {

std::optional<std::array<QString, 3>> FileModel::firstRecord(QIODevice& in, QString* error) {
    ValueReader reader(in);
    std::array<QString, 3> values;
    for (auto& v : values) {
        const auto next = reader.next();
        if (!next) {
            if (error) *error = dataFile + QStringLiteral(" holds fewer than three values.");
            return std::nullopt;
        }
        v = *next;
    }
    return values;
}

void FileModel::Command1_Click() {
    QString error;
    std::optional<std::array<QString, 3>> record;
    {
        // The file is closed again before anything is shown, so the button works every time.
        QFile file(dataFile);
        if (file.open(QIODevice::ReadOnly))
            record = firstRecord(file, &error);
        else
            error = dataFile + QStringLiteral(" could not be read: ") + file.errorString();
    }
    text1_ = record ? (*record)[0] + QStringLiteral("\r\n") + (*record)[1] : error;
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
