// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/ui.h"

// A port that answers everything at once and shows nothing.
class SilentUi : public Ui {
public:
    void message(const QString&) override { ++messages; }
    bool confirm(const QString&, const QString&) override { return true; }
    void openTextViewer(const QString&) override {}
    void showQuestion(QuestionType) override {}
    void showSetup() override {}
    void showScoreBoard(const QString&, const QString&) override {}
    void showAnimalEditor() override {}

    int messages = 0;
};
