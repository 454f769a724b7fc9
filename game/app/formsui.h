// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/messagebox.h"

struct ProgramState;

// The whole port as the player meets it: message boxes, and the game's modal windows,
// each made afresh for its call and gone when it closes.
class FormsUi : public MessageBoxUi {
public:
    using MessageBoxUi::MessageBoxUi;
    // The state the windows show; set once, before the first window opens.
    void attach(ProgramState& state) { state_ = &state; }

    void showQuestion(QuestionType questionType) override;
    void showSetup() override;
    void showScoreBoard(const QString& result, const QString& heading) override;
    void showAnimalEditor() override;

protected:
    // Every box is read aloud as it opens, when the player wants it.
    void prepare(QMessageBox& box) override;

private:
    ProgramState* state_ = nullptr;
};
