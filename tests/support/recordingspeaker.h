// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/speaker.h"

#include <QList>

// A loudspeaker that keeps what it was given to play.
class RecordingSpeaker : public Speaker {
public:
    void play(Sound sound) override { played << sound; }
    QList<Sound> played;
};
