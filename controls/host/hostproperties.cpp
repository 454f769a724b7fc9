// The property and method panel of trivia-host, and its status line.

#include "hostwindow.h"

#include <QFontDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace trivia {

void HostWindow::showMembers() {
    const QSignalBlocker block(properties_);
    properties_->setRowCount(0);
    while (QLayoutItem* item = methodLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    for (const MemberDesc& m : host_.members()) {
        if (m.kind == MemberKind::Method) {
            auto* button = new QPushButton(m.name, methods_);
            button->setObjectName(QStringLiteral("call ") + m.name);
            connect(button, &QPushButton::clicked, this,
                    [this, name = m.name] { callMethod(name); });
            methodLayout_->addWidget(button);
            continue;
        }
        const int row = properties_->rowCount();
        properties_->insertRow(row);
        auto* name = new QTableWidgetItem(m.name);
        name->setFlags(Qt::ItemIsEnabled);
        auto* type = new QTableWidgetItem(m.type);
        type->setFlags(Qt::ItemIsEnabled);
        auto* value = new QTableWidgetItem;
        if (m.kind == MemberKind::PropertyRef) value->setFlags(Qt::ItemIsEnabled);
        properties_->setItem(row, 0, name);
        properties_->setItem(row, 1, value);
        properties_->setItem(row, 2, type);
    }
    if (methodLayout_->count() == 0)
        methodLayout_->addWidget(
            new QLabel(host_.hasControl() ? QStringLiteral("None.") : QStringLiteral("No control."),
                       methods_));
    refreshValues();
}

void HostWindow::refreshValues() {
    const QSignalBlocker block(properties_);
    for (int row = 0; row < properties_->rowCount(); ++row) {
        HResult r = S_OK;
        const Variant v = host_.property(properties_->item(row, 0)->text(), &r);
        properties_->item(row, 1)->setText(succeeded(r) ? shownValue(v) : resultText(r));
        properties_->item(row, 1)->setToolTip(Variant::typeName(v.type()));
    }
}

QString HostWindow::shownValue(const Variant& v) {
    if (v.type() != VarType::Font) return v.toString();
    const QFont f = v.toFont();
    return QStringLiteral("%1, %2 pt").arg(f.family()).arg(f.pointSizeF());
}

void HostWindow::propertyEdited(QTableWidgetItem* item) {
    if (item->column() != 1) return;
    const QString name = properties_->item(item->row(), 0)->text();
    setFromText(name, item->text());
}

bool HostWindow::setFromText(const QString& name, const QString& text) {
    QString type;
    for (const MemberDesc& m : host_.members())
        if (m.name == name) type = m.type;
    QString error;
    const HResult r = host_.setProperty(name, valueFromText(type, text), false, &error);
    if (failed(r)) report(QStringLiteral("%1 was not set: %2").arg(name, error));
    refreshValues();
    return succeeded(r);
}

void HostWindow::editFont(int row) {
    const QString name = properties_->item(row, 0)->text();
    bool ok = false;
    const QFont current =
        host_.property(name).type() == VarType::Font ? host_.property(name).toFont() : font();
    const QFont chosen = QFontDialog::getFont(&ok, current, this);
    if (!ok) return;
    QString error;
    if (failed(host_.setProperty(name, Variant(chosen), true, &error))) report(error);
    refreshValues();
}

bool HostWindow::callMethod(const QString& name) {
    QString error;
    const HResult r = host_.call(name, &error);
    if (failed(r)) report(QStringLiteral("%1 failed: %2").arg(name, error));
    refreshValues();
    return succeeded(r);
}

void HostWindow::noticeArrived(const QString& name, int id) {
    notices_->addItem(QStringLiteral("%1  PropertyChanged \"%2\" (id %3)")
                          .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz")), name)
                          .arg(id));
    notices_->scrollToBottom();
    // A control may go on changing things after its notice (a list rebuilt after a move), so
    // the values are read again once it is done.
    if (!refreshPending_) {
        refreshPending_ = true;
        QTimer::singleShot(0, this, [this] {
            refreshPending_ = false;
            refreshValues();
        });
    }
}

void HostWindow::updateStatus() {
    const QString control = host_.hasControl() ? host_.current().progId : QStringLiteral("none");
    status_->setText(
        QStringLiteral("Control: %1   Library: %2   DllCanUnloadNow: %3")
            .arg(control,
                 host_.libraryLoaded() ? QStringLiteral("loaded") : QStringLiteral("not loaded"),
                 host_.libraryLoaded() ? resultText(host_.canUnloadNow()) : QStringLiteral("—")));
}

void HostWindow::report(const QString& text) {
    statusBar()->showMessage(text, 8000);
}

} // namespace trivia
