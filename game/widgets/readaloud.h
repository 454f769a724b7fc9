// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

class QWidget;
class Speech;

// Lets a window read itself aloud: once it shows, its `opening` text (a question, a
// message); then whatever the pointer comes to rest on or the keyboard moves to, as a screen
// reader names it. Ctrl+R switches reading aloud on and off while the window is active.
// Call it once the window's controls stand.
void readAloud(QWidget& window, Speech& speech, std::function<QString()> opening = {});

// The keys that switch reading aloud, as the player's desktop writes them.
QString readAloudKeys();

// What a control says of itself: its name, then its value and its description, as a
// screen reader has them.
QString spokenName(QWidget& control);
