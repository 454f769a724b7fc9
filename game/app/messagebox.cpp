// SPDX-License-Identifier: GPL-2.0-or-later
#include "messagebox.h"

#include "knowledge/programinfo.h"
#include "widgets/formhelpers.h"
#include "widgets/textwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>

namespace {
// A box that another modal window covers takes no press, a screen reader's neither: it would
// close behind the window the player is in. Its buttons are Qt's own, so they wait disabled.
class Box : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::WindowBlocked || type == QEvent::WindowUnblocked)
            for (QAbstractButton* button : buttons())
                button->setEnabled(type == QEvent::WindowUnblocked);
        return QMessageBox::event(event);
    }
};
} // namespace

void MessageBoxUi::message(const QString& text) {
    Box box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Ok, ownerWindow());
    box.setObjectName("messageBox");
    scaleLike(box, box.parentWidget());
    prepare(box);
    box.exec();
}

void MessageBoxUi::showOwnViewer(const QString& path, QWidget* parent) {
    const QString problem = TextWindow::open(path, parent);
    if (!problem.isEmpty()) message(problem);
}

bool MessageBoxUi::confirm(const QString& title, const QString& text) {
    Box box(QMessageBox::NoIcon, title, text, QMessageBox::Ok | QMessageBox::Cancel, ownerWindow());
    box.setObjectName("confirmBox");
    scaleLike(box, box.parentWidget());
    prepare(box);
    return box.exec() == QMessageBox::Ok;
}

void MessageBoxUi::openTextViewer(const QString& fileName) {
    // The viewer runs beside the game, never waited for; only its failure is heard of.
    const QString path = QFileInfo(fileName).absoluteFilePath();
    // A viewer would wait on a FIFO or read a device without end, and its fallback with it.
    if (const QString problem = TextWindow::problem(path); !problem.isEmpty()) {
        message(problem);
        return;
    }
    const QPointer<QWidget> parent = ownerWindow();
    auto* viewer = new QProcess(qApp);
    QObject::connect(viewer, &QProcess::errorOccurred, viewer,
                     [this, viewer, path, parent](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         showOwnViewer(path, parent);
                         viewer->deleteLater();
                     });
    QObject::connect(viewer, &QProcess::finished, viewer,
                     [this, viewer, path, parent](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             showOwnViewer(path, parent);
                         viewer->deleteLater();
                     });
    viewer->setStandardOutputFile(QProcess::nullDevice());
    viewer->setStandardErrorFile(QProcess::nullDevice());
    viewer->start(viewer_, {path});
}
