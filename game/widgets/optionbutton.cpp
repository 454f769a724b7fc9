// SPDX-License-Identifier: GPL-2.0-or-later
#include "optionbutton.h"

#include "widgets/formscaler.h"
#include "widgets/presses.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // A screen reader's press clicks the button, its toggle action toggles it; the mouse and
    // the keys are handled below and never reach the button's own click.
    connect(this, &QAbstractButton::clicked, this, &OptionButton::chosen);
    connect(this, &QAbstractButton::toggled, this, [this](bool on) {
        if (!on || selecting_) return;
        // Ticked on a window that a modal one blocks, it neither answers nor shows ticked.
        if (blockedByModal(*this)) {
            unselect();
            return;
        }
        // Answered after the screen reader's call has returned: the answer opens a modal
        // window, and the reader must not wait for the player to close it.
        QMetaObject::invokeMethod(this, &OptionButton::chosen, Qt::QueuedConnection);
    });
}

void OptionButton::select() {
    selecting_ = true;
    setChecked(true);
    selecting_ = false;
}

void OptionButton::unselect() {
    const QSignalBlocker quiet(this);
    QButtonGroup* options = group();
    if (options) options->setExclusive(false); // the one ticked could not be unticked
    setChecked(false);
    if (options) options->setExclusive(true);
}

void OptionButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit chosen(); // any mouse button answers
}

void OptionButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen();
        return;
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNeighbour(-1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNeighbour(+1);
        return;
    default:
        QRadioButton::keyPressEvent(event);
    }
}

void OptionButton::focusNeighbour(int step) {
    if (!group()) return;
    const QList<QAbstractButton*> options = group()->buttons();
    const qsizetype here = options.indexOf(this);
    const qsizetype next = (here + step + options.size()) % options.size();
    options[next]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

void OptionButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QRadioButton::keyReleaseEvent(event);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The round mark grows with its screen, as the lettering beside it does.
    const FormScaler* scaler = FormScaler::of(*this);
    const qreal scale = scaler ? scaler->scale() : 1;
    const int indicator =
        qRound(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this) * scale);
    const int gap =
        qRound(style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this) * scale);
    QStyleOptionButton mark = option;
    mark.rect = QRect(2, (height() - indicator) / 2, indicator, indicator);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, mark);
    const QRect textArea = rect().adjusted(2 + indicator + gap, 2, -2, -2);
    // A word wider than the option ("Pflanzenfresser") steps the font down, never breaks.
    QFont font = p.font();
    const QStringList words = text().split(' ', Qt::SkipEmptyParts);
    const auto fits = [&] {
        return std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return QFontMetrics(font).horizontalAdvance(w) <= textArea.width();
        });
    };
    while (!fits() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    p.setFont(font);
    p.drawText(textArea, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
