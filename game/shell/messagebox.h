#pragma once

#include "knowledge/ui.h"

#include <QString>

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

private:
    QString viewer_;
};

inline constexpr char programTitle[] = "Morvane Velkins";
// The name of the menu entry, the icon and the software-centre entry.
inline constexpr char appId[] = "example.morvane.velk";
