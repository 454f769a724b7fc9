#pragma once

#include <QString>

#include <optional>

class QIODevice;

namespace trivia {

// Reads values separated by commas or line ends, as velk.dat holds them: blanks before a value
// are skipped, a value that opens with a double quote runs to the next one (the quotes are not
// part of it), any other value runs to the next comma or line end.
class ValueReader {
public:
    explicit ValueReader(QIODevice& in);
    // The next value, or nothing at the end of the input.
    std::optional<QString> next();

private:
    QString readQuoted();
    QString readPlain();
    void skipToSeparator();

    QString text_;
    qsizetype at_ = 0;
};

} // namespace trivia
