// SPDX-License-Identifier: GPL-2.0-or-later
#include "gamefolders.h"

#include "formats/textfile.h"
#include "knowledge/ui.h"
#include "play/settingsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// The files a player changes, copied to the work folder at the first start.
const char* const ownFiles[] = {settingsFileName, "velk.dat"};

// A copy of a read-only delivered file must still be the player's to rewrite.
constexpr QFileDevice::Permissions ownCopy = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ReadOther;

QString copyIfMissing(const GameFolders& folders, const QString& name) {
    const QString target = QDir(folders.work).filePath(name);
    const QString source = QDir(folders.delivered).filePath(name);
    if (QFileInfo::exists(target) || !QFileInfo::exists(source)) return {};
    // Read as the game reads it later: what it would refuse then is not copied now.
    const auto read = readFileBytes(source, std::max(animalFileMaxBytes, settingsFileMaxBytes));
    Result<void> copied = read ? writeFileAtomically(target, *read) : read.failure();
    if (copied && !QFile::setPermissions(target, ownCopy))
        copied = Failure{"its permissions could not be set"};
    if (copied) return {};
    return QString("%1 could not be copied to %2: %3").arg(source, folders.work, copied.error());
}

} // namespace

QString installedDataFolder(const QString& programFolder) {
    return QDir::cleanPath(programFolder + "/" VELK_DATA_FROM_PROGRAM);
}

GameFolders chooseFolders(const QString& programFolder, const QString& userFolder) {
    const QString installed = installedDataFolder(programFolder);
    if (installed != QDir::cleanPath(programFolder) && QFileInfo(installed).isDir())
        return {userFolder, installed};
    if (QFileInfo(programFolder).isWritable()) return {programFolder, programFolder};
    return {userFolder, programFolder};
}

QString prepareWorkFolder(const GameFolders& folders) {
    if (QDir::cleanPath(folders.work) == QDir::cleanPath(folders.delivered)) return {};
    if (folders.work.isEmpty() || !QDir().mkpath(folders.work))
        return QCoreApplication::translate("GameFolders",
                                           "The folder for your own files could not be made: %1")
            .arg(folders.work);
    QStringList problems;
    for (const char* name : ownFiles) {
        const QString problem = copyIfMissing(folders, name);
        if (!problem.isEmpty()) problems << problem;
    }
    return problems.join(crlf);
}

QString findDataFile(const GameFolders& folders, const QString& name) {
    if (name.isEmpty() || QDir::isAbsolutePath(name)) return name;
    if (QFileInfo::exists(QDir(folders.work).filePath(name))) return name;
    const QString delivered = QDir(folders.delivered).filePath(name);
    return QFileInfo::exists(delivered) ? delivered : name;
}
