// SPDX-License-Identifier: GPL-2.0-or-later
#include "textfile.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes keep their
// Latin-1 meaning so that even they survive a save.
constexpr std::array<char16_t, 32> cp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = (b >= 0x80 && b < 0xA0) ? QChar(cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

Failure tooLarge(qint64 maxBytes) {
    return {QString("it is larger than %1 bytes").arg(maxBytes)};
}

QByteArray saveMarkOf(const QByteArray& target) {
    return target + ".~saving";
}

// The file a save replaces: a link is followed, so that it stays a link to the new file.
QByteArray followedLinks(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; file.isSymLink(); ++depth) {
        if (depth == 40) return QFile::encodeName(path); // a loop of links: replaced
        file.setFile(file.symLinkTarget());
    }
    return QFile::encodeName(file.filePath());
}

QByteArray fileNameOf(const QByteArray& path) {
    return path.mid(path.lastIndexOf('/') + 1);
}

// "" or the folder with its trailing slash.
QByteArray folderOf(const QByteArray& path) {
    return path.left(path.lastIndexOf('/') + 1);
}

// Writes all of `bytes` at `offset`; 0, or why not.
int writeAll(int fd, const char* bytes, qint64 size, off_t offset) {
    while (size > 0) {
        const ssize_t written = ::pwrite(fd, bytes, size_t(size), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        bytes += written;
        size -= written;
        offset += written;
    }
    return 0;
}

// Flushes what was written to the disk and closes `fd`: a disk that runs full or fails may
// first say so here. 0, or why not.
int syncAndClose(int fd, int error) {
    // Some file systems cannot sync at all; that loses nothing here.
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
    if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
    return error;
}

// Takes the lock on `fd`, waiting up to `waitMs` for the program that holds it. 0, or why not
// (EWOULDBLOCK: another program holds it still).
int lockWithin(int fd, int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        // A file system without locks saves as it did before there were any.
        if (error == ENOLCK || error == EOPNOTSUPP) return 0;
        if ((error != EWOULDBLOCK && error != EINTR) || deadline.hasExpired()) return error;
        ::usleep(2000);
    }
    return 0;
}

// Opens and locks the mark at `mark`, made when `save`; a save waits a while for another
// program's save of the same file, the clean-up at start does not. Returns the descriptor,
// or -1 and why not (EWOULDBLOCK: another program is saving).
int lockedMark(const QByteArray& mark, bool save, int& error) {
    for (;;) {
        const int flags = save ? O_RDWR | O_CREAT : O_RDONLY;
        const int fd = ::open(mark.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            return -1;
        }
        error = lockWithin(fd, save ? 10000 : 0);
        if (error != 0) {
            ::close(fd);
            return -1;
        }
        // The save before may have removed its mark as it ended: only the mark still standing
        // at that name counts.
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd, &locked) == 0 && ::stat(mark.constData(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino)
            return fd;
        ::close(fd);
    }
}

// Ends a save or a clean-up: the mark goes before its lock is let go.
void releaseMark(const QByteArray& mark, int markFd) {
    ::unlink(mark.constData());
    ::close(markFd);
}

// Whether `name` is what a save of `target` calls its temporary file: the file's name, a
// dot and six letters or digits.
bool isTemporaryName(const QByteArray& name, const QByteArray& target) {
    const QByteArray prefix = fileNameOf(target) + '.';
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix)) return false;
    return std::all_of(name.begin() + prefix.size(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

// Under the lock of a mark no save is under way: the temporary file the mark names was left by
// a killed save, and goes. A mark of an older version names nothing. Returns 1 when removed.
int removeNamedTemporary(int markFd, const QByteArray& target) {
    char buffer[256];
    const ssize_t got = ::pread(markFd, buffer, sizeof buffer, 0);
    const QByteArray name(buffer, qMax<ssize_t>(got, 0));
    if (!isTemporaryName(name, target)) return 0;
    return ::unlink((folderOf(target) + name).constData()) == 0 ? 1 : 0;
}

// Makes a new temporary file beside `target`, its name written into the mark before it exists.
// Returns its descriptor and path, or -1 and why not.
int newTemporary(int markFd, const QByteArray& target, QByteArray& temporary, int& error) {
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + '.';
        for (int i = 0; i < 6; ++i)
            temporary += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        // A file of the player's own by that name is never named in a mark.
        struct stat taken {};
        if (::lstat(temporary.constData(), &taken) == 0) continue;
        const QByteArray name = fileNameOf(temporary);
        error = ::ftruncate(markFd, 0) == 0 ? writeAll(markFd, name.constData(), name.size(), 0)
                                            : errno;
        if (error != 0) return -1;
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            error = errno;
            return fd;
        }
    }
    error = EEXIST;
    return -1;
}

