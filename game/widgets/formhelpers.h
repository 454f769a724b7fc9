// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "formats/twips.h"
#include "widgets/formscaler.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <utility>

struct GameSettings;

// A control as the form was drawn: a W named `name`, placed at `design` (left, top, width,
// height in twips) on `parent`, kept there at every scale of its window. Further arguments go to W's constructor before the parent.
template <class W, class... Args>
W* placed(QWidget* parent, const QString& name, const QRect& design, Args&&... args) {
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(name);
    setDesignRect(*w, design);
    return w;
}

// Places a window in the middle of its screen; only the position changes.
void centerForm(QWidget& form);

// direction 1: give `form` the window state and size remembered in entry formNumber;
// any other direction: remember the form's state, colour and size there.
void keepFormLayout(QWidget& form, GameSettings& settings, int formNumber, int direction);

// The object name of entry `index` of a control array: "Image1_2".
QString arrayName(const char* array, int index);

// Every new window brings new button colours, and the style keeps a picture of each button
// it paints: without a small limit a long game fills that cache up to 10 MB.
void limitStyleCaches();

// The window a new modal window belongs to: the topmost modal one, else the active one, else
// the main menu. A window that belongs to none can open behind the one the player looks at,
// since window managers keep new windows from taking the focus from another.
QWidget* ownerWindow();
