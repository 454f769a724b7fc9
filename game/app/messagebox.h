// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/ui.h"

#include <QString>

class QMessageBox;
class QWidget;

// The port as the player meets it: message boxes titled with the program's name.
class MessageBoxUi : public Ui {
public:
    // `viewer` is the program that opens a file in the desktop's own viewer.
    explicit MessageBoxUi(QString viewer = "xdg-open") : viewer_(std::move(viewer)) {}

    void message(const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    // Where the desktop's viewer cannot be started or gives up, the text is shown in a
    // window of the game's own instead.
    void openTextViewer(const QString& fileName) override;

protected:
    // A box made and about to be shown.
    virtual void prepare(QMessageBox& /*box*/) {}

private:
    // The help in a read-only window of the game's own.
    void showOwnViewer(const QString& path, QWidget* parent);

    QString viewer_; // the port lives as long as the program, so the viewer may call back
};
