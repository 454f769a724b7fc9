// SPDX-License-Identifier: GPL-2.0-or-later
#include "rememberedwindow.h"

#include "widgets/formhelpers.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QResizeEvent>

void paintBackground(QWidget& widget, const QColor& colour) {
    QPalette p = widget.palette();
    // Buttons fill with their button colour, everything else with its window colour.
    p.setColor(widget.backgroundRole(), colour);
    widget.setPalette(p);
    widget.setAutoFillBackground(true);
}

RememberedWindow::RememberedWindow(GameSettings& settings, FullScreen& fullScreen, int formNumber,
                                   QSize clientTwips, QSize margin, const QColor& background,
                                   QWidget* parent)
    : QDialog(parent), settings_(settings), formNumber_(formNumber), frame_(new QFrame(this)) {
    scaleWithWindow(*this, clientTwips, &fullScreen);
    paintBackground(*this, background);
    frame_->setObjectName("Frame1");
    paintBackground(*frame_, background);
    // The frame is the window less its margin, in the middle.
    const QSize window(twips(clientTwips.width()), twips(clientTwips.height()));
    const QSize frame = window - QSize(twips(margin.width()), twips(margin.height()));
    const QPoint at((window.width() - frame.width()) / 2, (window.height() - frame.height()) / 2);
    setDesignRect(*frame_, QRect(toTwips(at.x()), toTwips(at.y()), toTwips(frame.width()),
                                 toTwips(frame.height())));
}

void RememberedWindow::restoreLayout() {
    keepFormLayout(*this, settings_, formNumber_, 1);
    centerForm(*this);
}

void RememberedWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // A full screen is the player's own choice, never a layout of velk.INI.
    if (!isMaximized() && !isFullScreen()) keepFormLayout(*this, settings_, formNumber_, 0);
}
