// SPDX-License-Identifier: GPL-2.0-or-later
#include "formhelpers.h"

#include "play/settings.h"
#include "widgets/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QPixmapCache>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <limits>

void centerForm(QWidget& form) {
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize size = form.frameGeometry().size();
    form.move(area.left() + int((area.width() - size.width()) / 2.0),
              area.top() + int((area.height() - size.height()) / 2.0));
}

namespace {
int16_t toInt16Twips(int pixels) {
    // A window wider than the field can hold is remembered at the largest size it can.
    return int16_t(std::clamp(toTwips(pixels), 0, int(std::numeric_limits<int16_t>::max())));
}

int32_t oleColour(const QColor& c) {
    return int32_t(c.red() | (c.green() << 8) | (c.blue() << 16));
}
} // namespace

void keepFormLayout(QWidget& form, GameSettings& settings, int formNumber, int direction) {
    if (formNumber < 0 || formNumber >= int(settings.formLayout.size())) return;
    FormLayout& entry = settings.formLayout[formNumber];
    if (direction == 1) {
        // A window remembered minimised comes back as a normal one: a modal screen that
        // opens minimised leaves a child in front of a menu that does not answer.
        form.setWindowState(entry.windowState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
        // A window never stored has no size yet: it keeps the one it was drawn with.
        if (entry.width > 0 && entry.height > 0)
            form.resize(twips(entry.width), twips(entry.height));
        return;
    }
    entry.windowState = form.isMaximized() ? 2 : form.isMinimized() ? 1 : 0;
    entry.backColor = oleColour(form.palette().color(QPalette::Window));
    entry.width = toInt16Twips(form.width());
    entry.height = toInt16Twips(form.height());
}

QString arrayName(const char* array, int index) {
    return QString("%1_%2").arg(array).arg(index);
}

void limitStyleCaches() {
    QPixmapCache::setCacheLimit(1024); // KiB
}

QWidget* ownerWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == "main") return w;
    return nullptr;
}
