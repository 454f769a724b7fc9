#include "settingsfile.h"

#include "knowledge/ui.h"

#include "formats/printzones.h"
#include "formats/textfile.h"
#include "formats/valuereader.h"

#include <QIODevice>

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
constexpr long long anyLow = std::numeric_limits<long long>::min();
constexpr long long anyHigh = std::numeric_limits<long long>::max();

bool isPlainWord(const QString& value) {
    if (value.isEmpty() || value.startsWith('"')) return false;
    for (QChar c : value)
        if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') return false;
    return true;
}

// A reserved value goes back exactly as it was read: a number in its usual form as a
// number, a word as it stands, anything else (empty, with blanks or commas) in quotes.
void addReserved(PrintZoneLine& line, const QString& value) {
    bool ok = false;
    const long long n = value.toLongLong(&ok);
    if (ok && QString::number(n) == value)
        line.number(n);
    else if (isPlainWord(value))
        line.text(value);
    else
        line.text('"' + QString(value).remove('"') + '"'); // a read value never holds one
}

// Reads the values of one file in their order.
class SettingsReader {
public:
    explicit SettingsReader(const QString& text) : in_(text) {}

    void int16(int16_t& field) {
        if (const auto v = in_.number(int16Low, int16High, "setting")) field = int16_t(*v);
    }
    void int32(int32_t& field) {
        if (const auto v = in_.number(int32Low, int32High, "setting")) field = int32_t(*v);
    }
    // Any whole number: the fields with ranges of their own judge it after.
    std::optional<long long> any() { return in_.number(anyLow, anyHigh, "setting"); }
    void ranged(int16_t& field, long long low, long long high, int16_t fallback) {
        if (const auto v = any()) field = inRange(v, low, high) ? int16_t(*v) : fallback;
    }
    static bool inRange(std::optional<long long> v, long long low, long long high) {
        return v && *v >= low && *v <= high;
    }
    void word(QString& field) {
        if (const auto v = in_.word()) field = *v;
    }
    void restOfLine(QString& field) {
        if (in_.error().isEmpty()) field = in_.restOfLine();
    }
    QString error() const { return in_.error(); }

private:
    ValueReader in_;
};

// A hand-edited file may hold values no game can be played with (0 questions, level 99, a
// log level that writes nothing): such a field takes its default, the rest of the file stands.
void readFirstLines(SettingsReader& in, GameSettings& s) {
    const GameSettings defaults;
    const auto lowest = in.any();
    const auto highest = in.any();
    s.maxDifficulty = SettingsReader::inRange(highest, 1, maxLevelAllowed) ? int16_t(*highest)
                                                                           : defaults.maxDifficulty;
    s.minDifficulty = SettingsReader::inRange(lowest, 1, s.maxDifficulty) ? int16_t(*lowest)
                                                                          : defaults.minDifficulty;
    in.ranged(s.questionCount, 1, maxQuestions, defaults.questionCount);
    in.ranged(s.logLevel, 0, onlineLogLevel, defaults.logLevel);
    in.int16(s.spareValue1);
    in.int16(s.spareValue2);
    int16_t scratch = 0; // the two 8s of line 2
    in.int16(scratch);
    in.int16(scratch);
    for (ReservedGroup& group : s.reserved) {
        in.word(group.first);
        in.word(group.second);
        in.int16(group.third);
    }
    in.restOfLine(s.titlePicture);
}

void readWindowsAndTypes(SettingsReader& in, GameSettings& s) {
    const FormLayout defaults;
    for (const auto& row : {firstRow, secondRow}) {
        for (int i : row)
            in.ranged(s.formLayout[i].windowState, 0, 2, defaults.windowState);
        for (int i : row)
            in.int32(s.formLayout[i].backColor);
        for (int i : row)
            in.int16(s.formLayout[i].height);
        for (int i : row)
            in.int16(s.formLayout[i].width);
    }
    for (int i = 0; i <= 9; ++i)
        in.int16(s.typeEnabled[i]);
}

std::optional<GameSettings> parseSettings(const QString& text, QString& problem) {
    SettingsReader in(text);
    GameSettings s;
    readFirstLines(in, s);
    readWindowsAndTypes(in, s);
    problem = in.error();
    if (!problem.isEmpty()) return std::nullopt;
    return s;
}

// The settings in velk.INI, or the defaults with the reason; a missing file is no problem.
GameSettings settingsFromFile(QString& problem) {
    const TextFileRead read = readTextFile(settingsFileName, settingsFileMaxBytes);
    std::optional<GameSettings> s;
    if (read.text)
        s = parseSettings(*read.text, problem);
    else if (!read.missing)
        problem = read.error;
    return s.value_or(GameSettings{});
}

} // namespace

std::optional<GameSettings> readSettings(QIODevice& device) {
    const TextFileRead read = readText(device, settingsFileMaxBytes);
    QString problem;
    if (!read.text) return std::nullopt;
    return parseSettings(*read.text, problem);
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
    QString problem;
    s = settingsFromFile(problem);
}

void loadSettings(GameSettings& s, Ui& ui) {
    QString problem;
    s = settingsFromFile(problem);
    if (!problem.isEmpty())
        ui.message(QString("The settings in %1 cannot be read: ").arg(settingsFileName) + problem +
                   crlf + "The game starts with its default settings.");
}

void saveSettings(const GameSettings& s, Ui& ui) {
    if (const auto why = writeFileAtomically(settingsFileName, settingsText(s)))
        ui.message(
            QString("The settings could not be saved to %1: %2").arg(settingsFileName, *why));
}
