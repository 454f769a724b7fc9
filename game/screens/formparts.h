#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QAbstractButton;
class QPushButton;
class QWidget;

// A push button of a question screen: its name, caption, place, colour and font.
QPushButton* colouredButton(QWidget* parent, const char* name, const QString& text,
                            const QRect& where, const QColor& colour, const QFont& font);
// Gives a button its own colour.
void paintButton(QAbstractButton& button, const QColor& colour);
