#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <limits>

#include <cerrno>
#include <fcntl.h>
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

TextFileRead failure(const QString& why, bool missing = false) {
    TextFileRead r;
    r.error = why;
    r.missing = missing;
    return r;
}

QString tooLarge(qint64 maxBytes) {
    return QString("it is larger than %1 bytes").arg(maxBytes);
}

QString saveMarkOf(const QString& path) {
    return path + ".~saving";
}

// Opens `path` with `flags` and never waits: a FIFO without a writer (or a reader) gives way at
// once. Anything but a regular file is refused before it is opened, since opening a device
// may already do something, and checked again once open, in case it was swapped meanwhile.
int openRegular(const QString& path, int flags, qint64 maxBytes, FileProblem& problem) {
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
        problem.error = tooLarge(maxBytes);
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

std::optional<QString> writeAtEnd(const QString& path, const QByteArray& bytes, bool emptyFirst) {
    FileProblem problem;
    const int fd = openRegular(path, O_WRONLY | O_APPEND | O_CREAT,
                               std::numeric_limits<qint64>::max(), problem);
    if (fd < 0) return problem.error;
    bool written = !emptyFirst || ::ftruncate(fd, 0) == 0;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        done += n;
    }
    std::optional<QString> why;
    if (!written) why = qt_error_string(errno);
    if (::close(fd) != 0 && !why) why = qt_error_string(errno);
    return why;
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

std::optional<FileProblem> openRegularFile(const QString& path, qint64 maxBytes, QFile& file) {
    FileProblem problem;
    const int fd = openRegular(path, O_RDONLY, maxBytes, problem);
    if (fd < 0) return problem;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileProblem{file.errorString()};
    }
    return std::nullopt;
}

std::optional<FileProblem> regularFileProblem(const QString& path, qint64 maxBytes) {
    QFile file;
    return openRegularFile(path, maxBytes, file);
}

TextFileRead readText(QIODevice& in, qint64 maxBytes) {
    std::optional<QByteArray> bytes = readBytes(in, maxBytes);
    if (!bytes) return failure(tooLarge(maxBytes));
    TextFileRead r;
    r.text = decodeText(std::move(*bytes));
    return r;
}

TextFileRead readTextFile(const QString& path, qint64 maxBytes) {
    FileRead read = readFileBytes(path, maxBytes);
    if (!read.bytes) return failure(read.error, read.missing);
    TextFileRead r;
    r.text = decodeText(std::move(*read.bytes));
    return r;
}

FileRead readFileBytes(const QString& path, qint64 maxBytes) {
    FileRead r;
    QFile file;
    if (const auto problem = openRegularFile(path, maxBytes, file)) {
        r.error = problem->error;
        r.missing = problem->missing;
        return r;
    }
    // The file may have grown since it was opened.
    r.bytes = readBytes(file, maxBytes);
    if (!r.bytes) r.error = tooLarge(maxBytes);
    return r;
}

std::optional<QString> appendToFile(const QString& path, const QByteArray& bytes) {
    return writeAtEnd(path, bytes, false);
}

std::optional<QString> emptyFile(const QString& path) {
    return writeAtEnd(path, {}, true);
}

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& bytes) {
    // A mark beside the file while the save is under way: should the save be killed, the next
    // start knows that a temporary file may be left and when it was made.
    const QString mark = saveMarkOf(path);
    QFile::remove(mark);
    QFile markFile(mark);
    if (markFile.open(QIODevice::WriteOnly)) markFile.close();

    QSaveFile file(path);
    // A writable file in a folder where no new file may be made is written in place.
    file.setDirectWriteFallback(true);
    std::optional<QString> why;
    if (!(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())) {
        why = file.errorString();
        file.cancelWriting();
    }
    QFile::remove(mark);
    return why;
}

int removeSaveLeftovers(const QString& path) {
    const QFileInfo mark(saveMarkOf(path));
    if (!mark.exists()) return 0;
    // The temporary file of a save is named like the file and six letters; it was written
    // after the mark was made and, a save taking milliseconds, soon after. A user's own
    // "velk.dat.backup" from another time is left alone.
    const QDateTime from = mark.lastModified().addSecs(-2);
    const QDateTime to = mark.lastModified().addSecs(60);
    const QFileInfo target(path);
    QDir folder = target.absoluteDir();
    const QRegularExpression temporaryName("^" + QRegularExpression::escape(target.fileName()) +
                                           "\\.[A-Za-z]{6}$");
    int removed = 0;
    const QFileInfoList candidates =
        folder.entryInfoList({target.fileName() + ".??????"}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& file : candidates) {
        const QDateTime written = file.lastModified();
        if (temporaryName.match(file.fileName()).hasMatch() && written >= from && written <= to &&
            folder.remove(file.fileName()))
            ++removed;
    }
    QFile::remove(mark.filePath());
    return removed;
}

QString shortened(const QString& value) {
    constexpr qsizetype shown = 40;
    if (value.size() <= shown) return value;
    // Never cut a character in two.
    const qsizetype cut = value[shown - 1].isHighSurrogate() ? shown - 1 : shown;
    return value.left(cut) + QChar(0x2026);
}
