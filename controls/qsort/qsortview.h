// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace trivia {

class QsortModel;

// The widgets of the sort-the-items control: Label1, List1, Label2 and cmdHelp at their
// design places, showing what the model holds.
class QsortView : public QWidget {
    Q_OBJECT
public:
    QsortView(QsortModel& model, QWidget* parent = nullptr);

    // How the help text and errors reach the player; a message box unless replaced.
    std::function<void(const QString&)> message;
    // Runs what a player's action sets off; the control keeps itself whole around it, so the
    // view must not touch itself once this has returned.
    std::function<void(const std::function<void()>&)> run = [](const auto& f) { f(); };

    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lineClicked();
    int selectedRow() const;

    QsortModel& model_;
    QLabel* label1_;
    QListWidget* list1_;
    QLabel* label2_;
    QPushButton* cmdHelp_;
};

} // namespace trivia
