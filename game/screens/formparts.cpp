// SPDX-License-Identifier: GPL-2.0-or-later
#include "formparts.h"

#include "play/game.h"
#include "play/programstate.h"
#include "widgets/formhelpers.h"

#include <QDialog>
#include <QPushButton>
#include <QShortcut>

QPushButton* colouredButton(QWidget* parent, const char* name, const QString& text,
                            const QRect& design, const QColor& colour, const QFont& font) {
    auto* b = placed<QPushButton>(parent, name, design, text);
    b->setFont(font);
    paintButton(*b, colour);
    return b;
}

void paintButton(QAbstractButton& button, const QColor& colour) {
    QPalette p = button.palette();
    p.setColor(QPalette::Button, colour);
    button.setPalette(p);
}

void allowStop(QDialog& window, ProgramState& state) {
    auto* stop = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &window);
    QObject::connect(stop, &QShortcut::activated, &window, [&window, &state] {
        stopGame(state);
        window.reject();
    });
}
