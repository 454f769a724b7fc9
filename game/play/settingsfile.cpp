#include "settingsfile.h"

#include "knowledge/printzones.h"
#include "knowledge/ui.h"
#include "knowledge/valuereader.h"

#include <QFile>
#include <QSaveFile>

#include <limits>

namespace {

// Lines 6 to 9 list the windows 0, 1, 3, 2, 4 in that order, and are read back the same
// way, so every window comes home to its own entry.
constexpr std::array<int, 5> firstRow{0, 1, 3, 2, 4};
constexpr std::array<int, 5> secondRow{5, 6, 7, 8, 9};

constexpr long long int16Low = std::numeric_limits<int16_t>::min();
constexpr long long int16High = std::numeric_limits<int16_t>::max();
constexpr long long int32Low = std::numeric_limits<int32_t>::min();
constexpr long long int32High = std::numeric_limits<int32_t>::max();

bool isNumber(const QString& s) {
    bool ok = false;
    s.toLongLong(&ok);
    return ok;
}

void addReserved(PrintZoneLine& line, const QString& value) {
    if (isNumber(value))
        line.number(value.toLongLong());
    else
        line.text(value);
}

// A hand-edited file may hold values no game can be played with (0 questions, level 99, a
// log level that writes nothing): such a field takes its default, the rest of the file stands.
void defaultOutOfRange(GameSettings& s) {
    const GameSettings d;
    if (s.maxDifficulty < 1 || s.maxDifficulty > maxLevelAllowed) s.maxDifficulty = d.maxDifficulty;
    if (s.minDifficulty < 1 || s.minDifficulty > s.maxDifficulty) s.minDifficulty = d.minDifficulty;
    if (s.questionCount < 1 || s.questionCount > maxQuestions) s.questionCount = d.questionCount;
    if (s.logLevel < 0 || s.logLevel > onlineLogLevel) s.logLevel = d.logLevel;
}

} // namespace

std::optional<GameSettings> readSettings(QIODevice& device) {
    ValueReader in(QString::fromUtf8(device.readAll()));
    GameSettings s;
    auto int16 = [&in](int16_t& field) {
        if (const auto v = in.number(int16Low, int16High, "setting")) field = int16_t(*v);
    };

    int16(s.minDifficulty);
    int16(s.maxDifficulty);
    int16(s.questionCount);
    int16(s.logLevel);
    int16(s.spareValue1);
    int16(s.spareValue2);
    int16_t scratch = 0; // the two 8s of line 2
    int16(scratch);
    int16(scratch);
    for (ReservedGroup& group : s.reserved) {
        // The reserved values are kept as read, a word or a number.
        if (const auto v = in.word()) group.first = *v;
        if (const auto v = in.word()) group.second = *v;
        int16(group.third);
    }
    if (!in.error().isEmpty()) return std::nullopt;
    s.titlePicture = in.restOfLine();

    for (const auto& row : {firstRow, secondRow}) {
        for (int i : row)
            int16(s.formLayout[i].windowState);
        for (int i : row)
            if (const auto v = in.number(int32Low, int32High, "colour"))
                s.formLayout[i].backColor = int32_t(*v);
        for (int i : row)
            int16(s.formLayout[i].height);
        for (int i : row)
            int16(s.formLayout[i].width);
    }
    for (int i = 0; i <= 9; ++i)
        int16(s.typeEnabled[i]);
    if (!in.error().isEmpty()) return std::nullopt;
    defaultOutOfRange(s);
    return s;
}

QByteArray settingsText(const GameSettings& s) {
    QString text;
    text += PrintZoneLine()
                .number(s.minDifficulty)
                .number(s.maxDifficulty)
                .number(s.questionCount)
                .number(s.logLevel)
                .toString();
    text += PrintZoneLine()
                .number(s.spareValue1)
                .number(s.spareValue2)
                .number(8)
                .emptyZone()
                .number(8)
                .toString();
    for (const ReservedGroup& group : s.reserved) {
        PrintZoneLine line;
        addReserved(line, group.first);
        addReserved(line, group.second);
        text += line.number(group.third).toString();
    }
    text += PrintZoneLine().text(s.titlePicture).toString();

    for (const auto& row : {firstRow, secondRow}) {
        PrintZoneLine states, colours, heights, widths;
        for (int i : row) {
            states.number(s.formLayout[i].windowState);
            colours.number(s.formLayout[i].backColor);
            heights.number(s.formLayout[i].height);
            widths.number(s.formLayout[i].width);
        }
        text += states.toString() + colours.toString() + heights.toString() + widths.toString();
    }
    for (int i = 0; i <= 9; ++i)
        text += PrintZoneLine().number(s.typeEnabled[i]).toString();
    return text.toUtf8();
}

void loadSettings(GameSettings& s) {
    QFile file(settingsFileName);
    std::optional<GameSettings> read;
    if (file.open(QIODevice::ReadOnly)) read = readSettings(file);
    s = read.value_or(GameSettings{});
}

void saveSettings(const GameSettings& s, Ui& ui) {
    QSaveFile file(settingsFileName);
    file.setDirectWriteFallback(true); // a writable file in a read-only folder
    const QByteArray bytes = settingsText(s);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    file.cancelWriting();
    ui.message(QString("The settings could not be saved to %1: %2")
                   .arg(settingsFileName, file.errorString()));
}
