// SPDX-License-Identifier: GPL-2.0-or-later
#include "playersforms.h"

#include "knowledge/localnames.h"
#include "knowledge/ui.h"
#include "play/programstate.h"
#include "widgets/formhelpers.h"
#include "widgets/formscaler.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int avatarPixels = 72;

QIcon avatarIcon(const ProgramState& state, const QString& avatar, QWidget& on) {
    if (avatar.isEmpty()) return {};
    const QPixmap p = readPicture(findDataFile(state.folders, avatar), {avatarPixels, avatarPixels},
                                  on.devicePixelRatioF());
    return p.isNull() ? QIcon() : QIcon(p);
}

// A new player gets the first animal no other player has.
QString freeAvatar(const ProgramState& state, const QList<Player>& players) {
    const Knowledge& kb = state.knowledge;
    for (int n = 1; n <= kb.animalCount; ++n) {
        const QString picture = kb.animals[size_t(n)].picture;
        if (std::none_of(players.begin(), players.end(),
                         [&](const Player& p) { return p.avatar == picture; }))
            return picture;
    }
    return kb.animalCount > 0 ? kb.animals[1].picture : QString();
}

} // namespace

bool askWhoIsPlaying(ProgramState& state, QWidget* parent) {
    History* history = state.players.history();
    const QList<Player> players = history ? history->players() : QList<Player>{};
    if (players.size() < 2) {
        if (!players.isEmpty()) state.players.current = players.first().id;
        return true;
    }
    QDialog ask(parent);
    ask.setObjectName("whoisplaying");
    ask.setWindowTitle(QCoreApplication::translate("Players", "Who is playing?"));
    constexpr int row = 1320;
    scaleWithWindow(ask, {4800, 840 + row * int(players.size())}, &state.fullScreen);
    auto* title = placed<QLabel>(&ask, "lblWho", {120, 120, 4560, 600},
                                 QCoreApplication::translate("Players", "Who is playing?"));
    title->setFont(sansFont(16, true));
    title->setAlignment(Qt::AlignCenter);
    int chosen = 0;
    for (int i = 0; i < players.size(); ++i) {
        const Player& p = players[i];
        auto* b = placed<QPushButton>(&ask, arrayName("cmdPlayer", i),
                                      {120, 840 + row * i, 4560, 1200}, p.name);
        b->setFont(sansFont(16, true));
        b->setIcon(avatarIcon(state, p.avatar, *b));
        b->setIconSize({avatarPixels, avatarPixels});
        b->setAutoDefault(true);
        if (p.id == state.players.current) b->setFocus();
        onClick(b, &ask, [&ask, &chosen, id = p.id] {
            chosen = id;
            ask.accept();
        });
    }
    centerForm(ask);
    if (ask.exec() != QDialog::Accepted || chosen == 0) return false;
    state.players.current = chosen;
    return true;
}

void createPlayerChoices(QWidget& setup, ProgramState& state) {
    PlayerRecords& players = state.players;
    auto* practise =
        placed<QCheckBox>(&setup, "chkPractise", {120, 6480, 2295, 375},
                          QCoreApplication::translate("Players", "Practise missed animals"));
    practise->setToolTip(
        QCoreApplication::translate("Players", "The animals missed lately come back first"));
    practise->setChecked(practiseOn(players, players.current));
    onToggle(practise, &setup, [&players](bool on) { setPractise(players, players.current, on); });
    auto* cmdPlayers = placed<QPushButton>(&setup, "cmdPlayers", {4080, 6480, 2295, 375},
                                           QCoreApplication::translate("Players", "Players"));
    History* history = players.history();
    cmdPlayers->setEnabled(history != nullptr);
    cmdPlayers->setToolTip(
        history ? QCoreApplication::translate("Players",
                                              "Who plays here: add, rename or remove a player")
                : QCoreApplication::translate(
                      "Players", "Players need the history of answers, which cannot be kept "
                                 "here"));
    onClick(cmdPlayers, &setup, [&state, &setup, history] {
        PlayersForm form(state, *history, &setup);
        form.exec();
    });
}

