// SPDX-License-Identifier: GPL-2.0-or-later
// The property and method panel of trivia-host, and its status line.

#include "hostwindow.h"

#include <QComboBox>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace trivia {

QWidget* HostWindow::buildPropertyPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    properties_ = new QTableWidget(0, 3);
    properties_->setObjectName(QStringLiteral("properties"));
    properties_->setHorizontalHeaderLabels(
        {QStringLiteral("Property"), QStringLiteral("Value"), QStringLiteral("Type")});
    properties_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    properties_->verticalHeader()->hide();
    properties_->setMinimumWidth(330);
    connect(properties_, &QTableWidget::itemChanged, this, &HostWindow::propertyEdited);
    connect(properties_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (properties_->item(row, 2) && properties_->item(row, 2)->text() == QLatin1String("font"))
            editFont(row);
    });
    methods_ = new QWidget;
    methodLayout_ = new QVBoxLayout(methods_);
    methodLayout_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(properties_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Methods")));
    layout->addWidget(methods_);
    return panel;
}

void HostWindow::showMembers() {
    const QSignalBlocker block(properties_);
    properties_->setRowCount(0);
    while (QLayoutItem* item = methodLayout_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    members_ = host_.members();
    for (const MemberDesc& m : members_) {
        if (m.kind != MemberKind::Method) {
            addPropertyRow(m);
            continue;
        }
        auto* button = new QPushButton(m.name, methods_);
        button->setObjectName(QStringLiteral("call ") + m.name);
        connect(button, &QPushButton::clicked, this, [this, name = m.name] { callMethod(name); });
        methodLayout_->addWidget(button);
    }
    if (methodLayout_->count() == 0)
        methodLayout_->addWidget(
            new QLabel(host_.hasControl() ? QStringLiteral("None.") : QStringLiteral("No control."),
                       methods_));
    refreshValues();
}

void HostWindow::addPropertyRow(const MemberDesc& m) {
    const int row = properties_->rowCount();
    properties_->insertRow(row);
    auto* name = new QTableWidgetItem(m.name);
    name->setFlags(Qt::ItemIsEnabled);
    auto* value = new QTableWidgetItem;
    if (m.kind == MemberKind::PropertyRef) value->setFlags(Qt::ItemIsEnabled);
    properties_->setItem(row, 0, name);
    properties_->setItem(row, 1, value);
    if (m.type != QLatin1String("variant")) {
        auto* type = new QTableWidgetItem(m.type);
        type->setFlags(Qt::ItemIsEnabled);
        properties_->setItem(row, 2, type);
        return;
    }
    // A property of any kind shows the kind it holds, and a person can change it here.
    auto* kind = new QComboBox;
    kind->setObjectName(QStringLiteral("kind of ") + m.name);
    kind->setAccessibleName(QStringLiteral("Kind of ") + m.name);
    kind->addItems(valueKinds());
    connect(kind, &QComboBox::textActivated, this,
            [this, name = m.name](const QString& k) { kindChosen(name, k); });
    properties_->setCellWidget(row, 2, kind);
}

QComboBox* HostWindow::kindBox(int row) const {
    return qobject_cast<QComboBox*>(properties_->cellWidget(row, 2));
}

void HostWindow::refreshValues() {
    const QSignalBlocker block(properties_);
    for (int row = 0; row < properties_->rowCount(); ++row) {
        HResult r = S_OK;
        const Variant v = host_.property(properties_->item(row, 0)->text(), &r);
        const QString kind = Variant::typeName(v.type());
        properties_->item(row, 1)->setText(succeeded(r) ? shownValue(v) : resultText(r));
        properties_->item(row, 1)->setToolTip(kind);
        if (QComboBox* box = kindBox(row)) {
            if (box->findText(kind) < 0) box->addItem(kind);
            box->setCurrentText(kind);
        }
    }
}

QString HostWindow::shownValue(const Variant& v) {
    if (v.type() != VarType::Font) return v.toString();
    const QFont f = v.toFont();
    return QStringLiteral("%1, %2 pt").arg(f.family()).arg(f.pointSizeF());
}

QString HostWindow::memberType(const QString& name) const {
    for (const MemberDesc& m : members_)
        if (m.name.compare(name, Qt::CaseInsensitive) == 0) return m.type;
    return QString();
}

void HostWindow::propertyEdited(QTableWidgetItem* item) {
    if (item->column() != 1) return;
    const QString name = properties_->item(item->row(), 0)->text();
    setFromText(name, item->text());
}

bool HostWindow::setFromText(const QString& name, const QString& text) {
    const QString type = memberType(name);
    const QString kind = type == QLatin1String("variant")
                             ? Variant::typeName(host_.property(name).type())
                             : QString();
    QString error;
    const auto value = valueFromText(type, text, kind, &error);
    const HResult r = value ? host_.setProperty(name, *value, false, &error) : DISP_E_TYPEMISMATCH;
    report(succeeded(r) ? QStringLiteral("%1 set.").arg(name)
                        : QStringLiteral("%1 was not set: %2").arg(name, error));
    refreshValues();
    return succeeded(r);
}

void HostWindow::kindChosen(const QString& name, const QString& kind) {
    const QString text = host_.property(name).toString();
    setFromText(name, kind + QChar(':') + text);
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
    report(succeeded(r) ? QStringLiteral("%1 called.").arg(name)
                        : QStringLiteral("%1 failed: %2").arg(name, error));
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
    const bool control = host_.hasControl();
    releaseAction_->setEnabled(control);
    saveAction_->setEnabled(control);
    containerHint_->setVisible(!control);
    status_->setText(
        QStringLiteral("Control: %1   Library: %2   DllCanUnloadNow: %3")
            .arg(control ? host_.current().progId : QStringLiteral("none"),
                 host_.libraryLoaded() ? QStringLiteral("loaded") : QStringLiteral("not loaded"),
                 host_.libraryLoaded() ? resultText(host_.canUnloadNow()) : QStringLiteral("—")));
}

void HostWindow::report(const QString& text) {
    message_->setText(text);
}

} // namespace trivia
