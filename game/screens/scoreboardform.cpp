// SPDX-License-Identifier: GPL-2.0-or-later
#include "scoreboardform.h"

#include "play/programstate.h"
#include "screens/formparts.h"
#include "widgets/formhelpers.h"
#include "widgets/presses.h"
#include "widgets/readaloud.h"
#include "widgets/twips.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const QColor orange(255, 128, 0);

QLabel* orangeLabel(QWidget* parent, const char* name, const QRect& design) {
    auto* l = placed<QLabel>(parent, name, design);
    l->setWordWrap(true);
    paintBackground(*l, orange);
    return l;
}
} // namespace

ScoreBoard::ScoreBoard(ProgramState& state, QWidget* parent)
    : RememberedWindow(state.settings, state.fullScreen, scoreBoardForm, {7530, 5265}, {100, 100},
                       orange, parent),
      state_(state) {
    setObjectName("showscor");
    setWindowTitle(tr("Quizmoot Scores"));
    setFont(sansFont(13.5));

    // The result spans the frame, a little in from its sides.
    const QRect frameDesign = designRect(*frame());
    text1_ = placed<QPlainTextEdit>(frame(), "Text1",
                                    {frameDesign.left() + toTwips(twips(100)), 1080,
                                     frameDesign.width() - toTwips(twips(400)), 2655});
    text1_->setReadOnly(true);
    text1_->setAccessibleName(tr("Result"));
    command1_ = placed<QPushButton>(frame(), "Command1", {120, 3960, 1215, 615}, tr("ok"));
    command1_->setToolTip(tr("Click here when  ready to proceed"));
    command1_->setDefault(true);
    label2_ = orangeLabel(frame(), "Label2", {1680, 3960, 5295, 615});
    label1_ = orangeLabel(frame(), "Label1", {120, 240, 6975, 855});
    onClick(command1_, this, [this] { accept(); });
    allowStop(*this, state_);

    restoreLayout();
    scoreCaption();
    command1_->setFocus();
    // What it says as it opens is said by the game, which knows what went before.
    readAloud(*this, state_.speech);
}

void ScoreBoard::setResult(const QString& text) {
    // The result's lines end in CR LF, as everywhere in the game.
    text1_->setPlainText(QString(text).replace("\r\n", "\n"));
}

void ScoreBoard::setHeading(const QString& text) {
    label1_->setText(text);
}

void ScoreBoard::scoreCaption() {
    label2_->setText(scoreCaptionText(state_.scores.current()));
}
