// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/questiontype.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

struct ProgramState;

// The settings screen's rules, apart from any window: the three number boxes with the rule
// every change of them goes through, the kinds of question switched on, and what opening
// and closing the screen do to the settings.
class SetupScreen {
public:
    // The number boxes, by the names of their controls.
    enum Box { nquestion, tmaxdif, tmindif };
    static constexpr int typeCount = questionTypeCount; // list items 0..8

    explicit SetupScreen(ProgramState& state) : state_(state) {}

    // Opening the screen: the log takes every line again, the lowest level is 1, and the
    // boxes and the list show the settings.
    void load();

    // The number a box holds: the last valid one.
    int16_t value(Box box) const { return values_[box]; }
    QString text(Box box) const { return QString::number(value(box)); }
    // A change of a box's text, typed or stepped. A whole number is brought into the box's
    // range and the box shows the result at once; anything else (an empty box, a word)
    // keeps the last valid number, and the box shows what was typed until it is left.
    // Returns the text the box shows.
    QString change(Box box, const QString& typed);
    // What a step of the spinner writes into the box, before the change rule.
    QString stepped(Box box, int delta) const;

    QStringList typeNames() const;
    bool selected(int item) const { return selected_[size_t(item)]; }
    void setSelected(int item, bool on);

    // The language list: "As the desktop", then each language in its own name. A choice
    // holds from the next screen opened, and is kept in the player's own file.
    static QStringList languageNames();
    int languageItem() const;
    void chooseLanguage(int item);

    void editAnimals();
    // Prepares the quiz log to serve as the question file of online games.
    void makeOnlineQuestions();
    static QString onlineQuestionsText() {
        return QCoreApplication::translate("Setup", "Will create question file for online games");
    }

    // Closing the screen: the chosen values go into the settings, the word tables follow
    // the highest level, and velk.INI is written.
    void unload();

private:
    int16_t low(Box box) const;
    int16_t high(Box box) const;

    ProgramState& state_;
    std::array<int16_t, 3> values_{5, 1, 1}; // as the boxes were drawn
    std::array<bool, typeCount> selected_{};
};
