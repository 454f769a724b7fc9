// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A disk of a few 4 KiB pages, to fill: what a save does when the disk runs full.

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

// A disk of a few pages: a tmpfs mounted in a mount namespace of its own, which this process
// reaches through the root of the program holding it. `whyNot` says what the machine refused.
class TinyDisk {
public:
    explicit TinyDisk(int kib) {
        if (::sysconf(_SC_PAGESIZE) != 4096) {
            whyNot = "the pages of this machine are not 4 KiB, as the tests count them";
            return;
        }
        const QString mount = QString("mount -t tmpfs -o size=%1k tiny \"$0\" && echo ready && "
                                      "exec cat >/dev/null")
                                  .arg(kib);
        // Root makes a mount namespace directly; anyone else through a user namespace.
        for (const QStringList& user : {QStringList(), QStringList{"--map-root-user"}}) {
            holder_.start("unshare", QStringList{"--mount"} + user +
                                         QStringList{"sh", "-c", mount, folder_.path()});
            holder_.waitForReadyRead(10000);
            if (holder_.readAll() == "ready\n") break;
            holder_.closeWriteChannel();
            holder_.waitForFinished(10000);
            whyNot = QString::fromLocal8Bit(holder_.readAllStandardError()).trimmed();
            if (whyNot.isEmpty()) whyNot = "unshare: " + holder_.errorString();
        }
        path = QString("/proc/%1/root%2").arg(holder_.processId()).arg(folder_.path());
        struct statvfs disk {};
        if (holder_.state() != QProcess::Running)
            path.clear();
        else if (::statvfs(QFile::encodeName(path).constData(), &disk) != 0 ||
                 disk.f_blocks * disk.f_frsize > quint64(kib) * 1024) {
            whyNot = "the disk cannot be reached through /proc";
            path.clear();
        }
    }
    ~TinyDisk() {
        holder_.closeWriteChannel(); // the holder ends, and the disk with it
        holder_.waitForFinished(10000);
    }

    QString path;
    QString whyNot;

private:
    QTemporaryDir folder_;
    QProcess holder_;
};

// Fills the disk `file` stands on but for `pagesLeft` pages.
inline bool fillDisk(const QString& file, int pagesLeft) {
    const int fd =
        ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const QByteArray page(4096, 'f');
    off_t size = 0;
    while (fd >= 0 && ::write(fd, page.constData(), page.size()) == page.size())
        size += page.size();
    const bool full = fd >= 0 && errno == ENOSPC && size >= pagesLeft * page.size() &&
                      ::ftruncate(fd, size - pagesLeft * page.size()) == 0;
    if (fd >= 0) ::close(fd);
    return full;
}
