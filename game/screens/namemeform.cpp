// SPDX-License-Identifier: GPL-2.0-or-later
#include "namemeform.h"

#include "play/programstate.h"
#include "screens/formparts.h"
#include "widgets/formhelpers.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/readaloud.h"
#include "widgets/twips.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {
const QColor hitColour(0x80, 0xFF, 0x80);
const QColor missColour(0xFF, 0x80, 0x80);

// The on-screen keys: two rows of thirteen beside "quit", under the word; a language with
// letters of its own squeezes them into the same two rows.
constexpr int keysLeft = 1680, keysTop = 5280, keyHeight = 450, rowPitch = 480, keysRight = 8401;

QLabel* boldLabel(QWidget* parent, const char* name, const QRect& design, qreal points) {
    auto* l = placed<QLabel>(parent, name, design);
    l->setFont(sansFont(points, true));
    return l;
}

QRect designOf(const QRectF& t) {
    return {int(t.left()), int(t.top()), int(t.width()), int(t.height())};
}

} // namespace

NameMeForm::NameMeForm(ProgramState& state, QWidget* parent)
    : QDialog(parent), state_(state), game_(state) {
    setObjectName("NameMe");
    setWindowTitle(NameMeGame::caption());
    setFont(sansFont(8.25, true));
    scaleWithWindow(*this, {8610, 6330}, &state.fullScreen);
    createControls();
    allowStop(*this, state_);
    centerForm(*this);

    game_.load();
    if (game_.complete()) loadPicture(*image2_, findDataFile(state_.folders, game_.pictureFile()));
    label2_->setFont(sansFont(NameMeGame::wordFontSize(int(game_.hiddenWord().size())), true));
    showWord();
    for (QPushButton* key : letterKeys_)
        key->setEnabled(game_.complete());
    // The word row takes the keyboard, so the space bar is a key typed, never a button.
    if (game_.complete())
        label2_->setFocus();
    else
        command1_->setFocus();
    readAloud(*this, state_.speech,
              [this] { return game_.complete() ? NameMeGame::caption() : QString(); });
}

void NameMeForm::createControls() {
    command1_ = placed<QPushButton>(this, "Command1", {360, 5520, 1095, 615}, tr("quit"));
    command1_->setFont(sansFont(12, true));
    // No button is the window's default: Enter is a key typed, or presses the focused button.
    command1_->setAutoDefault(false);
    onClick(command1_, this, [this] { reject(); });

    label3_ = boldLabel(this, "Label3", {5880, 4080, 1455, 1095}, 9.75);
    label3_->setText(tr("Guess the word before the dragon can appear!"));
    label3_->setWordWrap(true);
    label3_->hide();
    label2_ = boldLabel(this, "Label2", {360, 3480, 4455, 735}, 18);
    label2_->setFocusPolicy(Qt::StrongFocus);
    image2_ = boldLabel(this, "Image2", {360, 480, 3735, 2655}, 8.25);
    image2_->setAccessibleName(tr("The animal to name"));
    image1_ = boldLabel(this, "Image1", {6000, 1560, 855, 1215}, 8.25);
    image1_->setScaledContents(true);
    image1_->setAccessibleName(tr("Dragon"));
    label1_ = boldLabel(this, "Label1", {360, 4440, 4335, 690}, 18);
    createLetterKeys();

    for (QObject* child : children())
        if (child->isWidgetType()) child->installEventFilter(this);
}

void NameMeForm::createLetterKeys() {
    keys_ = NameMeGame::keys(state_.language.code());
    const int keysPerRow = int(keys_.size() + 1) / 2;
    const int keyPitch = std::min(517, (keysRight - keysLeft) / keysPerRow);
    const int keyWidth = keyPitch - 37;
    for (int i = 0; i < keys_.size(); ++i) {
        const QChar letter = keys_[i];
        auto* key =
            placed<QPushButton>(this, QString("letter") + letter,
                                {keysLeft + keyPitch * (i % keysPerRow),
                                 keysTop + rowPitch * (i / keysPerRow), keyWidth, keyHeight},
                                QString(letter));
        key->setFont(sansFont(12, true));
        // A click leaves the keyboard where it was; Tab still reaches every key.
        key->setFocusPolicy(Qt::TabFocus);
        key->setAutoDefault(false);
        onClick(key, this, [this, letter] { guess(letter); });
        letterKeys_ << key;
    }
}

bool NameMeForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && takeKey(static_cast<QKeyEvent*>(event), watched))
        return true;
    return QDialog::eventFilter(watched, event);
}

void NameMeForm::keyPressEvent(QKeyEvent* event) {
    if (!takeKey(event, this)) QDialog::keyPressEvent(event);
}

// A key that types a character is a guess. Keys that move the focus stay with the window,
// and Enter or Space on a focused button presses it.
bool NameMeForm::takeKey(QKeyEvent* event, QObject* target) {
    if (event->text().isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(target);
    if (button && event->key() == Qt::Key_Space) return false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (button && enter)
        button->click();
    else
        guess(event->text().front());
    return true;
}

void NameMeForm::guess(QChar key) {
    const NameMeGame::Outcome outcome = game_.press(key, [this] { showWord(); });
    if (!game_.over()) return;
    if (outcome == NameMeGame::Outcome::won) QCoreApplication::processEvents();
    accept();
}

void NameMeForm::showWord() {
    label2_->setText(game_.shownWord());
    label1_->setText(game_.missedLetters());
    label3_->setVisible(game_.hintShown());
    showDragon();
    showLetterKeys();
}

void NameMeForm::showDragon() {
    setDesignRect(*image1_, designOf(game_.dragonRect()));
    const QString file = game_.dragonFile();
    if (file.isEmpty())
        image1_->clear();
    else
        loadPicture(*image1_,
                    findDataFile(state_.folders, file)); // a missing dragon leaves the box empty
}

// A used key shows at a glance how it went: green for a hit, red and struck out for a miss.
void NameMeForm::showLetterKeys() {
    for (int i = 0; i < keys_.size(); ++i) {
        const QChar letter = game_.letterOf(keys_[i]);
        QPushButton* key = letterKeys_[i];
        const bool missed = game_.missedLetters().contains(letter);
        const bool hit = std::any_of(game_.wordMask().cbegin(), game_.wordMask().cend(),
                                     [&](QChar c) { return game_.letterOf(c) == letter; });
        paintButton(*key, missed ? missColour
                          : hit  ? hitColour
                                 : palette().color(QPalette::Button));
        QFont font = designFont(*key);
        font.setStrikeOut(missed);
        key->setFont(font);
        key->setAccessibleDescription(missed ? tr("missed") : hit ? tr("in the word") : QString());
    }
}
