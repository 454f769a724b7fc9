// SPDX-License-Identifier: GPL-2.0-or-later
// Draws odd-one-out questions with the game's own drawing code and the delivered animals
// and pictures, and reports per kind and highest difficulty (lowest 1):
//   backdrop  the share of questions whose odd picture is the only one on another backdrop,
//             so that a child could answer by colour alone;
//   long      the share whose drawing searched long (over 200 draws for one animal), which
//             the game writes to its velk.draw log;
//   shown     the share that showed the player a notice of the drawing;
//   failed    the share the game could not fill.
//   oddoutfairness [DATA_DIR [QUESTIONS]]     default: the data folder beside the sources
#include "fairness.h"
#include "knowledge/animalfile.h"
#include "knowledge/random.h"
#include "knowledge/wording.h"
#include "silentui.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

int longSearches = 0;

// Counts the drawing's reports of a long search instead of printing them.
void countLongSearches(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (qstrcmp(context.category, "velk.draw") == 0)
        ++longSearches;
    else
        std::fprintf(stderr, "%d %s\n", int(type), qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString dataDir =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(VELK_DATA_DIR);
    const int questions = argc > 2 ? std::atoi(argv[2]) : 10000;

    auto kb = std::make_unique<Knowledge>();
    QFile file(dataDir + "/velk.dat");
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
        return 1;
    }
    const QString problem = readAnimals(file, *kb).error();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return 1;
    }
    std::vector<backdrop::Corners> backdrops(size_t(kb->animalCount) + 1);
    for (int i = 1; i <= kb->animalCount; ++i)
        backdrops[size_t(i)] = backdrop::cornersOf(QImage(dataDir + "/" + kb->pictureFile(i)));

    QLoggingCategory::setFilterRules(QStringLiteral("velk.draw.info=true"));
    qInstallMessageHandler(countLongSearches);
    SilentUi ui;
    Random random;
    random.seed(1);
    std::printf("%-30s %5s %9s %9s %9s %9s\n", "kind", "level", "backdrop", "long", "shown",
                "failed");
    for (int kind = 6; kind <= 9; ++kind) {
        kb->questionType = questionTypeFromNumber(kind);
        for (int level = 1; level <= 3; ++level) {
            buildCategoryTables(kb->tables, level);
            const DifficultyWindow window{1, int16_t(level)};
            int standsOut = 0, searchedLong = 0, noticed = 0, failed = 0;
            for (int q = 0; q < questions; ++q) {
                ui.messages = 0;
                longSearches = 0;
                const bool complete = drawOddOneOut(*kb, window, random, ui);
                searchedLong += longSearches > 0;
                noticed += ui.messages > 0;
                if (!complete) {
                    ++failed;
                    continue;
                }
                const auto& c = kb->chosen;
                const backdrop::Corners& odd = backdrops[size_t(c[1])];
                const backdrop::Corners& alike = backdrops[size_t(c[0])];
                if (backdrop::same(alike, backdrops[size_t(c[2])]) &&
                    backdrop::same(alike, backdrops[size_t(c[3])]) && !backdrop::same(alike, odd))
                    ++standsOut;
            }
            auto share = [&](int n) { return 100.0 * n / questions; };
            std::printf("%-30s %5d %8.1f%% %8.2f%% %8.2f%% %8.2f%%\n",
                        qPrintable(questionTypeName(*kb)), level, share(standsOut),
                        share(searchedLong), share(noticed), share(failed));
        }
    }
    return 0;
}
