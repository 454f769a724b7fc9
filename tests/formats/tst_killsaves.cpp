// SPDX-License-Identifier: GPL-2.0-or-later
// Saves killed at random moments: velk.dat, velk.INI and a registry entry are saved over and
// over by a child process that is killed with SIGKILL. After every kill each file must read
// whole, old or new, and after the next start no temporary file may be left.
#include "framework/registry.h"
#include "knowledge/animalfile.h"
#include "knowledge/ui.h"
#include "play/settingsfile.h"
#include "play/startup.h"
#include "recordingui.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using trivia::Registry;
using trivia::RegistryData;

namespace {

constexpr int kills = 200;
const QString registryName = "registry";
const QString registryPath = "Kill\\Test";

// Any message but the one of a good save ends the child, which the parent then notices.
class ChildUi : public RecordingUi {
public:
    void message(const QString& text) override {
        if (!text.startsWith("400 animals stored ")) _exit(3);
    }
};

// Two full databases, for even and odd generations; the generation itself stands in the
// first and the last animal. A file torn or mixed from two saves matches neither.
class Databases {
public:
    Databases() {
        for (int parity = 0; parity < 2; ++parity) {
            for (int i = 1; i <= maxAnimals; ++i) {
                AnimalRecord& a = kb_[parity]->animals[i];
                a.name = QString("Animal %1 of the %2 ones").arg(i).arg(parity ? "odd" : "even");
                a.fullName = "The full name of " + a.name;
                a.picture = QString("pictures/animal%1.jpg").arg(i);
                a.difficulty = int16_t(1 + (i + parity) % 3);
                a.classIndex = (i + parity) % 5;
                a.familyIndex = i % 10;
                a.eaterIndex = i % 5;
            }
            kb_[parity]->animalCount = maxAnimals;
        }
    }
    const Knowledge& of(int generation) {
        Knowledge& kb = *kb_[generation % 2];
        kb.animals[1].extra1 = kb.animals[maxAnimals].extra2 = int16_t(generation);
        return kb;
    }

private:
    std::array<std::unique_ptr<Knowledge>, 2> kb_{std::make_unique<Knowledge>(),
                                                  std::make_unique<Knowledge>()};
};

GameSettings settingsOf(int generation) {
    GameSettings s;
    s.spareValue1 = s.spareValue2 = int16_t(generation);
    s.reserved[0].first = QString::number(generation);
    s.titlePicture = QString("menu %1.jpg").arg(generation);
    return s;
}

Result<void> saveRegistry(int generation) {
    return Registry(registryName).update([generation](RegistryData& d) {
        d.setKey({registryPath,
                  {{"generation", QString::number(generation)},
                   {"check", QString::number(generation * 7)}}});
    });
}

void saveAll(Databases& db, int generation, Ui& ui) {
    saveAnimals(db.of(generation), ui, animalFileName);
    saveSettings(settingsOf(generation), ui);
    if (!saveRegistry(generation)) _exit(4);
}

[[noreturn]] void saveUntilKilled(Databases& db, int from) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlives its spawner
    ChildUi ui;
    for (int generation = from;; ++generation)
        saveAll(db, generation, ui);
}

// What tells whether a file was written since it was last read: any write, in place or by
// replacing it, changes one of these.
struct FileStamp {
    ino_t inode = 0;
    timespec modified{};
    off_t size = -1;
    bool operator==(const FileStamp& o) const {
        return inode == o.inode && modified.tv_sec == o.modified.tv_sec &&
               modified.tv_nsec == o.modified.tv_nsec && size == o.size;
    }
};

FileStamp stampOf(const char* path) {
    struct stat info {};
    if (::stat(path, &info) != 0) return {};
    return {info.st_ino, info.st_mtim, info.st_size};
}

// The generation velk.dat holds whole, or -1. Reading 400 animals is the slow part of the
// test, so a file nobody wrote since the last look keeps its generation.
int animalsGeneration(Databases& db, FileStamp& seen, int seenGeneration) {
    const FileStamp stamp = stampOf(animalFileName);
    if (stamp == seen && seenGeneration >= 0) return seenGeneration;
    seen = stamp;
    RecordingUi ui;
    auto kb = std::make_unique<Knowledge>();
    loadAnimalFile(*kb, ui);
    if (!ui.messages.isEmpty() || kb->animalCount != maxAnimals) return -1;
    const int generation = kb->animals[1].extra1;
    const Knowledge& whole = db.of(generation);
    for (int i = 1; i <= maxAnimals; ++i)
        if (!(kb->animals[i] == whole.animals[i])) return -1;
    return generation;
}

int settingsGeneration() {
    RecordingUi ui;
    GameSettings s;
    loadSettings(s, ui);
    const int generation = s.spareValue1;
    return ui.messages.isEmpty() && s == settingsOf(generation) ? generation : -1;
}

int registryGeneration() {
    const auto data = Registry(registryName).read();
    const auto* key = data ? data->key(registryPath) : nullptr;
    if (!key) return -1;
    const int generation = key->value("generation").value_or("x").toInt();
    return key->value("check") == QString::number(generation * 7) ? generation : -1;
}

