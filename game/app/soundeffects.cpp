// SPDX-License-Identifier: GPL-2.0-or-later
// The game's loudspeaker through Qt Multimedia. It is a module of its own, loaded with the
// first sound, so the game starts without the sound libraries and opens no sound device
// before it has something to play.
#include "knowledge/speaker.h"

#include <QDir>
#include <QSoundEffect>
#include <QUrl>

#include <array>
#include <memory>

namespace {

const char* fileName(Sound sound) {
    switch (sound) {
    case Sound::right:
        return "right.wav";
    case Sound::wrong:
        return "wrong.wav";
    case Sound::wordWon:
        return "wordwon.wav";
    case Sound::wordLost:
        return "wordlost.wav";
    case Sound::cheerSmall:
        return "cheer1.wav";
    case Sound::cheerMedium:
        return "cheer2.wav";
    case Sound::cheerBig:
        return "cheer3.wav";
    }
    return "";
}

class EffectSpeaker : public Speaker {
public:
    explicit EffectSpeaker(QString folder) : folder_(std::move(folder)) {}

    void play(Sound sound) override {
        // A new sound cuts the one before it short: sounds follow answers, never queue up.
        for (auto& other : effects_)
            if (other) other->stop();
        auto& effect = effects_[size_t(sound)];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(fileName(sound))));
            effect->setVolume(0.8f);
        }
        effect->play(); // waits for nothing: a sound still loading plays once it has loaded
    }

private:
    QString folder_;
    std::array<std::unique_ptr<QSoundEffect>, soundCount> effects_;
};

} // namespace

extern "C" Q_DECL_EXPORT Speaker* velkSoundSpeaker(const QString& folder) {
    return new EffectSpeaker(folder);
}
