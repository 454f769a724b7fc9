// SPDX-License-Identifier: GPL-2.0-or-later
#include "myanimalsform.h"

#include "knowledge/localnames.h"
#include "knowledge/wording.h"
#include "play/programstate.h"
#include "widgets/formhelpers.h"
#include "widgets/formscaler.h"
#include "widgets/picturebox.h"
#include "widgets/presses.h"
#include "widgets/twips.h"

#include <QComboBox>
#include <QDateTime>
#include <QLabel>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTimer>

namespace {

constexpr int cardWidth = Thumbnails::side + 8;
constexpr int cardHeight = Thumbnails::side + 24;

// Every animal as a card, painted: only the cards in sight are drawn, so a picture is
// decoded when it first scrolls into view, not when the screen opens.
class CardGrid : public QWidget {
public:
    CardGrid(const ProgramState& state, const Progress& progress, Thumbnails& thumbnails,
             QWidget* parent)
        : QWidget(parent), state_(state), progress_(progress), thumbnails_(thumbnails) {}

    void relayout(int width) {
        // Cards grow with their window, as everything else on it does.
        const FormScaler* scaler = FormScaler::of(*this);
        scale_ = scaler ? scaler->scale() : 1.0;
        columns_ = std::max(1, width / cardW());
        const int rows = int((progress_.cards.size() + columns_ - 1) / columns_);
        setFixedSize(width, rows * cardH());
        update();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        const QRect seen = event->rect();
        const int firstRow = seen.top() / cardH();
        const int lastRow = seen.bottom() / cardH();
        const qreal ratio = devicePixelRatioF() * scale_;
        for (int row = firstRow; row <= lastRow; ++row)
            for (int column = 0; column < columns_; ++column) {
                const qsizetype i = qsizetype(row) * columns_ + column;
                if (i >= progress_.cards.size()) return;
                paintCard(painter, progress_.cards[i], {column * cardW(), row * cardH()},
                          ratio);
            }
        if (!waiting_.isEmpty()) QTimer::singleShot(0, this, [this] { decodeSome(); });
    }

private:
    int cardW() const { return int(cardWidth * scale_); }
    int cardH() const { return int(cardHeight * scale_); }

    void paintCard(QPainter& painter, const Progress::Card& card, QPoint at, qreal ratio) {
        const AnimalRecord& a = state_.knowledge.animals[size_t(card.animal)];
        const QString file = findDataFile(state_.folders, a.picture);
        const int side = int(Thumbnails::side * scale_);
        const QRect box(at + QPoint(4, 4) * scale_, QSize(side, side));
        QPixmap picture;
        if (thumbnails_.has(file))
            picture = thumbnails_.get(file, card.known, ratio);
        else
            waiting_.insert(file);
        if (picture.isNull())
            painter.fillRect(box, palette().color(QPalette::Mid));
        else
            painter.drawPixmap(box, picture);
        painter.setPen(
            palette().color(card.known ? QPalette::WindowText : QPalette::PlaceholderText));
        painter.drawText(QRect(at.x(), box.bottom() + 2, cardW(), cardH() - side - 6),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                         fontMetrics().elidedText(shownShortName(state_.knowledge, card.animal),
                                                  Qt::ElideRight, cardW() - 4));
    }

    // The screen opens at once with the cards drawn empty, and their pictures come a few at
    // a time as they are decoded.
    void decodeSome() {
        int decoded = 0;
        for (auto it = waiting_.begin(); it != waiting_.end() && decoded < 6; ++decoded) {
            thumbnails_.get(*it, true, devicePixelRatioF() * scale_);
            it = waiting_.erase(it);
        }
        if (decoded > 0) update();
    }

    const ProgramState& state_;
    const Progress& progress_;
    Thumbnails& thumbnails_;
    QSet<QString> waiting_;
    int columns_ = 1;
    qreal scale_ = 1;
};

// Per kind of question, a small bar chart of the right answers of each of the last weeks,
// the oldest on the left.
class WeeksChart : public QWidget {
public:
    WeeksChart(const ProgramState& state, const Progress& progress, QWidget* parent)
        : QWidget(parent), state_(state), progress_(progress) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const int kinds = questionTypeCount;
        const int w = width() / kinds;
        const int textHeight = fontMetrics().height();
        int most = 1;
        for (const auto& weeks : progress_.rightPerWeek)
            for (int n : weeks)
                most = std::max(most, n);
        const QColor bar = palette().color(QPalette::Highlight);
        for (int k = 0; k < kinds; ++k) {
            const QRect cell(k * w + 4, 0, w - 8, height());
            const QRect plot = cell.adjusted(0, textHeight + 2, 0, -textHeight - 2);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(cell.left(), 0, cell.width(), textHeight),
                             Qt::AlignHCenter | Qt::TextSingleLine,
                             fontMetrics().elidedText(shownTypeName(state_.knowledge.tables,
                                                                    questionTypeFromNumber(k + 1)),
                                                      Qt::ElideRight, cell.width()));
            painter.drawLine(plot.bottomLeft(), plot.bottomRight());
            const int bw = plot.width() / Progress::weeks;
            int total = 0;
            for (int week = 0; week < Progress::weeks; ++week) {
                const int n = progress_.rightPerWeek[size_t(k)][size_t(week)];
                total += n;
                const int h = plot.height() * n / most;
                const int x = plot.left() + (Progress::weeks - 1 - week) * bw;
                painter.fillRect(QRect(x + 1, plot.bottom() - h, bw - 2, h), bar);
            }
            painter.drawText(QRect(cell.left(), plot.bottom() + 2, cell.width(), textHeight),
                             Qt::AlignHCenter | Qt::TextSingleLine, QString::number(total));
        }
    }

