// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "play/history.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
struct ProgramState;

// Before a game: with two or more players, "Who is playing?" with a big button for each;
// with one, that player plays and nothing is asked. False when the question was closed
// without a choice.
bool askWhoIsPlaying(ProgramState& state, QWidget* parent);

// The settings screen's strip for the player playing: "Practise missed animals", kept in
// their own settings file, and "Players", which opens the players' screen.
void createPlayerChoices(QWidget& setup, ProgramState& state);

// `players`: adds, renames and removes the children who play here.
class PlayersForm : public QDialog {
    Q_OBJECT
public:
    PlayersForm(ProgramState& state, History& history, QWidget* parent = nullptr);

private:
    void refill(int selectId);
    void showSelected();
    int selectedId() const;
    void add();
    void change();
    void remove();

    ProgramState& state_;
    History& history_;
    QList<Player> players_;
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* avatar_ = nullptr;
    QPushButton* remove_ = nullptr;
};
