// SPDX-License-Identifier: GPL-2.0-or-later
#include "setupform.h"

#include "knowledge/programinfo.h"
#include "play/programstate.h"
#include "screens/playersforms.h"
#include "widgets/formhelpers.h"
#include "widgets/presses.h"
#include "widgets/readaloud.h"
#include "widgets/twips.h"
#include "widgets/updown.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& design) {
    auto* l = placed<QLabel>(parent, name, design, text);
    l->setWordWrap(true);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& design,
                    const QString& tip = {}) {
    auto* b = placed<QPushButton>(parent, name, design, text);
    b->setToolTip(tip);
    return b;
}

// On a coloured item the style's thin focus mark is lost; a child steering the list with
// the keyboard must see which kind Space toggles.
class FocusFrameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_HasFocus)) return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::WindowText), 2, Qt::DotLine));
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

SetupForm::SetupForm(ProgramState& state, QWidget* parent)
    : QDialog(parent), screen_(state), speech_(state.speech), sounds_(state.sounds) {
    setObjectName("setup");
    setFont(sansFont(8.25));
    scaleWithWindow(*this, {6585, 6975}, &state.fullScreen);
    createControls();
    createPlayerChoices(*this, state);
    formLoad();
    readAloud(*this, speech_);
}

void SetupForm::createControls() {
    createDifficultyFrame();
    auto* label4 =
        label(this, "Label4", tr("Number of questions per game"), {120, 1920, 1215, 855});
    label4->setBuddy(numberBox(this, SetupScreen::nquestion, "nquestion",
                               tr("Number of questions per game"), {1440, 2040, 495, 495}));
    spinner(this, SetupScreen::nquestion, "UpDown1", {2040, 2040, 240, 495});
    createReadAloud();
    createSounds();
    createList();
    createLanguage();

    auto* cmdEdit =
        button(this, "cmdEdit", tr("Edit"), {120, 4800, 1335, 615}, tr("Change item data"));
    auto* cmdok =
        button(this, "cmdok", tr("OK"), {1680, 4800, 615, 615}, tr("Click here to continue"));
    // Enter in a box or the list closes the screen as OK does, never opens the editor.
    cmdok->setDefault(true);
    auto* cmdmakeq = button(this, "cmdmakeq", tr("Make online questions"), {4080, 5520, 2295, 375});
    onClick(cmdEdit, this, [this] { screen_.editAnimals(); });
    onClick(cmdok, this, [this] { accept(); });
    onClick(cmdmakeq, this, [this] { screen_.makeOnlineQuestions(); });
}

void SetupForm::createDifficultyFrame() {
    auto* frame = placed<QGroupBox>(this, "frameDiff", {120, 120, 2175, 1575}, tr("Difficulty"));
    // The lowest level is always 1; its controls are there, but hidden.
    auto* label5 = label(frame, "Label5", tr("Minimum"), {240, 480, 975, 375});
    label5->setBuddy(
        numberBox(frame, SetupScreen::tmindif, "tmindif", tr("Minimum"), {1320, 360, 375, 495}));
    spinner(frame, SetupScreen::tmindif, "UpDown2", {1800, 360, 240, 495});
    auto* label6 = label(frame, "Label6", tr("Maximum"), {240, 1080, 975, 375});
    label6->setBuddy(
        numberBox(frame, SetupScreen::tmaxdif, "tmaxdif", tr("Maximum"), {1320, 960, 375, 495}));
    spinner(frame, SetupScreen::tmaxdif, "UpDown3", {1800, 960, 240, 495});
}

QLineEdit* SetupForm::numberBox(QWidget* parent, SetupScreen::Box box, const char* name,
                                const QString& caption, const QRect& design) {
    auto* edit = placed<QLineEdit>(parent, name, design, screen_.text(box));
    edit->setAccessibleName(caption);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this,
            [this, box](const QString& typed) { boxChanged(box, typed); });
    boxes_[box] = edit;
    return edit;
}

UpDown* SetupForm::spinner(QWidget* parent, SetupScreen::Box box, const char* name,
                           const QRect& design) {
    QLineEdit* edit = boxes_[box];
    auto* updown = placed<UpDown>(parent, name, design, *edit);
    updown->setAccessibleName(edit->accessibleName());
    onPress(updown, &UpDown::stepped, this,
            [this, box](int delta) { boxes_[box]->setText(screen_.stepped(box, delta)); });
    return updown;
}

void SetupForm::createList() {
    list1_ = placed<QListWidget>(this, "List1", {2520, 240, 3855, 5100});
    list1_->setToolTip(tr("Colored items are selected"));
    list1_->setAccessibleName(tr("Kinds of question"));
    // A click or Space toggles one kind; the arrow keys only move.
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    // The selection keeps its colour when the list is not focused: it is the whole message.
    QPalette p = list1_->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        p.setColor(QPalette::Inactive, role, p.color(QPalette::Active, role));
    list1_->setPalette(p);
    list1_->setItemDelegate(new FocusFrameDelegate(list1_));
}

