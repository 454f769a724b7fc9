// SPDX-License-Identifier: GPL-2.0-or-later
#include "textwindow.h"

#include "knowledge/programinfo.h"
#include "widgets/formhelpers.h"
#include "widgets/presses.h"

#include "formats/textfile.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The help is a few pages; a file far larger is not meant to be read in a window.
constexpr qint64 textMaxBytes = 1024 * 1024;

QString cannotOpen(const QString& fileName, const QString& why) {
    return TextWindow::tr("%1 could not be opened: %2").arg(fileName, why);
}

} // namespace

QString TextWindow::problem(const QString& fileName) {
    const auto checked = checkRegularFile(fileName, textMaxBytes);
    return checked ? QString() : cannotOpen(fileName, checked.error());
}

QString TextWindow::open(const QString& fileName, QWidget* parent) {
    const auto read = readTextFile(fileName, textMaxBytes);
    if (!read) return cannotOpen(fileName, read.error());
    auto* window = new TextWindow(fileName, *read, parent);
    if (const qreal scale = scaleLike(*window, parent); scale != 1) {
        const QScreen* screen = window->screen();
        window->resize((window->size() * scale).boundedTo(screen->availableSize()));
        centerForm(*window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return {};
}

TextWindow::TextWindow(const QString& fileName, const QString& text, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("textWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the menu ends the game even while the help is still open.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QString name = QFileInfo(fileName).fileName();
    setWindowTitle(name + " - " + programTitle);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName("text");
    text_->setAccessibleName(name);
    text_->setReadOnly(true);
    // Read-only, yet the keyboard can still move through it and select text to copy.
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setPlainText(QString(text).remove('\r'));

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("cmdClose");
    onClick(close, this, [this] { this->close(); });
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this,
            [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(720, 560);
    centerForm(*this);
}
