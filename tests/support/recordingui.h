// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/ui.h"

#include <QStringList>

#include <functional>

// The port as tests see it: every message and every window asked for is kept,
// confirmations are answered from a script, and a test can act at the moment a window
// would open (look at the state, or play the part of the player).
class RecordingUi : public Ui {
public:
    void message(const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    void openTextViewer(const QString& fileName) override;
    void showQuestion(QuestionType questionType) override;
    void showSetup() override;
    void showScoreBoard(const QString& result, const QString& heading) override;
    void showAnimalEditor() override;

    QStringList messages;
    QStringList confirmations;
    QStringList viewerFiles;
    QList<int> questions;       // the types of the question screens opened
    QStringList windows;        // every modal window in order: "question 3", "setup", ...
    QStringList scoreBoards;    // heading + " | " + result
    QList<bool> confirmAnswers; // taken from the front; OK when empty
    std::function<void(const QString&)> onMessage;
    std::function<void(int)> onQuestion;
    std::function<void()> onSetup;
    std::function<void()> onScoreBoard;
};
