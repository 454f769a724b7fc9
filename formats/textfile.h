#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QFile;
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

// Why a file cannot be read.
struct FileProblem {
    QString error;        // as a phrase: "it is not a regular file"
    bool missing = false; // the file does not exist
};

// What reading a whole file gave: the text, or why not.
struct TextFileRead {
    std::optional<QString> text;
    QByteArray bytes;     // the file as it stands, for a writer that must keep its bytes
    QString error;        // why there is no text, as a phrase: "it is not a regular file"
    bool missing = false; // the file does not exist
};

// The same for bytes that are not text (a copy, a picture).
struct FileRead {
    std::optional<QByteArray> bytes;
    QString error;
    bool missing = false;
};

// Every file the game and the controls read is opened here. A FIFO, a folder or a device is
// refused at once, without waiting for a writer, and so is a file larger than maxBytes;
// otherwise `file` is open for reading and nothing comes back.
std::optional<FileProblem> openRegularFile(const QString& path, qint64 maxBytes, QFile& file);
// The same check before a file is handed to what cannot be trusted to check it (a viewer,
// QSettings); nothing when it can be read.
std::optional<FileProblem> regularFileProblem(const QString& path, qint64 maxBytes);

// Reads `in` to its end; more than maxBytes is refused unread.
TextFileRead readText(QIODevice& in, qint64 maxBytes);
// Reads a regular file whole, as openRegularFile opens it.
TextFileRead readTextFile(const QString& path, qint64 maxBytes);
FileRead readFileBytes(const QString& path, qint64 maxBytes);

// Adds `bytes` to the end of a regular file, made when missing, and empties one: for a log
// that is opened per line. Anything else in its place (a FIFO without a reader, a device, a
// folder) is refused at once and left as it is. On failure returns why.
std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes);
std::optional<QString> emptyFile(const QString& path);

// Replaces the file with `bytes` through a temporary file beside it ("velk.dat.aB3dEf"), so a
// failed or interrupted save leaves the old one whole: every write is checked, so a full disk
// fails the save too. A link is followed. While it saves, a mark ("velk.dat.~saving") naming
// the temporary file stands beside the file, locked against other programs. In a folder where
// no new file may be made a writable file is written in place, never cut short before the new
// bytes are known to fit. On failure returns the system's description of the error.
std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes);
// After a save of `path` was interrupted (its mark is still there and no program holds its
// lock), removes the temporary file the mark names, and the mark. A mark whose save is still
// under way is left alone. Returns how many temporary files were removed.
int removeSaveLeftovers(const QString& path);

// At most the first 40 characters of a value, then "…": enough to recognise it in a
// message, never a wall of text.
QString shortened(const QString& value);
