#include "formparts.h"

#include <QPushButton>

QPushButton* colouredButton(QWidget* parent, const char* name, const QString& text,
                            const QRect& where, const QColor& colour, const QFont& font) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(where);
    b->setFont(font);
    paintButton(*b, colour);
    return b;
}

void paintButton(QAbstractButton& button, const QColor& colour) {
    QPalette p = button.palette();
    p.setColor(QPalette::Button, colour);
    button.setPalette(p);
}
