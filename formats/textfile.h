#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// The line break of every message and every file the game and the controls write.
inline constexpr char crlf[] = "\r\n";

// velk.dat holds at most 400 short records and velk.INI 23 lines: anything far larger is
// refused before it is read whole.
inline constexpr qint64 animalFileMaxBytes = 4 * 1024 * 1024;
inline constexpr qint64 settingsFileMaxBytes = 1024 * 1024;

// The text of a file: UTF-8, or Windows-1252 when the bytes are not valid UTF-8 (files made
// on the old platform), so no character is lost on the next save. A leading UTF-8 byte-order
// mark and trailing end-of-file marks (Ctrl-Z) are not part of the text.
QString decodeText(QByteArray bytes);

// What reading a whole file gave: the text, or why not.
struct TextFileRead {
    std::optional<QString> text;
    QByteArray bytes;     // the file as it stands, for a writer that must keep its bytes
    QString error;        // why there is no text, as a phrase: "it is not a regular file"
    bool missing = false; // the file does not exist
};

// Reads `in` to its end; more than maxBytes is refused unread.
TextFileRead readText(QIODevice& in, qint64 maxBytes);
// Reads a regular file whole. A FIFO, a folder or a device is refused at once, without
// waiting for a writer, and so is a file larger than maxBytes.
TextFileRead readTextFile(const QString& path, qint64 maxBytes);

// Replaces the file with `bytes` through a temporary file, so a failed or interrupted save
// leaves the old one whole. While it saves, a mark ("velk.dat.~saving") stands beside the
// file. On failure returns the system's description of the error.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);
// After a save of `path` was interrupted (its mark is still there), removes the temporary
// file it may have left ("velk.dat.aBcDeF", written right after the mark) and the mark.
// Returns how many temporary files were removed.
int removeSaveLeftovers(const QString& path);

// At most the first 40 characters of a value, then "…": enough to recognise it in a
// message, never a wall of text.
QString shortened(const QString& value);
