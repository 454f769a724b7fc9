// SPDX-License-Identifier: GPL-2.0-or-later
#include "formparts.h"

#include "widgets/formhelpers.h"

#include <QPushButton>

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
