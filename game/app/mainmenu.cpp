// SPDX-License-Identifier: GPL-2.0-or-later
#include "mainmenu.h"

#include "knowledge/programinfo.h"
#include "knowledge/ui.h"
#include "play/game.h"
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "play/startup.h"
#include "screens/playersforms.h"
#include "widgets/formhelpers.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/readaloud.h"
#include "widgets/twips.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text, const QRect& design,
              const QFont& font) {
    auto* l = placed<QLabel>(parent, name, design, text);
    l->setFont(font);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, const QRect& design) {
    auto* b = placed<QPushButton>(parent, name, design, text);
    b->setFont(sansFont(11, true));
    b->setAutoDefault(true); // Enter presses the button the keyboard is on, as Space does
    return b;
}

} // namespace

MainMenu::MainMenu(ProgramState& state, const QString& programFolder, const QString& userFolder,
                   QWidget* parent)
    : QWidget(parent), state_(state) {
    createControls();
    formLoad(programFolder, userFolder);
    readAloud(*this, state_.speech);
}

void MainMenu::createControls() {
    setObjectName("main");
    setWindowTitle(programTitle);
    scaleWithWindow(*this, {6600, 6900}, &state_.fullScreen);

    label1_ = label(this, "Label1", programTitle, {0, 180, 6600, 720}, serifFont(26, true));
    image1_ = placed<QLabel>(this, "Image1", {1050, 960, 4500, 3000});
    image1_->setScaledContents(true);
    label2_ = label(this, "Label2", {}, {0, 4020, 6600, 330}, serifFont(11));
    label3_ = label(this, "Label3", {}, {0, 4380, 6600, 285}, sansFont(9));
    label4_ = label(this, "Label4", {}, {0, 4665, 6600, 285}, sansFont(9));

    command1_ = button(this, "Command1", {}, {1650, 5100, 3300, 600});
    command1_->setFont(sansFont(14, true));
    cmdsetup_ = button(this, "cmdsetup", {}, {300, 5940, 1380, 480});
    cmdhelp_ = button(this, "cmdhelp", {}, {1830, 5940, 1380, 480});
    command3_ = button(this, "Command3", {}, {3390, 5940, 1380, 480});
    cmdquit_ = button(this, "cmdquit", {}, {4920, 5940, 1380, 480});

    command1_->setFocus(); // a game is one key away
    onClick(command1_, this, [this] {
        if (askWhoIsPlaying(state_, this)) playGame(state_);
    });
    cmdMyAnimals_ = button(this, "cmdMyAnimals", {}, {5100, 5160, 1200, 480});
    cmdMyAnimals_->setFont(sansFont(8.25, true));
    showTexts();
    onClick(cmdMyAnimals_, this, [this] {
        MyAnimalsForm form(state_, thumbnails_, this);
        form.exec();
    });
    onClick(cmdsetup_, this, [this] { state_.ui.showSetup(); });
    onClick(cmdhelp_, this, [this] { openHelp(); });
    onClick(command3_, this, [this] { showCredits(); });
    onClick(cmdquit_, this, [this] { close(); });
}

void MainMenu::showTexts() {
    image1_->setAccessibleName(tr("Animals"));
    label3_->setText(tr("Game design by the Morvane Velkins team"));
    label4_->setText(tr("© 2026 the Morvane Velkins contributors"));
    command1_->setText(tr("Play"));
    command1_->setToolTip(tr("Play the game"));
    cmdsetup_->setText(tr("Setup"));
    cmdsetup_->setToolTip(tr("Conditions for the game"));
    cmdhelp_->setText(tr("Help"));
    command3_->setText(tr("About"));
    cmdquit_->setText(tr("Quit"));
    cmdMyAnimals_->setText(tr("My animals"));
    cmdMyAnimals_->setToolTip(tr("The animals you know, and how your answers went"));
    label2_->setText(tr("Version %1").arg(versionNumber));
}

void MainMenu::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) showTexts();
    QWidget::changeEvent(event);
}

void MainMenu::formLoad(const QString& programFolder, const QString& userFolder) {
    centerForm(*this);
    startUp(state_, programFolder, userFolder);
    loadTitlePicture();
    label3_->hide();
    label4_->hide();
}

void MainMenu::loadTitlePicture() {
    // A picture that cannot be read leaves the box empty and the menu opens all the same.
    loadPicture(*image1_, findDataFile(state_.folders, state_.settings.titlePicture));
}

void MainMenu::showCredits() {
    label3_->show();
    label4_->show();
}

void MainMenu::openHelp() {
    // The help in the player's language where it has been written, else in English.
    const QString own = findDataFile(state_.folders, "velkhelp." + state_.language.code() + ".txt");
    state_.ui.openTextViewer(QFileInfo::exists(own) ? own
                                                    : findDataFile(state_.folders, "velkhelp.txt"));
}

void MainMenu::closeEvent(QCloseEvent* event) {
    saveSettings(state_.settings, state_.ui);
    event->accept();
}
