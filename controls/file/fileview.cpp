// SPDX-License-Identifier: GPL-2.0-or-later
#include "fileview.h"

#include "filemodel.h"
#include "webbrowser.h"

#include "framework/twips.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWebEngineView>

#include <dlfcn.h>

namespace trivia {

namespace {

// Once the browser engine has started it cannot leave the process again, so it stays loaded
// even when this library is unloaded by a host that does not link it itself.
void keepBrowserEngineLoaded() {
    static const bool kept = [] {
        Dl_info info{};
        return dladdr(&QWebEngineView::staticMetaObject, &info) && info.dli_fname &&
               dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    }();
    Q_UNUSED(kept);
}

} // namespace

FileView::FileView(FileModel& model, QWidget* parent)
    : QWidget(parent), model_(model), command1_(new QPushButton(QStringLiteral("Command1"), this)),
      text1_(new QLineEdit(this)),
      command2_(new QPushButton(QStringLiteral("link to morvane"), this)),
      webBrowser1_((keepBrowserEngineLoaded(), new QWebEngineView(this))),
      browser_(new WebBrowser(webBrowser1_)) {
    setObjectName(QStringLiteral("ctlFile"));
    setFixedSize(twips(4800), twips(3600));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Button)); // the usual control face
    setPalette(p);
    const QFont font = sansSerif(8.25);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(twipsRect(480, 360, 1695, 615));
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twipsRect(600, 1560, 3615, 1095));
    text1_->setAccessibleName(QStringLiteral("Text1"));
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(twipsRect(480, 2880, 2175, 615));
    webBrowser1_->setObjectName(QStringLiteral("WebBrowser1"));
    webBrowser1_->setGeometry(twipsRect(3120, 240, 1095, 735));
    for (QWidget* w : {static_cast<QWidget*>(command1_), static_cast<QWidget*>(text1_),
                       static_cast<QWidget*>(command2_)})
        w->setFont(font);

    model_.browser = browser_;
    model_.message = [this](const QString& text) {
        QMessageBox::information(this, QStringLiteral("ctlFile"), text);
    };
    connect(command1_, &QPushButton::clicked, this,
            [this] { run([this] { model_.Command1_Click(); }); });
    // "read to link" waits for the player, and the host may let go of the control meanwhile.
    connect(command2_, &QPushButton::clicked, this,
            [this] { run([this] { model_.Command2_Click(); }); });
    sync();
}

FileView::~FileView() {
    model_.browser = nullptr;
    browser_->Release();
}

void FileView::sync() {
    text1_->setText(model_.text1());
}

} // namespace trivia
