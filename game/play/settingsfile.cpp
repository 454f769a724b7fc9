// SPDX-License-Identifier: GPL-2.0-or-later
#include "settingsfile.h"

#include "knowledge/ui.h"

#include "formats/printzones.h"
#include "formats/textfile.h"
#include "formats/valuereader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <limits>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

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

// Reads the values of one file in their order. A number that cannot be read leaves its field
// as it was, the default; the count of such numbers tells a settings file from something else.
class SettingsReader {
public:
    explicit SettingsReader(const QString& text) : in_(text) {}

    void int16(int16_t& field) {
        if (const auto v = number(int16Low, int16High)) field = int16_t(*v);
    }
    void int32(int32_t& field) {
        if (const auto v = number(int32Low, int32High)) field = int32_t(*v);
    }
    // Any whole number: the fields with ranges of their own judge it after.
    std::optional<long long> any() { return number(anyLow, anyHigh); }
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
    // A typo costs one field; a file where most numbers are not numbers is no settings file.
    bool mostlyRead() const { return 2 * numbersRead_ >= numbersAsked_; }

private:
    std::optional<long long> number(long long low, long long high) {
        ++numbersAsked_;
        const auto v = in_.numberIfAny(low, high);
        numbersRead_ += v.has_value();
        return v;
    }

    ValueReader in_;
    int numbersAsked_ = 0;
    int numbersRead_ = 0;
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

// Control characters other than tabs and line ends: a picture or a broken disk block saved
// under the name, not a text anyone wrote.
bool isText(const QString& text) {
    for (QChar c : text)
        if (c.category() == QChar::Other_Control && c != '\t' && c != '\r' && c != '\n')
            return false;
    return true;
}

// The settings of a file, or nothing when it cannot be read at all: not text, ending early,
// or hardly a number where the numbers belong.
Result<GameSettings> parseSettings(const QString& text) {
    if (!isText(text)) return Failure{"it is not a text file"};
    SettingsReader in(text);
    GameSettings s;
    readFirstLines(in, s);
    readWindowsAndTypes(in, s);
    QString problem = in.error();
    if (problem.isEmpty() && !in.mostlyRead()) problem = "most of its values cannot be read";
    if (!problem.isEmpty()) return Failure{problem};
    return s;
}

// The settings of velk.INI, the defaults when there is none, or why it cannot be used.
Result<GameSettings> settingsFromFile() {
    const auto read = readTextFile(settingsFileName, settingsFileMaxBytes);
    if (read.missing()) return GameSettings{};
    if (!read) return read.failure();
    return parseSettings(*read);
}

constexpr int damagedNames = 9;

QString damagedName(int n) {
    return QString(settingsFileName) + ".damaged" + (n > 1 ? "-" + QString::number(n) : "");
}

// Renames without ever replacing a file of the new name, even when two copies of the game
// start at once; errno says why not.
bool renameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source, AT_FDCWD, target, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without that flag: a second name, then the first goes.
    if (::link(source, target) != 0) return false;
    ::unlink(source);
    return true;
}

// Moves an unreadable velk.INI out of the way of the next save, to the first free name, so
// neither it nor an earlier damaged file is lost. The name it went to, or why not.
Result<QString> keepAside() {
    for (int n = 1; n <= damagedNames; ++n) {
        if (renameNoReplace(settingsFileName, damagedName(n))) return damagedName(n);
        if (errno != EEXIST) return Failure{qt_error_string(errno)};
    }
    return Failure{QString("%1 damaged copies are kept already").arg(damagedNames)};
}

} // namespace

Result<GameSettings> readSettings(QIODevice& device) {
    const auto read = readText(device, settingsFileMaxBytes);
    if (!read) return read.failure();
    return parseSettings(*read);
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

void loadSettings(GameSettings& s, Ui& ui) {
    const auto load = settingsFromFile();
    s = load ? *load : GameSettings{};
    if (load) return;
    QString text =
        QCoreApplication::translate("Settings", "The settings in %1 cannot be read: ")
            .arg(settingsFileName) +
        load.error() + crlf +
        QCoreApplication::translate("Settings", "The game starts with its default settings.");
    // A FIFO or a folder holds no settings of the player's, so nothing is kept.
    if (QFileInfo(settingsFileName).isFile()) {
        if (const auto kept = keepAside())
            text += crlf +
                    QCoreApplication::translate("Settings", "The file is kept as %1.").arg(*kept);
        else
            text +=
                crlf + QCoreApplication::translate("Settings", "It could not be kept aside: %1.")
                           .arg(kept.error());
    }
    ui.message(text);
}

void saveSettings(const GameSettings& s, Ui& ui) {
    if (const auto saved = writeFileAtomically(settingsFileName, settingsText(s)); !saved)
        ui.message(
            QCoreApplication::translate("Settings", "The settings could not be saved to %1: %2")
                .arg(settingsFileName, saved.error()));
}
