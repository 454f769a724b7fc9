// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The player's own settings file: every choice of the game's own that velk.INI does not hold
// (reading aloud, and whatever later switches the game gains). One key per line under
// "[General]"; lines the game does not know are kept as they are.
class PlayerFile {
public:
    PlayerFile() = default; // no file: choices last for the run
    explicit PlayerFile(QString fileName) : file_(std::move(fileName)) {}

    // The file of the player logged in to this computer.
    static QString userFile();
    const QString& fileName() const { return file_; }

    // A key's value, or `fallback` where the file or the key is missing, or the file is
    // anything odd (a FIFO, a device, megabytes long).
    QString value(const QString& key, const QString& fallback = {}) const;
    bool flag(const QString& key, bool fallback) const;

    // Sets one key and keeps every other line, through the game's own atomic writer. False
    // when it could not be kept; an odd file in its place is never replaced.
    bool setValue(const QString& key, const QString& value);
    bool setFlag(const QString& key, bool on) { return setValue(key, on ? "true" : "false"); }

private:
    QString file_;
};