PlayersForm::PlayersForm(ProgramState& state, History& history, QWidget* parent)
    : QDialog(parent), state_(state), history_(history) {
    setObjectName("players");
    setWindowTitle(tr("Players"));
    setFont(sansFont(9.75));
    scaleWithWindow(*this, {5880, 3720}, &state.fullScreen);
    list_ = placed<QListWidget>(this, "lstPlayers", {120, 120, 2880, 3480});
    list_->setAccessibleName(tr("Players"));
    list_->setIconSize({32, 32});
    auto* lblName = placed<QLabel>(this, "lblName", {3120, 120, 2640, 285}, tr("Name"));
    name_ = placed<QLineEdit>(this, "txtName", {3120, 405, 2640, 375});
    name_->setAccessibleName(tr("Name"));
    name_->setMaxLength(40);
    lblName->setBuddy(name_);
    auto* lblAvatar = placed<QLabel>(this, "lblAvatar", {3120, 900, 2640, 285}, tr("Picture"));
    avatar_ = placed<QComboBox>(this, "cboAvatar", {3120, 1185, 2640, 375});
    avatar_->setAccessibleName(tr("Picture"));
    lblAvatar->setBuddy(avatar_);
    const Knowledge& kb = state_.knowledge;
    for (int n = 1; n <= kb.animalCount; ++n)
        avatar_->addItem(shownShortName(kb, n), kb.animals[size_t(n)].picture);
    auto* cmdAdd = placed<QPushButton>(this, "cmdAdd", {3120, 1800, 1260, 480}, tr("Add"));
    cmdAdd->setToolTip(tr("A new player with this name and picture"));
    auto* cmdChange = placed<QPushButton>(this, "cmdChange", {4500, 1800, 1260, 480}, tr("Change"));
    cmdChange->setToolTip(tr("Gives the chosen player this name and picture"));
    remove_ = placed<QPushButton>(this, "cmdRemove", {3120, 2400, 1260, 480}, tr("Remove"));
    auto* cmdClose = placed<QPushButton>(this, "cmdClose", {4500, 3120, 1260, 480}, tr("Close"));
    onClick(cmdAdd, this, [this] { add(); });
    onClick(cmdChange, this, [this] { change(); });
    onClick(remove_, this, [this] { remove(); });
    onClick(cmdClose, this, [this] { accept(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
    refill(state_.players.current);
    centerForm(*this);
}

void PlayersForm::refill(int selectId) {
    players_ = history_.players();
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const Player& p : players_) {
        list_->addItem(new QListWidgetItem(avatarIcon(state_, p.avatar, *list_), p.name));
        if (p.id == selectId) list_->setCurrentRow(list_->count() - 1);
    }
    if (list_->currentRow() < 0 && list_->count() > 0) list_->setCurrentRow(0);
    remove_->setEnabled(players_.size() > 1); // the game always has someone to play
    showSelected();
}

int PlayersForm::selectedId() const {
    const int row = list_->currentRow();
    return row >= 0 && row < players_.size() ? players_[row].id : 0;
}

void PlayersForm::showSelected() {
    const int row = list_->currentRow();
    if (row < 0 || row >= players_.size()) return;
    name_->setText(players_[row].name);
    avatar_->setCurrentIndex(std::max(0, avatar_->findData(players_[row].avatar)));
}

void PlayersForm::add() {
    QString name = name_->text().trimmed();
    if (name.isEmpty() || std::any_of(players_.begin(), players_.end(),
                                      [&](const Player& p) { return p.name == name; }))
        name = tr("Player %1").arg(players_.size() + 1);
    // A picture of their own, which Change then swaps for the one they like.
    if (const int id = history_.addPlayer(name, freeAvatar(state_, players_))) refill(id);
}

void PlayersForm::change() {
    const int id = selectedId();
    const QString name = name_->text().trimmed();
    if (!id || name.isEmpty()) return;
    if (history_.changePlayer({id, name, avatar_->currentData().toString()})) refill(id);
}

void PlayersForm::remove() {
    const int id = selectedId();
    if (!id || players_.size() < 2) return;
    const QString name = players_[list_->currentRow()].name;
    if (!state_.ui.confirm(tr("Remove a player"),
                           tr("Remove %1 and everything %1 has answered?").arg(name)))
        return;
    if (!history_.removePlayer(id)) return;
    if (state_.players.current == id) state_.players.current = 0;
    refill(0);
    if (state_.players.current == 0 && !players_.isEmpty())
        state_.players.current = players_.first().id;
}
