#include "textwindow.h"

#include "knowledge/programinfo.h"
#include "widgets/formhelpers.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

QString TextWindow::open(const QString& fileName, QWidget* parent) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString("%1 could not be opened: %2").arg(fileName, file.errorString());
    auto* window = new TextWindow(fileName, QString::fromUtf8(file.readAll()), parent);
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

    auto* close = new QPushButton("Close", this);
    close->setObjectName("cmdClose");
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(720, 560);
    centerForm(*this);
}
