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

RememberedWindow::RememberedWindow(GameSettings& settings, int formNumber, QSize clientTwips,
                                   QSize margin, const QColor& background, QWidget* parent)
    : QDialog(parent), settings_(settings), formNumber_(formNumber), margin_(margin),
      frame_(new QFrame(this)) {
    // Maximising helps a child who sees badly; minimising a modal screen would only hide it.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    paintBackground(*this, background);
    resize(twips(clientTwips.width()), twips(clientTwips.height()));
    frame_->setObjectName("Frame1");
    paintBackground(*frame_, background);
}

void RememberedWindow::restoreLayout() {
    keepFormLayout(*this, settings_, formNumber_, 1);
    centerForm(*this);
}

void RememberedWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!isMaximized()) keepFormLayout(*this, settings_, formNumber_, 0);
    frame_->resize(std::max(0, width() - twips(margin_.width())),
                   std::max(0, height() - twips(margin_.height())));
    layoutFrame();
    centerFrame(*frame_, *this);
}
