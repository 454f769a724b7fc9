// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/lazyspeaker.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// A sound server of the test's own whose only loudspeaker is a recorder: what the game plays
// ends up in a file of 16-bit samples.
struct PrivateSoundServer {
    PrivateSoundServer() {
        qputenv("PULSE_RUNTIME_PATH", QDir(dir.path()).filePath("run").toUtf8());
        qputenv("PULSE_STATE_PATH", QDir(dir.path()).filePath("state").toUtf8());
        qunsetenv("PULSE_SERVER");
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start("pulseaudio", {"--daemonize=no", "--exit-idle-time=-1", "-n",
                                    "--use-pid-file=false", "--load=module-null-sink sink_name=out",
                                    "--load=module-native-protocol-unix"});
        for (int i = 0; i < 50 && !QFile::exists(dir.filePath("run/native")); ++i)
            QTest::qWait(100);
        recorder.setStandardOutputFile(recording());
        recorder.start("parec", {"-d", "out.monitor", "--raw", "--format=s16le", "--channels=1",
                                 "--rate=44100"});
        recorder.waitForStarted();
    }
    ~PrivateSoundServer() {
        for (QProcess* p : {&recorder, &server}) {
            p->terminate();
            p->waitForFinished(3000);
        }
    }
    QString recording() const { return dir.filePath("heard.raw"); }
    // The loudest sample heard from `from` seconds on.
    int peak(double from) const {
        QFile file(recording());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        int loudest = 0;
        for (qsizetype i = qsizetype(from * 44100); i < bytes.size() / 2; ++i)
            loudest = std::max(loudest, std::abs(int(samples[i])));
        return loudest;
    }
    double seconds() const { return QFile(recording()).size() / 2 / 44100.0; }

    QTemporaryDir dir;
    QProcess server, recorder;
};

} // namespace

class TestSounds : public QObject {
    Q_OBJECT
private slots:
    void everySoundIsHeard();
};

// Every sound of the game really reaches the loudspeaker, through the module the game loads
// with its first sound.
void TestSounds::everySoundIsHeard() {
    if (QStandardPaths::findExecutable("pulseaudio").isEmpty() ||
        QStandardPaths::findExecutable("parec").isEmpty())
        QSKIP("no pulseaudio to listen with");
    PrivateSoundServer server;
    QVERIFY(QFile::exists(server.dir.filePath("run/native")));
    LazySpeaker speaker({VELK_SOUND_MODULE}, [] { return QString(VELK_DATA_DIR "/sounds"); });
    QSignalSpy loaded(&speaker, &LazySpeaker::moduleLoaded);
    QVERIFY(!speaker.loaded());
    for (int s = 0; s < soundCount; ++s) {
        // Silence first, so that what is heard next is this sound.
        QTRY_VERIFY_WITH_TIMEOUT(
            server.seconds() > 0.5 && server.peak(server.seconds() - 0.3) < 100, 5000);
        const double before = server.seconds();
        speaker.play(Sound(s));
        QTRY_VERIFY2_WITH_TIMEOUT(server.peak(before) > 1000, qPrintable(QString::number(s)),
                                  10000);
    }
    QCOMPARE(loaded.size(), 1);
    QVERIFY(speaker.loaded());
}

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
