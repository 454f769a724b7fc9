#pragma once

#include "knowledge/ui.h"

#include <QStringList>

#include <functional>

// The port as tests see it: every message is kept, confirmations are answered from a
// script, and a test can look at the program's state at the moment a message appears.
class RecordingUi : public Ui {
public:
    void message(const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    void openTextViewer(const QString& fileName) override;

    QStringList messages;
    QStringList confirmations;
    QStringList viewerFiles;
    QList<bool> confirmAnswers; // taken from the front; OK when empty
    std::function<void(const QString&)> onMessage;
};
