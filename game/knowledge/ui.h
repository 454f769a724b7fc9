// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "formats/textfile.h" // crlf, the line break of every message and file
#include "questiontype.h"

#include <QString>

// What the game asks of its user interface. The program answers with message boxes and
// modal forms; tests answer with a recorder, so no model ever opens a window itself.
class Ui {
public:
    virtual ~Ui() = default;
    // A message box with one OK button.
    virtual void message(const QString& text) = 0;
    // A message box with OK and Cancel; true for OK.
    virtual bool confirm(const QString& title, const QString& text) = 0;
    // Opens a text file in the desktop's text viewer and returns at once; a file that cannot
    // be shown (missing, not a regular file, far too large) is reported instead.
    virtual void openTextViewer(const QString& fileName) = 0;

    // The modal windows of a game. Each returns when its window has closed; every window is
    // made afresh for the call and gone afterwards.
    // The screen that asks a question of this (playable) type.
    virtual void showQuestion(QuestionType questionType) = 0;
    // The settings screen.
    virtual void showSetup() = 0;
    // The score board after an answer: how it went, and the heading naming the kind.
    virtual void showScoreBoard(const QString& result, const QString& heading) = 0;
    // The animal editor.
    virtual void showAnimalEditor() = 0;
};
