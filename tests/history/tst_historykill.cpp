// SPDX-License-Identifier: GPL-2.0-or-later
// Answers recorded by a child that is killed with SIGKILL at random moments, from the very
// first opening on. After every kill the history opens whole, with every answer the child
// had finished recording, and at most the one it was in the middle of more.
#include "history/sqlhistory.h"
#include "knowledge/ui.h"
#include "recordingui.h"
#include "testfolder.h"

#include <QRandomGenerator>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kills = 60;
constexpr int answersPerQuestion = 4; // a match question: all kept, or none

class ChildUi : public RecordingUi {
public:
    void message(const QString&) override { _exit(3); }
};

[[noreturn]] void recordUntilKilled(const QString& folder, int from, int done) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    ChildUi ui;
    auto history = openSqlHistory(folder, ui);
    if (!history) _exit(4);
    for (int question = from;; ++question) {
        QList<Answer> answers;
        for (int i = 0; i < answersPerQuestion; ++i)
            answers << Answer{question,
                              1,
                              2,
                              {"a.jpg", "b.jpg", "c.jpg", "d.jpg"},
                              QString("%1.jpg").arg(i),
                              "b.jpg",
                              i == 1,
                              i == 1 ? 5 : 0,
                              5};
        if (!history->record(answers)) _exit(5);
        if (::write(done, &question, sizeof question) != sizeof question) _exit(6);
    }
}

} // namespace

class TestHistoryKill : public QObject {
    Q_OBJECT
private slots:
    void killedWhileRecording();
};

void TestHistoryKill::killedWhileRecording() {
    TestFolder folder;
    QRandomGenerator chance(2026);
    int next = 1;
    for (int kill = 0; kill < kills; ++kill) {
        int done[2];
        QVERIFY(::pipe(done) == 0);
        ::fcntl(done[0], F_SETFL, O_NONBLOCK);
        const pid_t child = fork();
        if (child == 0) {
            ::close(done[0]);
            recordUntilKilled(folder.path(), next, done[1]);
        }
        ::close(done[1]);
        QTest::qSleep(int(chance.bounded(5, 60)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY2(WIFSIGNALED(status), "the child stopped by itself");
        int finished = next - 1, q = 0;
        while (::read(done[0], &q, sizeof q) == sizeof q)
            finished = q;
        ::close(done[0]);

        RecordingUi ui;
        auto history = openSqlHistory(folder.path(), ui);
        QVERIFY2(history, qPrintable(ui.messages.join('\n')));
        QVERIFY2(ui.messages.isEmpty(), qPrintable(ui.messages.join('\n')));
        const QList<Answer> kept = history->answers(0, 0);
        QCOMPARE(kept.size() % answersPerQuestion, 0);
        const qint64 last = kept.isEmpty() ? 0 : kept.last().time;
        QVERIFY2(last == finished || last == finished + 1,
                 qPrintable(QString("kept %1, finished %2").arg(last).arg(finished)));
        QCOMPARE(kept.size(), int(last) * answersPerQuestion);
        next = int(last) + 1;
    }
    QVERIFY2(next > kills, "the children hardly recorded anything");
}

QTEST_GUILESS_MAIN(TestHistoryKill)
#include "tst_historykill.moc"