// The parents' switch. It lives in the player's own settings, not in velk.INI, and follows
// the keys that switch it on any screen, this one too.
void SetupForm::createReadAloud() {
    readAloud_ =
        placed<QCheckBox>(this, "chkReadAloud", {120, 3120, 2295, 495}, Speech::switchText());
    readAloud_->setFont(sansFont(9.75, true));
    onToggle(readAloud_, this, [this](bool on) {
        speech_.setOn(on);
        showReadAloud(); // a refusal shows at once
    });
    noVoice_ = label(this, "lblNoVoice", {}, {120, 3630, 2295, 1110});
    noVoice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(&speech_, &Speech::changed, this, &SetupForm::showReadAloud);
    showReadAloud();
    // Asked now, not at start-up: a computer without a voice shows it here before the box
    // is ever ticked.
    speech_.probe();
}

// Kept in the player's own settings, as reading aloud is; both may be on together.
void SetupForm::createSounds() {
    auto* sounds = placed<QCheckBox>(this, "chkSounds", {120, 6000, 2295, 375},
                                     QCoreApplication::translate("Sounds", Sounds::switchText));
    sounds->setFont(sansFont(9.75, true));
    sounds->setChecked(sounds_.on());
    sounds->setToolTip(
        tr("Plays a short sound after every answer and a cheer at the end of a game."));
    onToggle(sounds, this, [this](bool on) { sounds_.setOn(on); });
}

// Greyed out, and saying why in words on the screen, where the computer has no voice to read
// with: a disabled box takes no focus, so its tool tip would never reach the keyboard.
void SetupForm::showReadAloud() {
    const QString missing = speech_.unavailable();
    const QString why =
        missing.isEmpty() ? QString() : missing + tr(" The game cannot read aloud.");
    const QSignalBlocker quiet(readAloud_);
    readAloud_->setEnabled(missing.isEmpty());
    readAloud_->setChecked(missing.isEmpty() && speech_.on());
    readAloud_->setToolTip(missing.isEmpty()
                               ? tr("Reads the questions, the answers and the score aloud. %1 "
                                    "switches it on every screen.")
                                     .arg(readAloudKeys())
                               : why);
    noVoice_->setText(why);
    noVoice_->setVisible(!why.isEmpty());
}

void SetupForm::createLanguage() {
    auto* lblLanguage = label(this, "lblLanguage", tr("Language"), {2520, 6000, 1095, 375});
    auto* cboLanguage = placed<QComboBox>(this, "cboLanguage", {3660, 6000, 2715, 375});
    lblLanguage->setBuddy(cboLanguage);
    cboLanguage->setAccessibleName(lblLanguage->text());
    cboLanguage->addItems(SetupScreen::languageNames());
    cboLanguage->view(); // its list is made now, not when a screen reader first asks for it
    cboLanguage->setCurrentIndex(screen_.languageItem());
    connect(cboLanguage, &QComboBox::currentIndexChanged, this,
            [this](int item) { screen_.chooseLanguage(item); });
}

void SetupForm::formLoad() {
    centerForm(*this);
    setWindowTitle(tr("%1 Setup").arg(programTitle));
    findChild<QPushButton*>("cmdmakeq")->show();
    for (const char* hidden : {"tmindif", "UpDown2", "Label5"})
        findChild<QWidget*>(hidden)->hide();
    screen_.load();
    for (auto box : {SetupScreen::nquestion, SetupScreen::tmindif, SetupScreen::tmaxdif})
        boxes_[box]->setText(screen_.text(box));
    list1_->addItems(screen_.typeNames());
    for (int item = 0; item < list1_->count(); ++item)
        list1_->item(item)->setSelected(screen_.selected(item));
    list1_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    // Only the player's changes from here on.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int item = 0; item < list1_->count(); ++item)
            screen_.setSelected(item, list1_->item(item)->isSelected());
    });
    boxes_[SetupScreen::tmaxdif]->setFocus();
}

void SetupForm::boxChanged(SetupScreen::Box box, const QString& typed) {
    const QString shown = screen_.change(box, typed);
    if (shown != typed) boxes_[box]->setText(shown);
}

bool SetupForm::eventFilter(QObject* watched, QEvent* event) {
    // A box left empty or holding a word shows its number again once the player moves on.
    if (event->type() == QEvent::FocusOut)
        for (size_t box = 0; box < boxes_.size(); ++box)
            if (watched == boxes_[box]) boxes_[box]->setText(screen_.text(SetupScreen::Box(box)));
    return QDialog::eventFilter(watched, event);
}

void SetupForm::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        screen_.unload();
    }
    QDialog::done(result);
}