// A folder where no new file may be made.
bool isClosedFolder(int error) {
    return error == EACCES || error == EPERM;
}

// Writes over the file itself. The old bytes are overwritten only once the new ones are known
// to fit: what lies past the old end is written first, and a failure cuts it off again.
Result<void> writeInPlace(const QByteArray& target, const QByteArray& bytes) {
    const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Failure{qt_error_string(errno)};
    struct stat old {};
    if (::fstat(fd, &old) != 0 || !S_ISREG(old.st_mode)) {
        ::close(fd);
        return Failure{"it is not a regular file"};
    }
    // Two programs writing it at once would mix their bytes.
    int error = lockWithin(fd, 10000);
    const qint64 kept = qMin<qint64>(old.st_size, bytes.size());
    if (error == 0 && bytes.size() > kept) {
        error = writeAll(fd, bytes.constData() + kept, bytes.size() - kept, kept);
        if (error != 0 && ::ftruncate(fd, old.st_size) != 0) error = errno;
    }
    if (error == 0) error = writeAll(fd, bytes.constData(), kept, 0);
    if (error == 0 && ::ftruncate(fd, bytes.size()) != 0) error = errno;
    error = syncAndClose(fd, error);
    if (error == 0) return {};
    return Failure{qt_error_string(error)};
}

// Opens `path` with `flags` and never waits: a FIFO without a writer (or a reader) gives way at
// once. Anything but a regular file is refused before it is opened, since opening a device
// may already do something, and checked again once open, in case it was swapped meanwhile.
int openRegular(const QString& path, int flags, qint64 maxBytes, Failure& problem) {
    const QByteArray name = QFile::encodeName(path);
    auto refuse = [&problem](const struct stat& info) {
        if (S_ISDIR(info.st_mode))
            problem.error = "it is a folder";
        else if (!S_ISREG(info.st_mode))
            problem.error = "it is not a regular file";
        return !problem.error.isEmpty();
    };
    struct stat info {};
    if (::stat(name.constData(), &info) == 0) {
        if (refuse(info)) return -1;
    } else if (errno != ENOENT || !(flags & O_CREAT)) {
        problem = {qt_error_string(errno), errno == ENOENT};
        return -1;
    }
    const int fd = ::open(name.constData(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        problem = {qt_error_string(errno), errno == ENOENT};
        return -1;
    }
    if (::fstat(fd, &info) != 0)
        problem.error = qt_error_string(errno);
    else if (!refuse(info) && info.st_size > maxBytes)
        problem = tooLarge(maxBytes);
    if (problem.error.isEmpty()) return fd;
    ::close(fd);
    return -1;
}

// Bytes to the end of `in`; nothing when there are more than maxBytes. Read in pieces: a
// buffer of the largest size allowed would cost every small file megabytes.
std::optional<QByteArray> readBytes(QIODevice& in, qint64 maxBytes) {
    QByteArray bytes;
    if (!in.isSequential() && in.size() - in.pos() > maxBytes) return std::nullopt;
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (bytes.size() > maxBytes) return std::nullopt;
    return bytes;
}

Result<void> writeAtEnd(const QString& path, const QByteArray& bytes, bool emptyFirst) {
    Failure problem;
    const int fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT,
                               std::numeric_limits<qint64>::max(), problem);
    if (fd < 0) return problem;
    bool written = !emptyFirst || ::ftruncate(fd, 0) == 0;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        done += n;
    }
    Result<void> done;
    if (!written) done = Failure{qt_error_string(errno)};
    if (::close(fd) != 0 && done) done = Failure{qt_error_string(errno)};
    return done;
}

} // namespace

