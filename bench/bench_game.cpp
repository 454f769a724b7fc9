// SPDX-License-Identifier: GPL-2.0-or-later
// The game's own costs: the slowest drawing of an animal, opening a question screen with its
// pictures, and the memory of a long game. Run from the build folder: the screens read the
// delivered animals and pictures from build/bin.
#include "app/lazyspeaker.h"
#include "knowledge/animalfile.h"
#include "knowledge/draw.h"
#include "measure.h"
#include "play/game.h"
#include "play/programstate.h"
#include "screens/describeform.h"
#include "screens/matchform.h"
#include "screens/oddoutform.h"
#include "screens/scoreboardform.h"
#include "silentui.h"
#include "widgets/formhelpers.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The worst a single draw can cost: a full database and a window that holds no animal, so
// every one of the 2010 draws is rejected.
void worstDraw() {
    SilentUi ui;
    Random random;
    random.seed(1);
    auto kb = std::make_unique<Knowledge>();
    buildCategoryTables(kb->tables, 3);
    for (int i = 1; i <= maxAnimals; ++i) {
        AnimalRecord& a = kb->animals[size_t(i)];
        a.name = a.fullName = QString("Animal %1").arg(i);
        a.difficulty = int16_t(1 + i % 3);
        a.classIndex = i % 5;
        a.familyIndex = 1 + i % 9;
        a.eaterIndex = i % 5;
        a.biomes[size_t(i % 7)] = 1;
    }
    kb->animalCount = maxAnimals;
    const DifficultyWindow empty{4, 4};
    for (int qtype : {3, 5, 7}) {
        kb->questionType = questionTypeFromNumber(qtype);
        kb->chosen = {1, 2, 3, 4, 5, 0};
        int16_t result = 0;
        const double ms =
            medianMillis(101, [&] { result = pickAnimal(*kb, empty, random, ui, 4); });
        std::printf("pickAnimal, no animal in the window, kind %d, slot 4: median %.2f ms "
                    "(result %d; target < 5 ms)\n",
                    qtype, ms, result);
    }
}

// A port that shows the score board as the game does, but closes it at once.
class BoardUi : public SilentUi {
public:
    void showScoreBoard(const QString& result, const QString& heading) override {
        ScoreBoard board(*state, nullptr);
        board.setResult(result);
        board.setHeading(heading);
        board.show();
        QApplication::processEvents();
    }
    ProgramState* state = nullptr;
};

// The delivered animals loaded at the highest difficulty, with a score board that shows.
struct LoadedGame {
    LoadedGame() {
        ui.state = &state;
        state.random.seed(7);
        state.settings.maxDifficulty = 3;
        buildCategoryTables(state.knowledge.tables, 3);
        loadAnimalFile(state.knowledge, ui);
    }
    BoardUi ui;
    ProgramState state{ui};
};

template <class Form> void openAndAnswer(ProgramState& state, int qtype, bool answer) {
    state.knowledge.questionType = questionTypeFromNumber(qtype);
    Form form(state);
    form.show();
    QApplication::processEvents();
    if (answer) {
        if constexpr (std::is_same_v<Form, DescribeForm>)
            QMetaObject::invokeMethod(form.template findChild<QObject*>("choice_0"), "chosen");
        else
            QMetaObject::invokeMethod(form.template findChild<QObject*>("Image1_0"), "click");
    }
}

