// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <optional>

// Reads values one after the other from text where commas, blanks and line ends separate
// them: the common reader of velk.dat, velk.INI and the data-file control. A value that
// starts with a double quote runs to the next double quote. Every problem leaves a
// description in error().
class ValueReader {
public:
    // Longer values are refused, so whatever a reader accepts its writer can store again
    // within the file's size limit.
    static constexpr qsizetype maxValueLength = 1000;

    explicit ValueReader(QString text);

    // True when only blanks and line ends are left.
    bool atEnd() const;

    // A text value: quoted, or running to the next comma or line end. Without quotes it may
    // not hold a double quote, which no writer could store again. `what` names it in errors.
    std::optional<QString> text(const QString& what = "text");
    // A run of characters up to the next blank, comma or line end (or a quoted text).
    std::optional<QString> word();
    // A whole number within [low, high]; `what` names the field in the error text. A
    // fraction of zero ("2.0") is allowed, any other fraction is not.
    std::optional<long long> number(long long low, long long high, const QString& what);
    // The same, but a value that is no such number (a word, a fraction, a number out of
    // range) is passed without an error and gives nothing, so a reader can give that one
    // field its default and read on. A file that ends here still fails.
    std::optional<long long> numberIfAny(long long low, long long high);
    // The rest of the current line, without its line end and outer blanks.
    QString restOfLine();

    QString error() const { return error_; }

private:
    bool startValue(); // false when no value can start here
    std::optional<QString> quoted();
    // A value in quotes, or up to the next separator; `inQuotes` says which.
    std::optional<QString> rawValue(bool blankEnds, bool& inQuotes);
    void skipUntil(bool blankEnds); // to the next separator: comma, line end (or blank)
    void skipBlanks();
    void skipBlanksAndLineEnds();
    void closeValue(); // passes the blanks and the one comma or line end after a value
    bool atLineEnd() const;
    bool atBlank() const;
    void passLineEnd();
    bool fits(const QString& value, const QString& what);
    void fail(const QString& why);

    QString text_;
    const char16_t* chars_; // of text_: plain reads keep a debug build fast
    qsizetype size_;
    qsizetype pos_ = 0;
    QString error_;
};
