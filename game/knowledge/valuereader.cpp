#include "valuereader.h"

#include <QRegularExpression>

ValueReader::ValueReader(QString text) : text_(std::move(text)) {}

bool ValueReader::atEnd() const {
    for (qsizetype i = pos_; i < text_.size(); ++i) {
        const QChar c = text_[i];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
    }
    return true;
}

void ValueReader::fail(const QString& why) {
    if (error_.isEmpty()) error_ = why;
}

void ValueReader::skipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
}

void ValueReader::skipBlanksAndLineEnds() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\n'))
        ++pos_;
}

bool ValueReader::atLineEnd() const {
    return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n');
}

void ValueReader::passLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

void ValueReader::closeValue() {
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == ',')
        ++pos_;
    else
        passLineEnd();
}

bool ValueReader::startValue() {
    if (!error_.isEmpty()) return false;
    skipBlanksAndLineEnds();
    if (pos_ >= text_.size()) {
        fail("The file ends in the middle of a record");
        return false;
    }
    return true;
}

std::optional<QString> ValueReader::text() {
    if (!startValue()) return std::nullopt;
    QString value;
    if (text_[pos_] == '"') {
        const qsizetype close = text_.indexOf('"', pos_ + 1);
        if (close < 0) {
            fail("A text value has no closing quote");
            return std::nullopt;
        }
        value = text_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        // Anything between the closing quote and the next separator is not part of it.
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !atLineEnd())
            ++pos_;
        value = text_.mid(start, pos_ - start).trimmed();
    }
    closeValue();
    return value;
}

std::optional<QString> ValueReader::word() {
    if (!startValue()) return std::nullopt;
    if (text_[pos_] == '"') return text();
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != ' ' && text_[pos_] != '\t' &&
           !atLineEnd())
        ++pos_;
    const QString token = text_.mid(start, pos_ - start);
    closeValue();
    return token;
}

std::optional<long long> ValueReader::number(long long low, long long high, const QString& what) {
    const auto token = word();
    if (!token) return std::nullopt;
    bool ok = false;
    const long long value = token->toLongLong(&ok);
    if (!ok) {
        // A run of digits too long for any integer is still a number, just too big.
        static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
        fail(digits.match(*token).hasMatch()
                 ? QString("The %1 %2 is out of range").arg(what, *token)
                 : QString("The %1 \"%2\" is not a number").arg(what, *token));
        return std::nullopt;
    }
    if (value < low || value > high) {
        fail(QString("The %1 %2 is out of range (%3 to %4)")
                 .arg(what)
                 .arg(value)
                 .arg(low)
                 .arg(high));
        return std::nullopt;
    }
    return value;
}

QString ValueReader::restOfLine() {
    const qsizetype start = pos_;
    while (pos_ < text_.size() && !atLineEnd())
        ++pos_;
    const QString line = text_.mid(start, pos_ - start).trimmed();
    passLineEnd();
    return line;
}
