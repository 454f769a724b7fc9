#include "valuereader.h"

#include <QIODevice>

namespace trivia {

namespace {
bool isLineEnd(QChar c) {
    return c == QChar('\r') || c == QChar('\n');
}
bool isBlank(QChar c) {
    return c == QChar(' ') || c == QChar('\t');
}
} // namespace

ValueReader::ValueReader(QIODevice& in) : text_(QString::fromLatin1(in.readAll())) {}

std::optional<QString> ValueReader::next() {
    while (at_ < text_.size() && isBlank(text_[at_]))
        ++at_;
    if (at_ >= text_.size()) return std::nullopt;
    QString value = text_[at_] == QChar('"') ? readQuoted() : readPlain();
    skipToSeparator();
    return value;
}

QString ValueReader::readQuoted() {
    const qsizetype start = ++at_;
    const qsizetype end = text_.indexOf(QChar('"'), start);
    at_ = end < 0 ? text_.size() : end + 1;
    return text_.mid(start, (end < 0 ? text_.size() : end) - start);
}

QString ValueReader::readPlain() {
    const qsizetype start = at_;
    while (at_ < text_.size() && text_[at_] != QChar(',') && !isLineEnd(text_[at_]))
        ++at_;
    return text_.mid(start, at_ - start).trimmed();
}

void ValueReader::skipToSeparator() {
    // Whatever stands between a closing quote and the next separator is not part of a value.
    while (at_ < text_.size() && text_[at_] != QChar(',') && !isLineEnd(text_[at_]))
        ++at_;
    if (at_ >= text_.size()) return;
    if (text_[at_] == QChar('\r') && at_ + 1 < text_.size() && text_[at_ + 1] == QChar('\n')) ++at_;
    ++at_;
}

} // namespace trivia