private:
    const ProgramState& state_;
    const Progress& progress_;
};

} // namespace

QPixmap Thumbnails::get(const QString& fileName, bool colour, qreal ratio) {
    QHash<QString, QPixmap>& cache = colour ? colour_ : grey_;
    if (const auto it = cache.constFind(fileName); it != cache.cend()) return *it;
    QPixmap p = colour_.value(fileName);
    if (p.isNull() && !colour_.contains(fileName)) {
        p = readPicture(fileName, {side, side}, ratio);
        colour_.insert(fileName, p);
    }
    if (!colour && !p.isNull()) {
        // Greyed and pale: not yet learnt, but there to be learnt.
        QImage grey = p.toImage().convertToFormat(QImage::Format_Grayscale8);
        QImage pale(grey.size(), QImage::Format_RGB32);
        // Both at the picture's pixel ratio, or the grey covers only part of the card.
        pale.setDevicePixelRatio(grey.devicePixelRatio());
        pale.fill(Qt::white);
        QPainter painter(&pale);
        painter.setOpacity(0.45);
        painter.drawImage(0, 0, grey);
        painter.end();
        p = QPixmap::fromImage(pale);
        cache.insert(fileName, p);
    }
    return p;
}

MyAnimalsForm::MyAnimalsForm(ProgramState& state, Thumbnails& thumbnails, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName("myanimals");
    setWindowTitle(tr("My animals"));
    setFont(sansFont(9.75));
    scaleWithWindow(*this, {9840, 8880}, &state.fullScreen);
    auto* lblPlayer = placed<QLabel>(this, "lblPlayer", {120, 165, 900, 375}, tr("Player"));
    player_ = placed<QComboBox>(this, "cboPlayer", {1020, 120, 3000, 375});
    player_->setAccessibleName(tr("Player"));
    lblPlayer->setBuddy(player_);
    known_ = placed<QLabel>(this, "lblKnown", {4200, 165, 5520, 375});
    auto* scroll = scroll_ = placed<QScrollArea>(this, "scrCards", {120, 600, 9600, 5400});
    auto* grid = new CardGrid(state_, progress_, thumbnails, scroll);
    grid->setObjectName("picCards");
    grid->setAccessibleName(tr("Animals"));
    scroll->setWidget(grid);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    cards_ = grid;
    chart_ = placed<WeeksChart>(this, "picWeeks", {120, 6120, 9600, 1980}, state_, progress_);
    chart_->setAccessibleName(tr("Right answers of the last weeks"));
    auto* cmdClose = placed<QPushButton>(this, "cmdClose", {8520, 8220, 1200, 480}, tr("Close"));
    cmdClose->setDefault(true);
    onClick(cmdClose, this, [this] { accept(); });

    History* history = state_.players.history();
    const QList<Player> players = history ? history->players() : QList<Player>{};
    for (const Player& p : players)
        player_->addItem(p.name, p.id);
    player_->setCurrentIndex(std::max(0, player_->findData(state_.players.current)));
    player_->setEnabled(players.size() > 1);
    connect(player_, &QComboBox::currentIndexChanged, this,
            [this] { showPlayer(player_->currentData().toInt()); });
    showPlayer(player_->currentData().toInt());
    centerForm(*this);
}

// The cards fill the width the box has beside its scroll bar, known before it shows.
int MyAnimalsForm::cardsWidth() const {
    return scroll_->width() - 2 * scroll_->frameWidth() -
           scroll_->verticalScrollBar()->sizeHint().width();
}

// The window's scaler has placed the box anew by now; the cards follow it.
void MyAnimalsForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (cards_) static_cast<CardGrid*>(cards_)->relayout(cardsWidth());
}

void MyAnimalsForm::showPlayer(int id) {
    History* history = state_.players.history();
    const RightAnswers right =
        history && id ? history->rightAnswers(id, QDateTime::currentMSecsSinceEpoch(),
                                              Progress::weekMs, Progress::weeks)
                      : RightAnswers{};
    progress_ = progressOf(state_.knowledge, right);
    known_->setText(tr("%1 of %2 animals answered right")
                        .arg(progress_.known)
                        .arg(progress_.cards.size()));
    static_cast<CardGrid*>(cards_)->relayout(cardsWidth());
    chart_->update();
}
