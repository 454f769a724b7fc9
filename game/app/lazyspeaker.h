// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/speaker.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QLibrary;
class QThread;

// The game's loudspeaker, loaded with the first sound: the sound module (and Qt Multimedia
// with it) loads on a thread of its own, so neither start-up nor an answer waits for it.
// Without the module, or without a sound device, the game stays silent.
class LazySpeaker : public QObject, public Speaker {
    Q_OBJECT
public:
    // `modules`: where the module may be; `soundFolder`: where the sounds are, asked once the
    // module is there.
    LazySpeaker(QStringList modules, std::function<QString()> soundFolder);
    ~LazySpeaker() override;

    void play(Sound sound) override;
    bool loaded() const { return speaker_ != nullptr; }

signals:
    void moduleLoaded(bool ok);

private:
    void takeModule(bool ok);

    QStringList modules_;
    std::function<QString()> soundFolder_;
    std::unique_ptr<QLibrary> library_;
    std::unique_ptr<QThread> loader_;
    std::unique_ptr<Speaker> speaker_;
    std::optional<Sound> waiting_;
    bool loading_ = false;
    bool failed_ = false;
};
