// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "animals.h"
#include "app/mainmenu.h"
#include "editor/animalform.h"
#include "formtesting.h"
#include "play/programstate.h"
#include "recordingui.h"
#include "screens/describeform.h"
#include "screens/matchform.h"
#include "screens/namemeform.h"
#include "screens/oddoutform.h"
#include "screens/scoreboardform.h"
#include "screens/setupform.h"
#include "testfolder.h"

#include <QTest>

#include <memory>

// A game over ten animals of five kinds, with their pictures, and every screen it opens.
struct Game {
    Game() {
        const QList<AnimalRecord> animals = fiveApartFiveMice();
        fill(state.knowledge, animals);
        buildCategoryTables(state.knowledge.tables, 1);
        for (const AnimalRecord& a : animals)
            writePicture(folder, a.picture);
        state.random.seed(1);
    }

    std::unique_ptr<QWidget> make(const QString& screen) {
        const auto ask = [this](int type) {
            state.knowledge.questionType = questionTypeFromNumber(type);
        };
        if (screen == "menu") return std::make_unique<MainMenu>(state, folder.path());
        if (screen == "odd one out") return ask(6), std::make_unique<OddOneOutForm>(state);
        if (screen == "describe") return ask(3), std::make_unique<DescribeForm>(state);
        if (screen == "match") return ask(2), std::make_unique<MatchForm>(state);
        if (screen == "name me") return ask(1), std::make_unique<NameMeForm>(state);
        if (screen == "setup") return std::make_unique<SetupForm>(state);
        if (screen == "editor") return std::make_unique<AnimalForm>(state);
        auto board = std::make_unique<ScoreBoard>(state);
        board->setResult("Correct -- Owl is not Mammal");
        return board;
    }

    // The screen shown, active, with the keyboard on `focus` or where the screen put it.
    QWidget& open(const QString& screen, const QString& focus = {}) {
        window = make(screen);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("%s is not active", qPrintable(screen));
        if (!focus.isEmpty()) child<QWidget>(*window, focus)->setFocus();
        return *window;
    }

    TestFolder folder;
    RecordingUi ui;
    ProgramState state{ui};
    std::unique_ptr<QWidget> window;
};

inline const QStringList everyScreen{"menu",        "setup",    "editor", "score board",
                                     "odd one out", "describe", "match",  "name me"};
