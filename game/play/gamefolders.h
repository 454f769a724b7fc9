// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Where the game's files live for one run. The work folder is made current at start-up, so
// every file the game writes (velk.INI, velk.dat, velkquiz.log, animal.txt) is opened there
// by its bare name; the delivered folder holds what came with the game (pictures, help).
struct GameFolders {
    QString work;
    QString delivered;
};

// Stored by the animal editor; named here because start-up clears what its interrupted saves
// left behind.
inline constexpr char animalListFileName[] = "animal.txt";

// Where an installed game keeps its delivered files, seen from the program's folder.
QString installedDataFolder(const QString& programFolder);

// A program folder that holds the game's data and can be written to is worked in, as it is
// in a build or a portable copy. An installed game, or a copy on a read-only medium, works
// in the player's own folder and reads the delivered files from where they lie.
GameFolders chooseFolders(const QString& programFolder, const QString& userFolder);

// Makes the work folder and gives it copies of the delivered settings and animals it does
// not have yet. Empty when all went well, otherwise what went wrong.
QString prepareWorkFolder(const GameFolders& folders);

// A file the game delivers (a picture, the help text): the work folder's own copy first, so
// an edited database can name pictures of its own, then the delivered one. A name found in
// neither, or an absolute one, comes back as it was.
QString findDataFile(const GameFolders& folders, const QString& name);