QString decodeText(QByteArray bytes) {
    while (bytes.endsWith('\x1A'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return fromWindows1252(bytes);
}

Result<void> openRegularFile(const QString& path, qint64 maxBytes, QFile& file) {
    Failure problem;
    const int fd = openRegular(path, O_RDONLY, maxBytes, problem);
    if (fd < 0) return problem;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Failure{file.errorString()};
    }
    return {};
}

Result<void> checkRegularFile(const QString& path, qint64 maxBytes) {
    QFile file;
    return openRegularFile(path, maxBytes, file);
}

Result<QString> readText(QIODevice& in, qint64 maxBytes) {
    std::optional<QByteArray> bytes = readBytes(in, maxBytes);
    if (!bytes) return tooLarge(maxBytes);
    return decodeText(std::move(*bytes));
}

Result<QString> readTextFile(const QString& path, qint64 maxBytes) {
    Result<QByteArray> read = readFileBytes(path, maxBytes);
    if (!read) return read.failure();
    return decodeText(std::move(*read));
}

Result<QByteArray> readFileBytes(const QString& path, qint64 maxBytes) {
    QFile file;
    if (const auto opened = openRegularFile(path, maxBytes, file); !opened) return opened.failure();
    // The file may have grown since it was opened.
    std::optional<QByteArray> bytes = readBytes(file, maxBytes);
    if (!bytes) return tooLarge(maxBytes);
    return std::move(*bytes);
}

Result<void> appendToFile(const QString& path, const QByteArray& bytes) {
    return writeAtEnd(path, bytes, false);
}

Result<void> emptyFile(const QString& path) {
    return writeAtEnd(path, {}, true);
}

Result<void> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QByteArray target = followedLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return Failure{qt_error_string(EISDIR)};
    // A device or a FIFO, even behind a link, is never replaced by a file.
    if (exists && !S_ISREG(old.st_mode)) return Failure{"it is not a regular file"};
    // A file made read-only stays as it is.
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return Failure{qt_error_string(errno)};

    // The mark stands, locked, for the whole save: should the save be killed, the next start
    // finds the name of the temporary file it may have left.
    const QByteArray mark = saveMarkOf(target);
    int error = 0;
    const int markFd = lockedMark(mark, true, error);
    // A writable file in a folder where no new file may be made is written in place.
    if (markFd < 0 && isClosedFolder(error)) return writeInPlace(target, bytes);
    if (markFd < 0)
        return Failure{error == EWOULDBLOCK ? QString("another program is saving it")
                                            : qt_error_string(error)};
    // What a killed save of this file left goes before the mark names a new temporary file.
    removeNamedTemporary(markFd, target);
    Result<void> saved;
    QByteArray temporary;
    const int fd = newTemporary(markFd, target, temporary, error);
    if (fd < 0) {
        saved =
            isClosedFolder(error) ? writeInPlace(target, bytes) : Failure{qt_error_string(error)};
    } else {
        // The new file keeps the old one's permissions.
        if (exists) ::fchmod(fd, old.st_mode & 07777);
        error = syncAndClose(fd, writeAll(fd, bytes.constData(), bytes.size(), 0));
        if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
        if (error != 0) {
            ::unlink(temporary.constData());
            saved = Failure{qt_error_string(error)};
        }
    }
    releaseMark(mark, markFd);
    return saved;
}

int removeSaveLeftovers(const QString& path) {
    const QByteArray target = followedLinks(path);
    const QByteArray mark = saveMarkOf(target);
    int error = 0;
    const int markFd = lockedMark(mark, false, error);
    // No save was interrupted, or the save is still under way in another program.
    if (markFd < 0) return 0;
    const int removed = removeNamedTemporary(markFd, target);
    releaseMark(mark, markFd);
    return removed;
}

QString shortened(const QString& value) {
    constexpr qsizetype shown = 40;
    if (value.size() <= shown) return value;
    // Never cut a character in two.
    const qsizetype cut = value[shown - 1].isHighSurrogate() ? shown - 1 : shown;
    return value.left(cut) + QChar(0x2026);
}
