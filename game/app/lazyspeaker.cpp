// SPDX-License-Identifier: GPL-2.0-or-later
#include "lazyspeaker.h"

#include <QLibrary>
#include <QThread>

namespace {
using Factory = Speaker* (*)(const QString&);
constexpr char factoryName[] = "velkSoundSpeaker";
} // namespace

LazySpeaker::LazySpeaker(QStringList modules, std::function<QString()> soundFolder)
    : modules_(std::move(modules)), soundFolder_(std::move(soundFolder)) {
    connect(this, &LazySpeaker::moduleLoaded, this, &LazySpeaker::takeModule, Qt::QueuedConnection);
}

LazySpeaker::~LazySpeaker() {
    if (loader_) loader_->wait();
    speaker_.reset(); // its code lives in the library
}

void LazySpeaker::play(Sound sound) {
    if (speaker_) {
        speaker_->play(sound);
        return;
    }
    if (failed_) return;
    waiting_ = sound; // only the latest sound is worth playing once the module is there
    if (loading_) return;
    loading_ = true;
    library_ = std::make_unique<QLibrary>();
    loader_.reset(QThread::create([this] {
        bool ok = false;
        for (const QString& module : modules_) {
            library_->setFileName(module);
            if ((ok = library_->load())) break;
        }
        emit moduleLoaded(ok && library_->resolve(factoryName));
    }));
    loader_->start();
}

void LazySpeaker::takeModule(bool ok) {
    loading_ = false;
    const auto factory = ok ? Factory(library_->resolve(factoryName)) : nullptr;
    if (!factory) {
        failed_ = true; // a game without its sound module is a silent one, and says nothing
        return;
    }
    speaker_.reset(factory(soundFolder_()));
    if (waiting_) speaker_->play(*waiting_);
    waiting_.reset();
}
