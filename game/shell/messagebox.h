#pragma once

#include "knowledge/ui.h"

class QMessageBox;
class QWidget;

// The port as the player meets it: message boxes titled with the program's name.
class MessageBoxUi : public Ui {
public:
    void message(const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;
    void openTextViewer(const QString& fileName) override;

protected:
    // A box made and about to be shown.
    virtual void prepare(QMessageBox& /*box*/) {}
};

inline constexpr char programTitle[] = "Morvane Velkins";
