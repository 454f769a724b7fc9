// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "screens/progress.h"

#include <QDialog>
#include <QHash>
#include <QPixmap>

class QComboBox;
class QLabel;
class QScrollArea;
struct ProgramState;

// Small pictures of the animals, decoded once at the size of a card and kept for the run,
// in colour and greyed.
class Thumbnails {
public:
    static constexpr int side = 96; // pixels
    QPixmap get(const QString& fileName, bool colour, qreal ratio);
    // Whether the file was decoded already, readable or not.
    bool has(const QString& fileName) const { return colour_.contains(fileName); }

private:
    QHash<QString, QPixmap> colour_;
    QHash<QString, QPixmap> grey_;
};

// `myanimals`: one player's animals, in colour once answered right, and their right answers
// of the last weeks by kind of question. Another player can be chosen, for a parent.
class MyAnimalsForm : public QDialog {
    Q_OBJECT
public:
    MyAnimalsForm(ProgramState& state, Thumbnails& thumbnails, QWidget* parent = nullptr);

    const Progress& progress() const { return progress_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPlayer(int id);
    // The width the cards have beside the scroll bar, at the window's present scale.
    int cardsWidth() const;

    ProgramState& state_;
    Progress progress_;
    QComboBox* player_ = nullptr;
    QLabel* known_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* cards_ = nullptr;
    QWidget* chart_ = nullptr;
};
