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

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

std::vector<double> millis(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        work();
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
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
    const auto record = millis(1001, [&] {
        ++question;
        state.knowledge.chosen = {int16_t(1 + question % 400), int16_t(1 + (question + 7) % 400),
                                  int16_t(1 + (question + 13) % 400), int16_t(1 + (question + 29) % 400)};
        QList<Reply> replies;
        for (int bar = 0; bar < 4; ++bar)
            replies.append({state.knowledge.chosen[size_t(bar)], state.knowledge.chosen[size_t(bar)],
                            bar % 2 == 0, 5, 5});
        recordReplies(state, replies);
    });
    std::printf("recording a question's answers: median %.3f ms, 90th percentile %.3f ms "
                "(target: median < 1 ms)\n",
                record[record.size() / 2], record[record.size() * 9 / 10]);

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

    Thumbnails thumbnails;
    const auto open = [&] {
        MyAnimalsForm form(state, thumbnails);
        form.show();
        QApplication::processEvents(); // the first paint: the cards in sight are drawn
        form.repaint();
    };
    const auto cold = millis(1, open);
    const auto warm = millis(21, open);
    std::printf("opening My animals, 400 animals, 10,000 answers: first %.1f ms, then median "
                "%.1f ms (target < 100 ms)\n",
                cold[0], warm[warm.size() / 2]);
    return 0;
}
