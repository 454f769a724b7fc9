// SPDX-License-Identifier: GPL-2.0-or-later
#include "qtvoice.h"

#include <QMutex>
#include <QTextToSpeech>
#include <QThread>

#include <optional>

namespace {
constexpr int secondsToEnd = 3;
constexpr double childrensRate = -0.2; // a little slower than the desktop reads

// The game speaks its own language, whatever the desktop's; false where no voice speaks it.
bool chooseLanguage(QTextToSpeech& tts, QLocale::Language language) {
    if (tts.locale().language() == language) return true;
    for (const QLocale& locale : tts.availableLocales()) {
        if (locale.language() != language) continue;
        tts.setLocale(locale);
        return true;
    }
    return false;
}
} // namespace

// The latest text to say, handed from the game to the engine's thread.
struct QtVoice::Mailbox {
    QMutex mutex;
    std::optional<QString> text;
    QLocale::Language language = QLocale::English;

    void setLanguage(QLocale::Language l) {
        QMutexLocker lock(&mutex);
        language = l;
    }
    QLocale::Language currentLanguage() {
        QMutexLocker lock(&mutex);
        return language;
    }

    void put(const QString& t) {
        QMutexLocker lock(&mutex);
        text = t;
    }
    std::optional<QString> take() {
        QMutexLocker lock(&mutex);
        return std::exchange(text, std::nullopt);
    }
};

// Lives on the engine's thread; everything it does may take its time there. It tells the
// game by signals, which reach the voice only while it exists.
class VoiceEngine : public QObject {
    Q_OBJECT
public:
    explicit VoiceEngine(std::shared_ptr<QtVoice::Mailbox> mailbox)
        : mailbox_(std::move(mailbox)) {}

    // Says the latest text posted (an empty one only stops), if it has not been said yet.
    void sayLatest() {
        const std::optional<QString> text = mailbox_->take();
        if (!text || !start()) return;
        if (tts_->state() != QTextToSpeech::Ready)
            tts_->stop(QTextToSpeech::BoundaryHint::Immediate);
        if (!text->isEmpty() && chooseLanguage(*tts_, mailbox_->currentLanguage()))
            tts_->say(*text);
    }

signals:
    void failed(const QString& why);
    void finished();

private:
    bool start() {
        if (tts_ || failed_) return !failed_;
        tts_ = new QTextToSpeech(this);
        if (const QString why = fault(); !why.isEmpty()) {
            fail(why);
            return false;
        }
        tts_->setRate(childrensRate);
        connect(tts_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Error)
                fail(QtVoice::tr("The speech engine stopped working (%1).")
                         .arg(tts_->errorString()));
            else if (state == QTextToSpeech::Ready)
                emit finished();
        });
        return true;
    }

    // Why the engine just started cannot speak, or nothing.
    QString fault() {
        if (tts_->state() == QTextToSpeech::Error)
            return QtVoice::tr("The speech engine could not start (%1).").arg(tts_->errorString());
        chooseLanguage(*tts_, QLocale::English);
        if (tts_->availableVoices().isEmpty())
            return QtVoice::tr("The speech engine has no voice installed.");
        return {};
    }

    void fail(const QString& why) {
        failed_ = true;
        emit failed(why);
    }

    std::shared_ptr<QtVoice::Mailbox> mailbox_;
    QTextToSpeech* tts_ = nullptr;
    bool failed_ = false;
};

QtVoice::QtVoice() : mailbox_(std::make_shared<Mailbox>()) {}

QtVoice::~QtVoice() {
    if (!thread_) return;
    thread_->quit();
    // An engine that hangs (a speech server that never answers) is left to the end of the
    // program rather than holding it up.
    if (thread_->wait(QDeadlineTimer(secondsToEnd * 1000))) delete thread_;
}

void QtVoice::say(const QString& text) {
    post(text);
}

void QtVoice::stop() {
    if (thread_) post(QString());
}

QString QtVoice::unavailable() const {
    if (!looked_ && QTextToSpeech::availableEngines().isEmpty())
        unavailable_ = tr("No speech engine is installed on this computer.");
    looked_ = true;
    return unavailable_;
}

void QtVoice::probe() {
    // Starting the engine is all it takes: one that cannot speak says so as it starts.
    if (!thread_ && unavailable().isEmpty()) post(QString());
}

void QtVoice::setLanguage(const QString& code) {
    mailbox_->setLanguage(QLocale(code).language());
}

void QtVoice::post(const QString& text) {
    if (!thread_) {
        thread_ = new QThread;
        thread_->setObjectName("speech");
        engine_ = new VoiceEngine(mailbox_);
        engine_->moveToThread(thread_);
        connect(thread_, &QThread::finished, engine_, &QObject::deleteLater);
        connect(engine_, &VoiceEngine::failed, this, &QtVoice::engineFailed);
        connect(engine_, &VoiceEngine::finished, this, &QtVoice::finished);
        thread_->start();
    }
    mailbox_->put(text);
    VoiceEngine* engine = engine_;
    QMetaObject::invokeMethod(
        engine, [engine] { engine->sayLatest(); }, Qt::QueuedConnection);
}

void QtVoice::engineFailed(const QString& why) {
    looked_ = true;
    unavailable_ = why;
    if (availabilityChanged) availabilityChanged();
}

#include "qtvoice.moc"
