// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "result.h"

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

// Every file the game and the controls read is opened here. A FIFO, a folder or a device is
// refused at once, without waiting for a writer, and so is a file larger than maxBytes;
// otherwise `file` is open for reading.
Result<void> openRegularFile(const QString& path, qint64 maxBytes, QFile& file);
// The same check before a file is handed to what cannot be trusted to check it (a viewer,
// QSettings).
Result<void> checkRegularFile(const QString& path, qint64 maxBytes);

// Reads `in` to its end as text; more than maxBytes is refused unread.
Result<QString> readText(QIODevice& in, qint64 maxBytes);
// Reads a regular file whole, as openRegularFile opens it: as text, or as bytes that are not
// text (a copy, a picture, a file whose bytes a writer must keep).
Result<QString> readTextFile(const QString& path, qint64 maxBytes);
Result<QByteArray> readFileBytes(const QString& path, qint64 maxBytes);

// Adds `bytes` to the end of a regular file, made when missing, and empties one: for a log
// that is opened per line. Anything else in its place (a FIFO without a reader, a device, a
// folder) is refused at once and left as it is.
Result<void> appendToFile(const QString& path, const QByteArray& bytes);
Result<void> emptyFile(const QString& path);

// Replaces the file with `bytes` through a temporary file beside it ("velk.dat.aB3dEf"), so a
// failed or interrupted save leaves the old one whole: every write is checked, so a full disk
// fails the save too. A link is followed. While it saves, a mark ("velk.dat.~saving") naming
// the temporary file stands beside the file, locked against other programs. In a folder where
// no new file may be made a writable file is written in place, never cut short before the new
// bytes are known to fit. A failure carries the system's description of the error.
Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes);
// After a save of `path` was interrupted (its mark is still there and no program holds its
// lock), removes the temporary file the mark names, and the mark. A mark whose save is still
// under way is left alone. Returns how many temporary files were removed.
int removeSaveLeftovers(const QString& path);

// At most the first 40 characters of a value, then "…": enough to recognise it in a
// message, never a wall of text.
QString shortened(const QString& value);
