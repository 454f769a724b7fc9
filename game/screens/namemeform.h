// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/nameme.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
struct ProgramState;

// `NameMe`: the animal's picture, its name as a row of blanks, the missed letters and the
// dragon. Typed letters guess; a row of on-screen letter keys does exactly what typing does.
class NameMeForm : public QDialog {
    Q_OBJECT
public:
    explicit NameMeForm(ProgramState& state, QWidget* parent = nullptr);

protected:
    // Every key reaches the form before its controls.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createLetterKeys();
    bool takeKey(QKeyEvent* event, QObject* target);
    void guess(QChar key);
    void showWord();
    void showDragon();
    void showLetterKeys();

    ProgramState& state_;
    NameMeGame game_;
    QPushButton* command1_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* image2_ = nullptr;
    QLabel* image1_ = nullptr;
    QLabel* label1_ = nullptr;
    QString keys_; // the letters of the language, a key each
    QList<QPushButton*> letterKeys_;
};
