// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

class QPlainTextEdit;

// A plain text file shown read-only in a window of the game's own: the help where the
// desktop has no text viewer to start. Not modal, so the menu stays usable beside it.
class TextWindow : public QWidget {
    Q_OBJECT
public:
    // Empty when the file was shown, otherwise why it could not be read.
    static QString open(const QString& fileName, QWidget* parent);
    // Why open() would refuse the file (not a regular file, far too large, missing), without
    // reading it; empty when it would not.
    static QString problem(const QString& fileName);

private:
    TextWindow(const QString& fileName, const QString& text, QWidget* parent);
    QPlainTextEdit* text_ = nullptr;
};
