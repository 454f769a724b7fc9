// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

// What the game asks of a voice that reads it aloud. The program answers with the desktop's
// speech engine; tests answer with a recorder, so no model ever waits for a voice.
class Voice {
public:
    virtual ~Voice() = default;
    // Starts saying `text` and returns at once; whatever was still being said stops first.
    virtual void say(const QString& text) = 0;
    // Stops whatever is being said, and returns at once.
    virtual void stop() = 0;
    // Why nothing can be said on this machine, or an empty text while a voice may speak.
    // Asking never starts a speech engine.
    virtual QString unavailable() const = 0;
    // Starts the engine, where it has not started yet, to learn whether it can speak, and
    // returns at once; availabilityChanged tells when it cannot. Nothing is said.
    virtual void probe() = 0;
    // The language to speak ("de"): a voice without one says nothing rather than reading
    // the words with another language's sounds.
    virtual void setLanguage(const QString& /*code*/) {}

    // Called when unavailable() has changed, e.g. once the engine turned out to have no voice.
    std::function<void()> availabilityChanged;
};
