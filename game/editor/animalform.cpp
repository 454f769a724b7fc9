// SPDX-License-Identifier: GPL-2.0-or-later
#include "animalform.h"

#include "editor/animallist.h"
#include "play/programstate.h"
#include "widgets/formhelpers.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/readaloud.h"
#include "widgets/twips.h"
#include "widgets/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& text, int top) {
    auto* b = placed<QPushButton>(parent, name, {5280, top, 1095, 495}, text);
    b->setFont(sansFont(9.75));
    b->setAutoDefault(false);
    return b;
}

} // namespace

AnimalForm::AnimalForm(ProgramState& state, QWidget* parent)
    : QDialog(parent), state_(state), editor_(state) {
    setObjectName("animal");
    setWindowTitle(tr("Animal"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(sansFont(8.25));
    scaleWithWindow(*this, {6855, 6210}, &state.fullScreen);
    createList();
    createDifficulty();
    createAttributes();
    createBiomes();
    createButtons();
    centerForm(*this);

    fillarray(*combo1_, editor_.filllist());
    fillarray(*cmbClass_, editor_.classList());
    fillarray(*cmbFamily_, editor_.familyList());
    fillarray(*cmbEater_, editor_.eaterList());
    enableRecord(editor_.currentAnimal() > 0);
    fillform(editor_.currentAnimal());
    combo1_->setFocus();
    readAloud(*this, state_.speech);
}

void AnimalForm::createList() {
    combo1_ = placed<QComboBox>(this, "combo1", {120, 240, 2775, 420});
    combo1_->setFont(sansFont(12));
    combo1_->setToolTip(tr("Choose a animal to display"));
    combo1_->setAccessibleName(combo1_->toolTip());
    onPress(combo1_, &QComboBox::activated, this,
            [this](int line) { arrive(editor_.pick(line, difficulty_->text())); });
}

void AnimalForm::createDifficulty() {
    auto* frame2 = placed<QGroupBox>(this, "Frame2", {3120, 120, 975, 855}, tr("Difficulty"));
    difficulty_ = placed<QLineEdit>(frame2, "difficulty", {240, 240, 300, 495});
    difficulty_->setAlignment(Qt::AlignCenter);
    difficulty_->setFont(sansFont(18));
    difficulty_->setTextMargins(0, 0, 0, 0);
    difficulty_->setToolTip(tr("Change the difficulty"));
    difficulty_->setAccessibleName(tr("Difficulty"));
    upDown2_ = placed<UpDown>(frame2, "UpDown2", {600, 240, 240, 495}, *difficulty_);
    onPress(upDown2_, &UpDown::stepped, this, [this](int delta) {
        // A box holding no number starts from the lowest level; one outside steps back in.
        bool ok = false;
        const int value = difficulty_->text().trimmed().toInt(&ok);
        difficulty_->setText(
            QString::number(ok ? std::clamp(value + delta, int(AnimalEditor::lowestDifficulty),
                                            int(AnimalEditor::highestDifficulty))
                               : AnimalEditor::lowestDifficulty));
    });
}

QComboBox* AnimalForm::attributeBox(const char* label, const char* box, const QString& caption,
                                    QPoint labelAt, int top, void (AnimalEditor::*edit)(int)) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(label);
    l->setFont(sansFont(9.75));
    setDesignRect(*l, {labelAt.x(), labelAt.y(), 0, 0});
    auto* b = placed<QComboBox>(this, box, {1560, top, 2535, 360});
    b->setFont(sansFont(9.75));
    b->setAccessibleName(caption);
    l->setBuddy(b);
    onPress(b, &QComboBox::activated, this, [this, edit](int pos) { (editor_.*edit)(pos); });
    return b;
}

void AnimalForm::createAttributes() {
    cmbClass_ =
        attributeBox("Label1", "cmbClass", tr("Class"), {240, 960}, 1080, &AnimalEditor::setClass);
    cmbFamily_ = attributeBox("Label2", "cmbFamily", tr("Family"), {240, 1560}, 1560,
                              &AnimalEditor::setFamily);
    cmbEater_ =
        attributeBox("Label3", "cmbEater", tr("Eats"), {240, 2160}, 2160, &AnimalEditor::setEater);

    image1_ = placed<QLabel>(this, "Image1", {240, 2880, 4095, 3015});
    image1_->setAlignment(Qt::AlignCenter);
    image1_->setWordWrap(true);
}

void AnimalForm::createBiomes() {
    auto* frame3 = placed<QGroupBox>(this, "Frame3", {4800, 120, 1815, 3015}, tr("Biomes"));
    for (int k = 0; k < biomeCount; ++k) {
        auto* c =
            placed<QCheckBox>(frame3, arrayName("Check1", k), {240, 240 + 360 * k, 1335, 375});
        // toggled, not clicked: a screen reader's toggle action emits only this one.
        onToggle(c, this, [this, k](bool on) { editor_.setBiome(k, on); });
        check1_[size_t(k)] = c;
    }
}

void AnimalForm::createButtons() {
    cmdNext_ = button(this, "cmdNext", tr("Next"), 3360);
    cmdPrev_ = button(this, "cmdPrev", tr("Previous"), 4080);
    QPushButton* cmdPrint = button(this, "cmdPrint", tr("Store list"), 4800);
    QPushButton* command1 = button(this, "Command1", tr("Exit"), 5520);
    command1->setToolTip(tr("Save changes, & return to setup screen"));
    onClick(cmdNext_, this, [this] { arrive(editor_.next(difficulty_->text())); });
    onClick(cmdPrev_, this, [this] { arrive(editor_.previous(difficulty_->text())); });
    onClick(cmdPrint, this, [this] {
        // The list shows what the form shows, so a typed level goes in first.
        if (editor_.commitDifficulty(difficulty_->text()))
            storeAnimalList(state_);
        else
            difficulty_->setText(editor_.difficultyText());
    });
    onClick(command1, this, [this] {
        if (editor_.exit(difficulty_->text()))
            accept();
        else
            arrive(false);
    });
}

void AnimalForm::fillarray(QComboBox& box, const QStringList& names) {
    box.clear();
    box.addItems(names);
}

void AnimalForm::fillform(int index) {
    const RecordView view = editor_.fillform(index);
    if (view.line < 0) {
        image1_->hide();
        return;
    }
    combo1_->setCurrentIndex(view.line);
    difficulty_->setText(view.difficulty);
    if (view.classPosition) cmbClass_->setCurrentIndex(*view.classPosition);
    if (view.familyPosition) cmbFamily_->setCurrentIndex(*view.familyPosition);
    if (view.eaterPosition) cmbEater_->setCurrentIndex(*view.eaterPosition);
    for (size_t k = 0; k < check1_.size(); ++k) {
        // Showing a flag is no edit of it: a 2 stays a 2.
        const QSignalBlocker quiet(check1_[k]);
        check1_[k]->setChecked(view.biomes[k]);
        check1_[k]->setText(view.biomeCaptions[k]);
    }
    showPicture(view);
}

void AnimalForm::showPicture(const RecordView& view) {
    image1_->setHidden(view.picture.isEmpty());
    image1_->setAccessibleName(view.fullName);
    image1_->setAccessibleDescription({});
    if (view.picture.isEmpty() || loadPicture(*image1_, findDataFile(state_.folders, view.picture)))
        return;
    // A picture that cannot be read is named instead; editing goes on.
    image1_->setText(view.picture);
    image1_->setAccessibleDescription(tr("No picture: %1").arg(view.picture));
}

void AnimalForm::arrive(bool moved) {
    if (moved) {
        fillform(editor_.currentAnimal());
        return;
    }
    // Refused: the box shows the record's own level again and the list its own line.
    difficulty_->setText(editor_.difficultyText());
    combo1_->setCurrentIndex(editor_.currentAnimal() - 1);
}

void AnimalForm::enableRecord(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{combo1_, difficulty_, upDown2_, cmbClass_,
                                                      cmbFamily_, cmbEater_, cmdNext_, cmdPrev_})
        w->setEnabled(enable);
    for (QCheckBox* c : check1_)
        c->setEnabled(enable);
}

void AnimalForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter presses the button that has the focus and stores a typed level (leaving the
    // animal would store it anyway). No button is a default one: Enter in the list or a
    // box never moves on to another animal.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
        focused->click();
    else if (focusWidget() == difficulty_ && !editor_.commitDifficulty(difficulty_->text()))
        difficulty_->setText(editor_.difficultyText());
}

void AnimalForm::done(int result) {
    if (result != Accepted) editor_.leave(difficulty_->text());
    editor_.close();
    QDialog::done(result);
}
