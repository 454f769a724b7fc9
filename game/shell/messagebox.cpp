#include "messagebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

void MessageBoxUi::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName("messageBox");
    prepare(box);
    box.exec();
}

bool MessageBoxUi::confirm(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setObjectName("confirmBox");
    prepare(box);
    return box.exec() == QMessageBox::Ok;
}

void MessageBoxUi::openTextViewer(const QString& fileName) {
    // The desktop starts its viewer in a process of its own; we never wait for it.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}
