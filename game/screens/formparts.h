// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "play/programstate.h"
#include "widgets/readaloud.h"
#include "widgets/rememberedwindow.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QAbstractButton;
class QPushButton;
class QWidget;

// A push button of a question screen: its name, caption, place in twips, colour and font.
QPushButton* colouredButton(QWidget* parent, const char* name, const QString& text,
                            const QRect& design, const QColor& colour, const QFont& font);
// Gives a button its own colour.
void paintButton(QAbstractButton& button, const QColor& colour);
// Ctrl+Q closes the window and ends the game.
void allowStop(QDialog& window, ProgramState& state);

// A picture question's window over its question model. Each screen builds its controls and
// shows the drawn question; the window opens them in the one order they all need.
template <class Question> class QuestionWindow : public RememberedWindow {
protected:
    QuestionWindow(ProgramState& state, const char* name, const QString& title, int formNumber,
                   QSize clientTwips, QSize margin, const QColor& background, QWidget* parent)
        : RememberedWindow(state.settings, state.fullScreen, formNumber, clientTwips, margin,
                           background, parent),
          state_(state), question_(state) {
        setObjectName(name);
        setWindowTitle(title);
    }

    // Called last by the screen's constructor. The controls stand before the window takes its
    // remembered size, and the question is drawn only once they can show it; a question the
    // drawing gave up on says nothing aloud.
    void open() {
        createControls();
        allowStop(*this, state_);
        restoreLayout();
        question_.load();
        showQuestion();
        readAloud(*this, state_.speech,
                  [this] { return question_.complete() ? question_.prompt() : QString(); });
    }

    virtual void createControls() = 0;
    virtual void showQuestion() = 0;

    ProgramState& state_;
    Question question_;
};
