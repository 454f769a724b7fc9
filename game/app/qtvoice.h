// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/voice.h"

#include <QObject>

#include <memory>

class QThread;
class VoiceEngine;

// The desktop's speech engine (Qt TextToSpeech) as the game's voice. The engine starts with
// the first text to say, or when probed, on a thread of its own: starting it can take seconds (the
// speech server may have to start first) or never end, and the game never waits for it. Texts said
// while the engine is busy do not queue up: only the latest is spoken.
class QtVoice : public QObject, public Voice {
    Q_OBJECT
public:
    QtVoice();
    ~QtVoice() override;

    void say(const QString& text) override;
    void stop() override;
    QString unavailable() const override;
    void probe() override;
    void setLanguage(const QString& code) override;

    bool engineStarted() const { return thread_ != nullptr; }

signals:
    // The engine has said a text to its end, or stopped saying it.
    void finished();

private:
    friend class VoiceEngine;
    struct Mailbox;
    void post(const QString& text);
    void engineFailed(const QString& why);

    std::shared_ptr<Mailbox> mailbox_;
    QThread* thread_ = nullptr;
    VoiceEngine* engine_ = nullptr;
    mutable QString unavailable_;
    mutable bool looked_ = false;
};