void screens() {
    LoadedGame game;
    ProgramState& state = game.state;
    if (state.knowledge.animalCount == 0) {
        std::printf("no velk.dat in %s: run from the build folder\n",
                    qPrintable(QDir::currentPath()));
        return;
    }
    for (int i = 0; i < 5; ++i) // warm the caches and the image plugins
        openAndAnswer<OddOneOutForm>(state, 6, false);
    std::printf(
        "open the odd-one-out screen, four pictures: median %.2f ms (target < 30 ms)\n",
        medianMillis(51, [&] { openAndAnswer<OddOneOutForm>(state, 6 + rand() % 4, false); }));
    std::printf(
        "open the describe-this-image screen: median %.2f ms (target < 30 ms)\n",
        medianMillis(51, [&] { openAndAnswer<DescribeForm>(state, 3 + rand() % 3, false); }));

    auto question = [&](int n) {
        if (n % 2)
            openAndAnswer<OddOneOutForm>(state, 6 + n % 4, true);
        else
            openAndAnswer<DescribeForm>(state, 3 + n % 3, true);
    };
    for (int n = 0; n < 20; ++n)
        question(n);
    const long before = residentKiB();
    for (int n = 0; n < 200; ++n)
        question(n);
    const long after = residentKiB();
    for (int round = 0; round < 4; ++round) {
        const long a = residentKiB();
        for (int n = 0; n < 200; ++n)
            question(n);
        std::printf("  next 200: %ld KiB\n", residentKiB() - a);
    }
    std::printf("200 questions with their score boards: resident memory %ld KiB -> %ld KiB, "
                "growth %ld KiB (target < 2048 KiB)\n",
                before, after, after - before);
}

// A family's screen: the windows filling 1920 x 1080, with the sounds on.
void fullScreen() {
    LoadedGame game;
    ProgramState& state = game.state;
    if (state.knowledge.animalCount == 0) return;

    state.knowledge.questionType = questionTypeFromNumber(2);
    {
        MatchForm form(state);
        form.show();
        QApplication::processEvents();
        const QSize design = form.size();
        const auto resize = [&](QSize size) {
            form.resize(size);
            QApplication::processEvents();
        };
        resize({1920, 1080});
        std::vector<double> ms;
        for (int run = 0; run < 51; ++run) {
            resize(design);
            ms.push_back(medianMillis(1, [&] { resize({1920, 1080}); }));
        }
        std::sort(ms.begin(), ms.end());
        std::printf("relayout of the match-them screen on a resize to 1920 x 1080, pictures "
                    "decoded before: median %.2f ms (target < 8 ms)\n",
                    ms[ms.size() / 2]);
    }

    state.fullScreen.setOn(true);
    for (int i = 0; i < 5; ++i)
        openAndAnswer<OddOneOutForm>(state, 6, false);
    std::printf(
        "open the odd-one-out screen full screen at 1920 x 1080, four pictures: median "
        "%.2f ms (target < 30 ms)\n",
        medianMillis(51, [&] { openAndAnswer<OddOneOutForm>(state, 6 + rand() % 4, false); }));

    const QString program = QCoreApplication::applicationDirPath() + "/../bin/";
    LazySpeaker speaker({program + "libvelksound.so"}, [program] { return program + "sounds"; });
    state.sounds.attach(speaker);
    auto question = [&](int n) {
        if (n % 2)
            openAndAnswer<OddOneOutForm>(state, 6 + n % 4, true);
        else
            openAndAnswer<DescribeForm>(state, 3 + n % 3, true);
    };
    for (int n = 0; n < 20; ++n)
        question(n);
    std::printf("  sound module loaded: %s\n", speaker.loaded() ? "yes" : "no");
    const long before = residentKiB();
    for (int n = 0; n < 200; ++n)
        question(n);
    const long after = residentKiB();
    std::printf("200 questions full screen with sounds on: resident memory %ld KiB -> %ld KiB, "
                "growth %ld KiB (target < 2048 KiB)\n",
                before, after, after - before);
}

} // namespace

int main(int argc, char** argv) {
    // One screen of 1920 x 1080, as a family's laptop has.
    QTemporaryFile screen;
    if (screen.open()) {
        screen.write(R"({"screens": [{"name": "family", "x": 0, "y": 0, "width": 1920, )"
                     R"("height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        screen.flush();
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    limitStyleCaches(); // as the game does
    worstDraw();
    QDir::setCurrent(QCoreApplication::applicationDirPath() + "/../bin");
    screens();
    fullScreen();
    return 0;
}
