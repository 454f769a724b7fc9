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
