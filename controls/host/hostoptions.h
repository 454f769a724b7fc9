// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace trivia {

// One thing trivia-host is asked to do on its command line, e.g. {"--create",
// "triviactl.ctlQsort"}.
struct HostStep {
    QString option;
    QString value;
    friend bool operator==(const HostStep&, const HostStep&) = default;
};

struct HostCommandLine {
    bool help = false;
    QList<HostStep> steps; // in the order given
    QString error;         // empty when the line is well formed
};

// Reads trivia-host's arguments (without the program's name). Options with one dash are Qt's
// own (-platform offscreen) and are left to it.
HostCommandLine parseCommandLine(const QStringList& args);

// What --help prints.
QString usageText();

} // namespace trivia
