// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "editor/animaleditor.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDown;
struct ProgramState;

// `animal`: pages through the animals one at a time and edits each one's difficulty,
// class, family, eater type and biomes; stores the list by difficulty; Exit saves.
class AnimalForm : public QDialog {
    Q_OBJECT
public:
    explicit AnimalForm(ProgramState& state, QWidget* parent = nullptr);

    // Every way out passes here: Exit accepts, closing the window or Escape rejects. Either
    // way the typed difficulty is kept and the player's own level comes back.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createList();
    void createDifficulty();
    void createAttributes();
    void createBiomes();
    void createButtons();
    // A label and its box, which edits one attribute of the record at once.
    QComboBox* attributeBox(const char* label, const char* box, const QString& caption,
                            QPoint labelAt, int top, void (AnimalEditor::*edit)(int));

    static void fillarray(QComboBox& box, const QStringList& names);
    void fillform(int index);
    void showPicture(const RecordView& view);
    // After an attempt to move: the record moved to, or the one the editor stayed on.
    void arrive(bool moved);
    void enableRecord(bool enable);

    ProgramState& state_;
    AnimalEditor editor_;
    QComboBox* combo1_ = nullptr;
    QLineEdit* difficulty_ = nullptr;
    UpDown* upDown2_ = nullptr;
    QComboBox* cmbClass_ = nullptr;
    QComboBox* cmbFamily_ = nullptr;
    QComboBox* cmbEater_ = nullptr;
    QLabel* image1_ = nullptr;
    std::array<QCheckBox*, biomeCount> check1_{};
    QPushButton* cmdNext_ = nullptr;
    QPushButton* cmdPrev_ = nullptr;
};
