// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/setup.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class Sounds;
class Speech;
class UpDown;
struct ProgramState;

// `setup`: the number of questions, the highest difficulty and the kinds of question. OK,
// the close box and Escape all close it the same way: what was chosen is stored and saved.
class SetupForm : public QDialog {
    Q_OBJECT
public:
    explicit SetupForm(ProgramState& state, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createDifficultyFrame();
    QLineEdit* numberBox(QWidget* parent, SetupScreen::Box box, const char* name,
                         const QString& caption, const QRect& design);
    UpDown* spinner(QWidget* parent, SetupScreen::Box box, const char* name, const QRect& design);
    void createList();
    void createReadAloud();
    void createSounds();
    void createLanguage();
    void showReadAloud();
    void formLoad();
    void boxChanged(SetupScreen::Box box, const QString& typed);

    SetupScreen screen_;
    Speech& speech_;
    Sounds& sounds_;
    std::array<QLineEdit*, 3> boxes_{}; // by SetupScreen::Box
    QListWidget* list1_ = nullptr;
    QCheckBox* readAloud_ = nullptr;
    QLabel* noVoice_ = nullptr; // why the game cannot read aloud, where it cannot
    bool unloaded_ = false;
};
