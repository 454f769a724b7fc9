// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/voice.h"

#include <QStringList>

// The voice as tests hear it: every text said, in order, and each also on a timeline the
// test may share with the recording port ("say: ..." among "score board", "setup"), so
// that it shows what was said when.
class RecordingVoice : public Voice {
public:
    explicit RecordingVoice(QStringList* timeline = nullptr) : timeline_(timeline) {}

    void say(const QString& text) override {
        said << text;
        if (timeline_) *timeline_ << "say: " + text;
    }
    void stop() override { ++stops; }
    QString unavailable() const override {
        ++asked;
        return missing;
    }
    // As an engine started to find out, which then says what it found missing, if anything.
    void probe() override {
        ++probes;
        if (!missingOnProbe.isEmpty()) goMissing(missingOnProbe);
    }
    // As an engine that turns out to have no voice.
    void goMissing(const QString& why) {
        missing = why;
        if (availabilityChanged) availabilityChanged();
    }

    QStringList said;
    int stops = 0;
    mutable int asked = 0; // how often the game asked whether it can speak
    QString missing;
    int probes = 0;
    QString missingOnProbe;

private:
    QStringList* timeline_;
};
