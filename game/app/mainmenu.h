// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/myanimalsform.h"

#include <QWidget>

class QLabel;
class QPushButton;
struct ProgramState;

// `main`: the first window and the only one that is not modal. Building it runs the whole
// start-up; closing it, by Quit or by the window's own close button, saves the settings.
// `userFolder` is where the player's files go when the program's folder cannot hold them.
class MainMenu : public QWidget {
    Q_OBJECT
public:
    MainMenu(ProgramState& state, const QString& programFolder, const QString& userFolder = {},
             QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    // A language chosen on the settings screen shows here as the screen closes.
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void showTexts();
    void formLoad(const QString& programFolder, const QString& userFolder);
    void loadTitlePicture();
    void showCredits();
    void openHelp();

    ProgramState& state_;
    QLabel* label1_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* cmdsetup_ = nullptr;
    QPushButton* cmdhelp_ = nullptr;
    QPushButton* command3_ = nullptr;
    QPushButton* cmdquit_ = nullptr;
    QPushButton* cmdMyAnimals_ = nullptr;
    Thumbnails thumbnails_; // the cards of "My animals", kept from one opening to the next
};
