// SPDX-License-Identifier: GPL-2.0-or-later
// What the history costs: recording an answer as the game does after each question, and
// opening "My animals" for 400 animals and 10,000 answers. Run from the build folder: the
// cards show the delivered pictures from build/bin.
#include "history/sqlhistory.h"
#include "knowledge/animalfile.h"
#include "play/players.h"
#include "play/programstate.h"
#include "screens/myanimalsform.h"
#include "silentui.h"
#include "widgets/picturebox.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

// Processor time, not wall time: on a machine shared with other work the wall clock
// measures the others too. Both are printed where they differ.
double cpuMillis() {
    return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC;
}

std::vector<double> millis(int runs, const std::function<void()>& work,
                           std::vector<double>* wall = nullptr) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMillis();
        work();
        ms.push_back(cpuMillis() - cpu);
        if (wall) wall->push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    if (wall) std::sort(wall->begin(), wall->end());
    return ms;
}

// 400 animals from the delivered ones, their pictures used over again.
void fourHundredAnimals(Knowledge& kb, const QString& programFolder) {
    SilentUi ui;
    QFile file(QDir(programFolder).filePath("velk.dat"));
    if (file.open(QIODevice::ReadOnly)) readAnimals(file, kb);
    const int delivered = std::max<int>(1, kb.animalCount);
    for (int n = delivered + 1; n <= maxAnimals; ++n) {
        kb.animals[size_t(n)] = kb.animals[size_t(1 + (n - 1) % delivered)];
        kb.animals[size_t(n)].name += QString(" %1").arg(n);
    }
    kb.animalCount = maxAnimals;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString programFolder = QDir::currentPath() + "/bin";
    QTemporaryDir work;
    SilentUi ui;
    ProgramState state(ui);
    state.folders = {work.path(), programFolder};
    fourHundredAnimals(state.knowledge, programFolder);
    buildCategoryTables(state.knowledge.tables, 3);
    state.players.setOpener([&] { return openSqlHistory(work.path(), ui); });
    if (!state.players.history()) return 1;

    // As after a match question: four answers in one transaction.
    state.knowledge.questionType = QuestionType::MatchNames;
    int question = 0;
    std::vector<double> recordWall;
    const auto record = millis(1001, [&] {
        ++question;
        state.knowledge.chosen = {int16_t(1 + question % 400), int16_t(1 + (question + 7) % 400),
                                  int16_t(1 + (question + 13) % 400), int16_t(1 + (question + 29) % 400)};
        QList<Reply> replies;
        for (int bar = 0; bar < 4; ++bar)
            replies.append({state.knowledge.chosen[size_t(bar)], state.knowledge.chosen[size_t(bar)],
                            bar % 2 == 0, 5, 5});
        recordReplies(state, replies);
    }, &recordWall);
    std::printf("recording a question's answers: median %.3f ms processor, %.3f ms wall; "
                "90th percentile %.3f ms wall (target: median < 1 ms)\n",
                record[record.size() / 2], recordWall[recordWall.size() / 2],
                recordWall[recordWall.size() * 9 / 10]);

    // 10,000 answers in all, over the last eight weeks.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    History& history = *state.players.history();
    QList<Answer> many;
    const int missing = 10000 - int(history.answers(0, 0).size());
    for (int i = 0; i < missing; ++i) {
        const QString key = animalKey(state.knowledge, 1 + (i * 37) % 300);
        many << Answer{now - qint64(i) * 8 * 7 * 24 * 3600 * 1000 / missing, 1, 1 + i % 9, {key},
                       key, key, i % 3 != 0, 5, 5};
    }
    history.record(many);
    std::printf("answers kept: %lld\n", (long long)history.answers(0, 0).size());

    const auto query = millis(
        5, [&] { history.rightAnswers(1, now, Progress::weekMs, Progress::weeks); });
    std::printf("of which counting the right answers: %.1f ms processor\n",
                query[query.size() / 2]);
    // The menu is up when My animals opens: the window system, the fonts and the picture
    // reader are in use already.
    QWidget menu;
    menu.show();
    QApplication::processEvents();
    readPicture(QDir(programFolder).filePath("menu.jpg"), {64, 64}, 1);

    Thumbnails thumbnails;
    const auto open = [&] {
        MyAnimalsForm form(state, thumbnails);
        form.show();
        QApplication::processEvents(); // the first paint: the cards in sight are drawn
        form.repaint();
    };
    std::vector<double> coldWall, warmWall;
    const auto cold = millis(1, open, &coldWall);
    const auto warm = millis(21, open, &warmWall);
    std::printf("opening My animals, 400 animals, 10,000 answers: first %.1f ms processor "
                "(%.1f ms wall), then median %.1f ms processor (%.1f ms wall) (target < 100 ms)\n",
                cold[0], coldWall[0], warm[warm.size() / 2], warmWall[warmWall.size() / 2]);
    return 0;
}
