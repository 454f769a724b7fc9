// SPDX-License-Identifier: GPL-2.0-or-later
#include "qsortview.h"

#include "qsortmodel.h"

#include "framework/result.h"
#include "framework/twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>

namespace trivia {

namespace {

QString styleFor(OleColor back) {
    return QStringLiteral("background-color: %1;").arg(toQColor(back).name());
}

} // namespace

QsortView::QsortView(QsortModel& model, QWidget* parent)
    : QWidget(parent), model_(model), label1_(new QLabel(this)), list1_(new QListWidget(this)),
      label2_(new QLabel(this)), cmdHelp_(new QPushButton(QStringLiteral("Help"), this)) {
    setObjectName(QStringLiteral("ctlQsort"));
    setFixedSize(twips(6195), twips(5160));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(QsortModel::designBackColor));
    setPalette(p);

    const QFont font = sansSerif(13.5);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(twipsRect(480, 120, 5295, 855));
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(twipsRect(480, 1200, 5175, 1860));
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(twipsRect(480, 3480, 5175, 495));
    label2_->setWordWrap(true);
    label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label2_->setStyleSheet(styleFor(QsortModel::designBackColor));
    cmdHelp_->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp_->setGeometry(twipsRect(480, 4440, 975, 615));
    for (QWidget* w : {static_cast<QWidget*>(label1_), static_cast<QWidget*>(list1_),
                       static_cast<QWidget*>(label2_), static_cast<QWidget*>(cmdHelp_)})
        w->setFont(font);
    list1_->setAccessibleName(QStringLiteral("Items to sort"));
    cmdHelp_->setAccessibleName(QStringLiteral("Help"));

    message = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("Help"), text);
    };
    connect(cmdHelp_, &QPushButton::clicked, this,
            [this] { run([this] { message(QsortModel::helpText); }); });
    // The selected line is what xlist1 reads, however the player moved it.
    connect(list1_, &QListWidget::itemSelectionChanged, this,
            [this] { model_.setListIndex(selectedRow()); });
    list1_->viewport()->installEventFilter(this);
    list1_->installEventFilter(this);
    sync();
}

void QsortView::sync() {
    label1_->setText(model_.xlabel1());
    label1_->setAccessibleName(model_.xlabel1());
    label1_->setStyleSheet(styleFor(model_.label1BackColor()));
    label2_->setText(model_.xlabel2());
    label2_->setAccessibleName(model_.xlabel2());
    const QSignalBlocker block(list1_);
    QStringList shown;
    for (int i = 0; i < list1_->count(); ++i)
        shown << list1_->item(i)->text();
    if (shown != model_.lines()) {
        list1_->clear();
        list1_->addItems(model_.lines());
    }
    list1_->setCurrentRow(model_.listIndex(), QItemSelectionModel::ClearAndSelect);
    if (model_.listIndex() < 0) list1_->clearSelection();
}

bool QsortView::eventFilter(QObject* watched, QEvent* event) {
    const bool released = watched == list1_->viewport() &&
                          event->type() == QEvent::MouseButtonRelease &&
                          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool pressed =
        watched == list1_ && key && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return);
    if (released || pressed) {
        // Let the list take the click first, then act on the line it selected.
        QMetaObject::invokeMethod(this, &QsortView::lineClicked, Qt::QueuedConnection);
        return pressed;
    }
    return QWidget::eventFilter(watched, event);
}

int QsortView::selectedRow() const {
    const auto selected = list1_->selectedItems();
    return selected.isEmpty() ? -1 : list1_->row(selected.first());
}

void QsortView::lineClicked() {
    run([this] {
        model_.setListIndex(selectedRow());
        try {
            model_.List1_Click();
        } catch (const ComError& e) {
            message(e.description());
        } catch (const std::exception&) {
            // Nothing may escape into the host's event loop.
            message(QStringLiteral("The line could not be moved."));
        }
        sync();
    });
}

} // namespace trivia
