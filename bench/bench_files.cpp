// SPDX-License-Identifier: GPL-2.0-or-later
// Reading and writing a full database (400 animals) and the settings file, in memory and
// through the real files, as start-up and the editor do. Prints the median of many runs.
#include "knowledge/animalfile.h"
#include "knowledge/ui.h"
#include "play/settingsfile.h"
#include "silentui.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<Knowledge> fullDatabase() {
    auto kb = std::make_unique<Knowledge>();
    for (int i = 1; i <= maxAnimals; ++i) {
        AnimalRecord& a = kb->animals[i];
        a.name = QString("Animal number %1").arg(i);
        a.fullName = QString("The full name of animal %1").arg(i);
        a.picture = QString("pictures/animal%1.jpg").arg(i);
        a.difficulty = int16_t(1 + i % 3);
        a.classIndex = i % 5;
        a.familyIndex = i % 10;
        a.eaterIndex = i % 5;
        a.biomes[i % 7] = 1;
    }
    kb->animalCount = maxAnimals;
    return kb;
}

void measure(const char* what, int runs, const std::function<void()>& work) {
    std::vector<double> micros;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        work();
        micros.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-40s median %8.1f us   min %8.1f us   (%d runs)\n", what, micros[runs / 2],
                micros.front(), runs);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    SilentUi ui;
    const auto kb = fullDatabase();
    auto scratch = std::make_unique<Knowledge>();

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    writeAnimals(out, *kb);
    const QByteArray dat = out.data();
    std::printf("velk.dat of %d animals: %lld bytes\n", int(kb->animalCount),
                (long long)dat.size());

    measure("velk.dat write (memory)", 200, [&] {
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        writeAnimals(b, *kb);
    });
    measure("velk.dat read (memory)", 200, [&] {
        QBuffer b;
        b.setData(dat);
        b.open(QIODevice::ReadOnly);
        readAnimals(b, *scratch);
    });
    measure("velk.dat save (file, atomic)", 100, [&] { saveAnimals(*kb, ui, "velk.dat"); });
    measure("velk.dat load (file)", 100, [&] { loadAnimals(*scratch, ui, "velk.dat"); });

    GameSettings settings;
    measure("velk.INI save (file, atomic)", 200, [&] { saveSettings(settings, ui); });
    measure("velk.INI load (file)", 200, [&] { loadSettings(settings, ui); });
    return scratch->animalCount == maxAnimals ? 0 : 1;
}
