#pragma once

#include <QString>

#include <optional>

// Reads values one after the other from text where commas, blanks and line ends separate
// them: the common reader of velk.dat and velk.INI. A value that starts with a double
// quote runs to the next double quote. Every problem leaves a description in error().
class ValueReader {
public:
    explicit ValueReader(QString text);

    // True when only blanks and line ends are left.
    bool atEnd() const;

    // A text value: quoted, or running to the next comma or line end.
    std::optional<QString> text();
    // A run of characters up to the next blank, comma or line end (or a quoted text).
    std::optional<QString> word();
    // A whole number within [low, high]; `what` names the field in the error text.
    std::optional<long long> number(long long low, long long high, const QString& what);
    // The rest of the current line, without its line end and outer blanks.
    QString restOfLine();

    QString error() const { return error_; }

private:
    bool startValue(); // false when no value can start here
    void skipBlanks();
    void skipBlanksAndLineEnds();
    void closeValue(); // passes the blanks and the one comma or line end after a value
    bool atLineEnd() const;
    void passLineEnd();
    void fail(const QString& why);

    QString text_;
    qsizetype pos_ = 0;
    QString error_;
};
