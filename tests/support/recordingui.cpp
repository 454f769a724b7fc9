// SPDX-License-Identifier: GPL-2.0-or-later
#include "recordingui.h"

void RecordingUi::message(const QString& text) {
    messages << text;
    if (onMessage) onMessage(text);
}

bool RecordingUi::confirm(const QString& title, const QString& text) {
    confirmations << title + ": " + text;
    return confirmAnswers.isEmpty() ? true : confirmAnswers.takeFirst();
}

void RecordingUi::openTextViewer(const QString& fileName) {
    viewerFiles << fileName;
}

void RecordingUi::showQuestion(QuestionType questionType) {
    const int number = questionTypeNumber(questionType);
    questions << number;
    windows << QString("question %1").arg(number);
    if (onQuestion) onQuestion(number);
}

void RecordingUi::showSetup() {
    windows << "setup";
    if (onSetup) onSetup();
}

void RecordingUi::showScoreBoard(const QString& result, const QString& heading) {
    scoreBoards << heading + " | " + result;
    windows << "score board";
    if (onScoreBoard) onScoreBoard();
}

void RecordingUi::showAnimalEditor() {
    windows << "editor";
}
