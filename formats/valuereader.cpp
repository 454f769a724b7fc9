// SPDX-License-Identifier: GPL-2.0-or-later
#include "valuereader.h"

#include "textfile.h"

namespace {

bool allDigits(QStringView s) {
    for (QChar c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// How a token reads as a number: its whole part, or why it is none.
struct NumberToken {
    QStringView whole;     // sign and digits, when the token is a number
    bool fraction = false; // a number with a fraction that is not zero
};

std::optional<NumberToken> splitNumber(QStringView token) {
    const qsizetype dot = token.indexOf('.');
    const QStringView whole = dot < 0 ? token : token.left(dot);
    const QStringView fraction = dot < 0 ? QStringView() : token.mid(dot + 1);
    const QStringView digits =
        whole.startsWith('-') || whole.startsWith('+') ? whole.mid(1) : whole;
    if (digits.isEmpty() || !allDigits(digits) || !allDigits(fraction)) return std::nullopt;
    NumberToken n{whole};
    for (QChar c : fraction)
        n.fraction = n.fraction || c != '0';
    return n;
}

QString inQuotes(const QString& value) {
    return '"' + shortened(value) + '"';
}

// The token as a whole number within [low, high], or nothing with the reason in `why`.
std::optional<long long> toNumber(const QString& token, long long low, long long high,
                                  const QString& what, QString& why) {
    const auto parts = splitNumber(token);
    if (!parts) {
        why = QString("The %1 %2 is not a number").arg(what, inQuotes(token));
        return std::nullopt;
    }
    if (parts->fraction) {
        why = QString("The %1 %2 is not a whole number").arg(what, inQuotes(token));
        return std::nullopt;
    }
    bool ok = false;
    const long long value = parts->whole.toLongLong(&ok);
    if (!ok) {
        // A run of digits too long for any integer is still a number, just too big.
        why = QString("The %1 %2 is out of range").arg(what, shortened(token));
        return std::nullopt;
    }
    if (value < low || value > high) {
        why =
            QString("The %1 %2 is out of range (%3 to %4)").arg(what).arg(value).arg(low).arg(high);
        return std::nullopt;
    }
    return value;
}

} // namespace

ValueReader::ValueReader(QString text)
    : text_(std::move(text)), chars_(reinterpret_cast<const char16_t*>(text_.constData())),
      size_(text_.size()) {}

bool ValueReader::atEnd() const {
    for (qsizetype i = pos_; i < size_; ++i) {
        const char16_t c = chars_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

void ValueReader::fail(const QString& why) {
    if (error_.isEmpty()) error_ = why;
}

bool ValueReader::fits(const QString& value, const QString& what) {
    if (!error_.isEmpty()) return false;
    if (value.size() <= maxValueLength) return true;
    fail(QString("The %1 %2 is longer than %3 characters")
             .arg(what, inQuotes(value), QString::number(maxValueLength)));
    return false;
}

bool ValueReader::atBlank() const {
    return pos_ < size_ && (chars_[pos_] == ' ' || chars_[pos_] == '\t');
}

bool ValueReader::atLineEnd() const {
    return pos_ < size_ && (chars_[pos_] == '\r' || chars_[pos_] == '\n');
}

void ValueReader::skipBlanks() {
    while (atBlank())
        ++pos_;
}

void ValueReader::skipBlanksAndLineEnds() {
    while (atBlank() || atLineEnd())
        ++pos_;
}

void ValueReader::skipUntil(bool blankEnds) {
    for (; pos_ < size_; ++pos_) {
        const char16_t c = chars_[pos_];
        if (c == ',' || c == '\r' || c == '\n' || (blankEnds && (c == ' ' || c == '\t'))) return;
    }
}

void ValueReader::passLineEnd() {
    if (pos_ < size_ && chars_[pos_] == '\r') ++pos_;
    if (pos_ < size_ && chars_[pos_] == '\n') ++pos_;
}

void ValueReader::closeValue() {
    skipBlanks();
    if (pos_ < size_ && chars_[pos_] == ',')
        ++pos_;
    else
        passLineEnd();
}

bool ValueReader::startValue() {
    if (!error_.isEmpty()) return false;
    skipBlanksAndLineEnds();
    if (pos_ >= size_) {
        fail("The file ends in the middle of a record");
        return false;
    }
    return true;
}

std::optional<QString> ValueReader::quoted() {
    const qsizetype close = text_.indexOf('"', pos_ + 1);
    if (close < 0) {
        fail("A text value has no closing quote");
        return std::nullopt;
    }
    const QString value = text_.mid(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    return value;
}

std::optional<QString> ValueReader::rawValue(bool blankEnds, bool& inQuotes) {
    if (!startValue()) return std::nullopt;
    inQuotes = chars_[pos_] == '"';
    const qsizetype start = pos_;
    std::optional<QString> value = inQuotes ? quoted() : std::nullopt;
    // Anything between a closing quote and the next separator is not part of the value.
    skipUntil(blankEnds);
    if (!inQuotes) value = text_.mid(start, pos_ - start);
    return error_.isEmpty() ? value : std::nullopt;
}

std::optional<QString> ValueReader::text(const QString& what) {
    bool inQuotes = false;
    auto value = rawValue(false, inQuotes);
    if (value && !inQuotes) {
        *value = value->trimmed();
        if (value->contains('"'))
            fail(QString("The %1 %2 holds a double quote, which the file cannot hold")
                     .arg(what, shortened(*value)));
    }
    if (!value || !fits(*value, what)) return std::nullopt;
    closeValue();
    return value;
}

std::optional<QString> ValueReader::word() {
    bool inQuotes = false;
    const auto value = rawValue(true, inQuotes);
    if (!value || !fits(*value, "value")) return std::nullopt;
    closeValue();
    return value;
}

std::optional<long long> ValueReader::number(long long low, long long high, const QString& what) {
    const auto token = word();
    if (!token) return std::nullopt;
    QString why;
    const auto value = toNumber(*token, low, high, what, why);
    if (!value) fail(why);
    return value;
}

std::optional<long long> ValueReader::numberIfAny(long long low, long long high) {
    const auto token = word();
    if (!token) return std::nullopt;
    QString why;
    return toNumber(*token, low, high, "value", why);
}

QString ValueReader::restOfLine() {
    const qsizetype start = pos_;
    while (pos_ < size_ && !atLineEnd())
        ++pos_;
    const QString line = text_.mid(start, pos_ - start).trimmed();
    passLineEnd();
    if (!fits(line, "value")) return {};
    return line;
}
