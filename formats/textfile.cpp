#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

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

// Opens without blocking, so a FIFO with no writer cannot hang the caller.
int openForReading(const QString& path) {
    return ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

TextFileRead readText(QIODevice& in, qint64 maxBytes) {
    // Reading in pieces: a buffer of the largest size allowed would cost every small file
    // megabytes.
    QByteArray bytes;
    if (!in.isSequential() && in.size() - in.pos() > maxBytes) return failure(tooLarge(maxBytes));
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = in.read(64 * 1024);
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (bytes.size() > maxBytes) return failure(tooLarge(maxBytes));
    TextFileRead r;
    r.text = decodeText(bytes);
    r.bytes = bytes;
    return r;
}

TextFileRead readTextFile(const QString& path, qint64 maxBytes) {
    const int fd = openForReading(path);
    if (fd < 0) return failure(qt_error_string(errno), errno == ENOENT);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        return failure(folder ? "it is a folder" : "it is not a regular file");
    }
    if (info.st_size > maxBytes) {
        ::close(fd);
        return failure(tooLarge(maxBytes));
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failure(file.errorString());
    }
    return readText(file, maxBytes);
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
