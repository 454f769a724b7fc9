// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/qtvoice.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// A speech server of the test's own, started by the engine, that plays into a sound file
// instead of a sound card: ALSA's file plugin writes what it is given as WAV.
struct PrivateSpeechServer {
    PrivateSpeechServer() {
        const QString home = dir.path();
        QDir(home).mkpath(".config/speech-dispatcher");
        QDir(home).mkpath("run");
        QFile::setPermissions(home + "/run", QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        write(".config/speech-dispatcher/speechd.conf",
              "AudioOutputMethod \"alsa\"\nAudioALSADevice \"default\"\n"
              "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
              "DefaultModule espeak-ng\nTimeout 2\n");
        write(".asoundrc", QString("pcm.!default {\n type file\n slave.pcm \"null\"\n"
                                   " file \"%1\"\n format \"wav\"\n}\n")
                               .arg(soundFile())
                               .toUtf8());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"})
            saved << qgetenv(name);
        qputenv("HOME", home.toUtf8());
        qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
        qputenv("XDG_RUNTIME_DIR", (home + "/run").toUtf8());
        qputenv("XDG_CACHE_HOME", (home + "/cache").toUtf8());
        qunsetenv("SPEECHD_ADDRESS");
    }
    ~PrivateSpeechServer() {
        const char* names[] = {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"};
        for (int i = 0; i < 4; ++i)
            qputenv(names[i], saved[i]);
    }
    void write(const QString& name, const QByteArray& text) const {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(name));
    }
    QString soundFile() const { return dir.filePath("spoken.wav"); }

    QTemporaryDir dir;
    QList<QByteArray> saved;
};

// 16-bit samples of a WAV file as ALSA's file plugin writes it: the header first, its
// lengths left open.
struct Sound {
    explicit Sound(const QString& fileName) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly)) return;
        const QByteArray bytes = file.readAll();
        const qsizetype data = bytes.indexOf("data");
        if (!bytes.startsWith("RIFF") || data < 0 || bytes.size() < data + 8) return;
        QDataStream header(bytes.mid(22, 14));
        header.setByteOrder(QDataStream::LittleEndian);
        quint16 channels, bits;
        quint32 byteRate;
        header >> channels >> rate >> byteRate;
        header.skipRawData(2);
        header >> bits;
        if (bits != 16 || channels == 0) return;
        QDataStream pcm(bytes.mid(data + 8));
        pcm.setByteOrder(QDataStream::LittleEndian);
        for (qint16 s; !pcm.atEnd();) {
            pcm >> s;
            samples << s;
            pcm.skipRawData(2 * (channels - 1));
        }
    }
    double seconds() const { return rate ? double(samples.size()) / rate : 0; }
    // Loudness in slices of 20 ms.
    QList<double> slices() const {
        QList<double> rms;
        const qsizetype n = rate / 50;
        for (qsizetype at = 0; n > 0 && at + n <= samples.size(); at += n) {
            double sum = 0;
            for (qsizetype i = at; i < at + n; ++i)
                sum += double(samples[i]) * samples[i];
            rms << std::sqrt(sum / double(n));
        }
        return rms;
    }

    quint32 rate = 0;
    QList<qint16> samples;
};

} // namespace

class TestVoice : public QObject {
    Q_OBJECT
private slots:
    void noEngineUntilTheFirstText();
    void theEngineSpeaks();
};

// Asking whether it could speak, or stopping, never starts the engine.
void TestVoice::noEngineUntilTheFirstText() {
    QtVoice voice;
    voice.unavailable();
    voice.stop();
    QVERIFY(!voice.engineStarted());
}

// Where the machine has an engine and a voice, a sentence comes out as speech: long enough,
// loud enough, in bursts with quiet between them, as words are.
void TestVoice::theEngineSpeaks() {
    PrivateSpeechServer server;
    QtVoice voice;
    if (!voice.unavailable().isEmpty()) QSKIP(qPrintable(voice.unavailable()));
    QSignalSpy finished(&voice, &QtVoice::finished);
    voice.say("A long first text that the second one replaces before it is ever heard");
    voice.say("Click on the animal that is not a bird");
    QVERIFY(voice.engineStarted());
    const QDeadlineTimer patience(60'000);
    while (finished.isEmpty() && voice.unavailable().isEmpty() && !patience.hasExpired())
        QTest::qWait(50);
    if (!voice.unavailable().isEmpty()) QSKIP(qPrintable(voice.unavailable()));
    // An engine that started and speaks into a file of its own has no reason to stay silent.
    QVERIFY2(!finished.isEmpty(), "The speech engine said nothing within a minute.");

    const Sound sound(server.soundFile());
    QVERIFY2(!sound.samples.isEmpty(), "no sound file, or not one of 16-bit samples");
    QVERIFY2(sound.seconds() > 1 && sound.seconds() < 8,
             qPrintable(QString::number(sound.seconds())));
    const QList<double> slices = sound.slices();
    const double loudest = *std::max_element(slices.begin(), slices.end());
    QVERIFY2(loudest > 1000, qPrintable(QString::number(loudest)));
    int loud = 0, bursts = 0;
    bool inBurst = false;
    for (double s : slices) {
        const bool isLoud = s > loudest / 10;
        loud += isLoud;
        bursts += isLoud && !inBurst;
        inBurst = isLoud;
    }
    QVERIFY2(bursts >= 3, qPrintable(QString::number(bursts)));
    QVERIFY(loud > slices.size() / 4 && loud < slices.size());
}

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_voice.moc"
