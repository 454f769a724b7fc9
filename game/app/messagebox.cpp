#include "messagebox.h"

#include "knowledge/programinfo.h"
#include "widgets/formhelpers.h"
#include "widgets/textwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>

void MessageBoxUi::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, programTitle, text, QMessageBox::Ok, ownerWindow());
    box.setObjectName("messageBox");
    prepare(box);
    box.exec();
}

void MessageBoxUi::showOwnViewer(const QString& path, QWidget* parent) {
    const QString problem = TextWindow::open(path, parent);
    if (!problem.isEmpty()) message(problem);
}

bool MessageBoxUi::confirm(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    ownerWindow());
    box.setObjectName("confirmBox");
    prepare(box);
    return box.exec() == QMessageBox::Ok;
}

void MessageBoxUi::openTextViewer(const QString& fileName) {
    // The viewer runs beside the game, never waited for; only its failure is heard of.
    const QString path = QFileInfo(fileName).absoluteFilePath();
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
