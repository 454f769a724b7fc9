#pragma once

#include "formats/textfile.h" // crlf, the line break of every message and file

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
    // Opens a text file in the desktop's text viewer and returns at once; a viewer that
    // cannot be started is quietly left alone.
    virtual void openTextViewer(const QString& fileName) = 0;
};