// Starts the savers from a small process forked before the test's own reading grew its
// memory: a saver then copies little as it writes and is quick from its first save on.
class Spawner {
public:
    explicit Spawner(Databases& db) {
        if (::pipe(requests_) != 0 || ::pipe(answers_) != 0) qFatal("no pipes");
        pid_ = fork();
        if (pid_ == 0) serve(db);
        ::close(requests_[0]);
        ::close(answers_[1]);
    }
    ~Spawner() {
        ::close(requests_[1]); // the spawner sees the end and leaves
        ::waitpid(pid_, nullptr, 0);
        ::close(answers_[0]);
    }
    // A saver from `generation` on: one round of saves, or saves until it is killed.
    pid_t start(int generation, bool oneRound) {
        const std::array<int, 2> request{generation, oneRound};
        if (::write(requests_[1], request.data(), sizeof request) != sizeof request) return -1;
        return answer();
    }
    // How the last saver ended, as waitpid tells it.
    int status() { return answer(); }

private:
    int answer() {
        int value = -1;
        return ::read(answers_[0], &value, sizeof value) == sizeof value ? value : -1;
    }
    [[noreturn]] void serve(Databases& db) {
        // Should the test itself die, the spawner goes with it, and so do its savers.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::close(requests_[1]);
        ::close(answers_[0]);
        std::array<int, 2> request{};
        while (::read(requests_[0], request.data(), sizeof request) == sizeof request) {
            const pid_t saver = fork();
            if (saver == 0) {
                ChildUi ui;
                if (!request[1]) saveUntilKilled(db, request[0]);
                saveAll(db, request[0], ui);
                _exit(0);
            }
            int status = -1;
            if (::write(answers_[1], &saver, sizeof saver) != sizeof saver) break;
            ::waitpid(saver, &status, 0);
            if (::write(answers_[1], &status, sizeof status) != sizeof status) break;
        }
        _exit(0);
    }

    int requests_[2]{};
    int answers_[2]{};
    pid_t pid_ = -1;
};

QStringList filesLeft() {
    QStringList names = QDir::current().entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

} // namespace

class TestKillSaves : public QObject {
    Q_OBJECT
private slots:
    void everyFileReadsWholeAfterAKill();
};

void TestKillSaves::everyFileReadsWholeAfterAKill() {
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    Databases db;
    Spawner spawner(db);
    // Kills fall anywhere within about the time a saver takes for a round of saves, however
    // fast this machine is and however busy.
    std::array<qint64, 3> rounds{};
    for (qint64& r : rounds) {
        QElapsedTimer t;
        t.start();
        QVERIFY(spawner.start(0, true) > 0);
        QCOMPARE(spawner.status(), 0);
        r = t.elapsed();
    }
    std::sort(rounds.begin(), rounds.end());
    int window = int(qMax<qint64>(2, rounds[1]));
    int shortest = window, longest = window;
    const QStringList files{"registry", "velk.INI", "velk.dat"};
    QCOMPARE(filesLeft(), files);

    int leftovers = 0, marks = 0, newer = 0;
    FileStamp stamp;
    std::array<int, 3> last{0, 0, 0};
    auto* random = QRandomGenerator::global();
    for (int k = 0; k < kills; ++k) {
        const pid_t saver = spawner.start(last[0] + 1, false);
        QVERIFY(saver > 0);
        ::usleep(random->bounded(window * 1000));
        ::kill(saver, SIGKILL);
        const int status = spawner.status();
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the saves failed");
        // Whole, and never older than what was there before the kill.
        const std::array<int, 3> now{animalsGeneration(db, stamp, last[0]), settingsGeneration(),
                                     registryGeneration()};
        int changed = 0;
        for (int f = 0; f < 3; ++f) {
            QVERIFY2(now[f] >= last[f], qPrintable(files[f] + " after kill " + QString::number(k)));
            changed += now[f] > last[f];
        }
        newer += changed;
        // A kill after which no file changed came early, one after which all did came late:
        // the window follows, so kills keep falling inside saves when the machine slows.
        window = changed == 0   ? qMin(5000, window * 11 / 10 + 1)
                 : changed == 3 ? qMax(2, window * 9 / 10)
                                : window;
        shortest = qMin(shortest, window);
        longest = qMax(longest, window);
        last = now;

        for (const QString& name : filesLeft())
            if (!files.contains(name)) ++(name.endsWith(".~saving") ? marks : leftovers);
        removeLeftoverSaves();          // the game's next start
        QVERIFY(saveRegistry(last[2])); // the registry's next change
        QCOMPARE(filesLeft(), files);
    }
    qInfo("%d kills within %d to %d ms of a start: %d times a file was found newer; %d "
          "temporary files and %d marks of interrupted saves left and removed; velk.dat "
          "reached generation %d",
          kills, shortest, longest, newer, leftovers, marks, last[0]);
}

QTEST_GUILESS_MAIN(TestKillSaves)
#include "tst_killsaves.moc"
