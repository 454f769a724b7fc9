// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include "play/playerfile.h"

#include <memory>

struct GameFolders;
struct Knowledge;

// The languages the game speaks, English first: the codes of its translations and names files.
QStringList gameLanguages();
// A language in its own name ("Deutsch"), as a child who reads only it finds it.
QString languageOwnName(const QString& code);

// The desktop's language as gettext finds it: LANGUAGE's list first, then the first of
// LC_ALL, LC_MESSAGES and LANG that is set. English where the desktop speaks none of ours.
QString desktopLanguage(const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The language a choice comes to: empty follows the desktop.
QString
effectiveLanguage(const QString& choice,
                  const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// The game's texts and the animals' names in one language. Whatever a translation or names
// file lacks (or the whole file, missing or damaged) stays English, and the child is never
// told: English is always there underneath.
class Language {
public:
    Language() = default;
    ~Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // The player's choice, kept in the player's own file: empty follows the desktop.
    void load(const QString& fileName);
    const QString& choice() const { return choice_; }
    // Keeps a new choice; false when the file could not keep it (it holds for the run).
    bool choose(const QString& choice);

    // Switches every text from the next one asked for: our catalogue and Qt's own (the
    // buttons of message boxes), and the names file beside the delivered velk.dat.
    void use(const QString& code, const GameFolders& folders, Knowledge& kb);
    const QString& code() const { return code_; }

private:
    void removeTranslators();

    PlayerFile file_;
    QString choice_;
    QString code_ = "en";
    std::unique_ptr<QTranslator> ours_;
    std::unique_ptr<QTranslator> qts_;
};
