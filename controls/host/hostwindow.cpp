// SPDX-License-Identifier: GPL-2.0-or-later
#include "hostwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace trivia {

namespace {

Registry registry() {
    return Registry(Registry::defaultPath());
}

QLabel* hintLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

HostWindow::HostWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("trivia-host — control container"));
    resize(1180, 720);
    host_.setAmbientFont(font());
    setCentralWidget(buildContainer());

    auto dock = [this](const QString& title, QWidget* w, Qt::DockWidgetArea area) {
        auto* d = new QDockWidget(title, this);
        d->setObjectName(title);
        d->setWidget(w);
        d->setFeatures(QDockWidget::DockWidgetMovable);
        addDockWidget(area, d);
    };
    dock(QStringLiteral("Registered controls"), buildControlList(), Qt::LeftDockWidgetArea);
    dock(QStringLiteral("Properties and methods"), buildPropertyPanel(), Qt::RightDockWidgetArea);
    notices_ = new QListWidget;
    notices_->setObjectName(QStringLiteral("notices"));
    dock(QStringLiteral("Change notices"), notices_, Qt::BottomDockWidgetArea);
    buildActions();
    // Permanent widgets, so that a message stays until the next one replaces it.
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("message"));
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addPermanentWidget(message_, 1);
    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    statusBar()->addPermanentWidget(status_);

    connect(&host_, &ControlHost::propertyChanged, this, &HostWindow::noticeArrived);
    connect(&host_, &ControlHost::libraryStateChanged, this, &HostWindow::updateStatus);
    refreshControls();
    showMembers();
    updateStatus();
}

HostWindow::~HostWindow() {
    // The control goes first, while the window it is embedded in is still whole.
    host_.disconnect(this);
    host_.release();
}

QWidget* HostWindow::buildContainer() {
    auto* scroll = new QScrollArea;
    container_ = new QWidget;
    container_->setObjectName(QStringLiteral("container"));
    container_->setMinimumSize(440, 380);
    container_->setAutoFillBackground(true);
    QPalette p = container_->palette();
    p.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF0));
    container_->setPalette(p);
    containerHint_ = hintLabel(QStringLiteral("No control yet. Pick one of the registered controls "
                                              "on the left and press Create, or Load… a saved "
                                              "one."),
                               "containerHint");
    containerHint_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(container_);
    layout->addWidget(containerHint_);
    scroll->setWidget(container_);
    scroll->setWidgetResizable(true);
    return scroll;
}

QWidget* HostWindow::buildControlList() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    controls_ = new QListWidget;
    controls_->setObjectName(QStringLiteral("controls"));
    controls_->setIconSize(QSize(32, 30));
    emptyHint_ = hintLabel(QString(), "registerHint");
    registerFound_ = new QPushButton;
    registerFound_->setObjectName(QStringLiteral("registerFound"));
    connect(registerFound_, &QPushButton::clicked, this,
            [this] { registerLibrary(libraryBesideProgram(), true); });
    create_ = new QPushButton(QStringLiteral("Create"));
    connect(create_, &QPushButton::clicked, this, [this] {
        if (auto* item = controls_->currentItem())
            createControl(item->data(Qt::UserRole).toString());
    });
    connect(controls_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { createControl(item->data(Qt::UserRole).toString()); });
    layout->addWidget(emptyHint_);
    layout->addWidget(registerFound_);
    layout->addWidget(controls_, 1);
    layout->addWidget(create_);
    layout->addStretch(0); // takes the room of the list while there is none
    return panel;
}

void HostWindow::buildActions() {
    QToolBar* bar = addToolBar(QStringLiteral("Container"));
    bar->setObjectName(QStringLiteral("toolbar"));
    releaseAction_ = bar->addAction(QStringLiteral("Release"), this, [this] {
        const QString progId = host_.current().progId;
        host_.release();
        showMembers();
        report(QStringLiteral("Released %1; the library is %2.")
                   .arg(progId, host_.libraryLoaded() ? QStringLiteral("still loaded")
                                                      : QStringLiteral("unloaded")));
    });
    saveAction_ = bar->addAction(QStringLiteral("Save…"), this, [this] {
        const QString path =
            QFileDialog::getSaveFileName(this, QStringLiteral("Save control"), QString(),
                                         QStringLiteral("Property bags (*.bag)"));
        if (!path.isEmpty()) saveTo(path);
    });
    bar->addAction(QStringLiteral("Load…"), this, [this] {
        const QString path =
            QFileDialog::getOpenFileName(this, QStringLiteral("Load control"), QString(),
                                         QStringLiteral("Property bags (*.bag)"));
        if (!path.isEmpty()) loadFrom(path);
    });
    bar->addSeparator();
    for (const bool doRegister : {true, false}) {
        const QString title = doRegister ? QStringLiteral("Register library…")
                                         : QStringLiteral("Unregister library…");
        bar->addAction(title, this, [this, title, doRegister] {
            const QString path = QFileDialog::getOpenFileName(this, title, QString(),
                                                              QStringLiteral("Libraries (*.so)"));
            if (!path.isEmpty()) registerLibrary(path, doRegister);
        });
    }
    bar->addAction(QStringLiteral("Refresh list"), this, &HostWindow::refreshControls);
}

QString HostWindow::libraryBesideProgram() {
    // Built: bin/ and lib/ side by side; installed: the library folder below the prefix.
    const QDir prefix(QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
    for (const char* folder : {"lib", TRIVIA_INSTALL_LIBDIR}) {
        const QFileInfo f(prefix.filePath(QLatin1String(folder) + QStringLiteral("/libtrivia.so")));
        if (f.isFile()) return f.canonicalFilePath();
    }
    return QString();
}

void HostWindow::refreshControls() {
    controls_->clear();
    const auto data = registry().read();
    if (!data) report(QStringLiteral("The registry cannot be read: ") + data.error());
    for (const auto& c : data ? registeredControls(*data) : QList<RegisteredControl>()) {
        auto* item = new QListWidgetItem(c.progId + QChar('\n') + c.library, controls_);
        item->setData(Qt::UserRole, c.progId);
        item->setToolTip(c.clsid.toString());
        const QImage bitmap = toolboxBitmap(c);
        if (!bitmap.isNull())
            item->setIcon(QPixmap::fromImage(bitmap.scaled(controls_->iconSize())));
    }
    const bool empty = controls_->count() == 0;
    const QString found = empty ? libraryBesideProgram() : QString();
    QString hint = QStringLiteral(
        "No controls are registered yet. A control library registers itself: press “Register "
        "library…” above and choose its .so file (libtrivia.so), or start\n"
        "  trivia-host --register /path/to/libtrivia.so");
    if (!found.isEmpty()) hint += QStringLiteral("\n\nThere is one beside this program:\n") + found;
    emptyHint_->setText(hint);
    emptyHint_->setVisible(empty);
    controls_->setVisible(!empty);
    create_->setVisible(!empty);
    registerFound_->setVisible(!found.isEmpty());
    registerFound_->setText(QStringLiteral("Register %1").arg(QFileInfo(found).fileName()));
    registerFound_->setToolTip(found);
    if (!controls_->currentItem() && !empty) controls_->setCurrentRow(0);
}

bool HostWindow::createControl(const QString& progId) {
    const auto data = registry().read();
    QString error = QStringLiteral("%1 is not registered.").arg(progId);
    bool ok = false;
    for (const auto& c : data ? registeredControls(*data) : QList<RegisteredControl>())
        if (!ok && c.progId == progId) ok = host_.create(c, container_, nullptr, &error);
    if (ok) host_.widget()->move(12, 12);
    for (int i = 0; ok && i < controls_->count(); ++i)
        if (controls_->item(i)->data(Qt::UserRole).toString() == progId)
            controls_->setCurrentRow(i);
    report(ok ? QStringLiteral("Created %1.").arg(progId) : error);
    notices_->clear();
    showMembers();
    return ok;
}

bool HostWindow::saveTo(const QString& path) {
    QString error;
    const bool ok = host_.save(path, &error);
    report(ok ? QStringLiteral("Saved to ") + path : QStringLiteral("Not saved: ") + error);
    return ok;
}

bool HostWindow::loadFrom(const QString& path) {
    const auto data = registry().read();
    QString error = data.error();
    const bool ok = data && host_.load(path, *data, container_, &error);
    if (ok) host_.widget()->move(12, 12);
    report(ok ? QStringLiteral("Loaded from ") + path : QStringLiteral("Not loaded: ") + error);
    notices_->clear();
    showMembers();
    return ok;
}

bool HostWindow::registerLibrary(const QString& path, bool doRegister) {
    ControlLibrary lib(path);
    QString error;
    if (!lib.load(&error)) {
        report(error);
        return false;
    }
    const HResult r = doRegister ? lib.registerServer() : lib.unregisterServer();
    refreshControls();
    const QString done = doRegister ? QStringLiteral("Registered") : QStringLiteral("Unregistered");
    const QString doing =
        doRegister ? QStringLiteral("Registering") : QStringLiteral("Unregistering");
    report(
        succeeded(r)
            ? QStringLiteral("%1 %2 (%3 controls listed).").arg(done, path).arg(controls_->count())
            : QStringLiteral("%1 %2 failed: %3").arg(doing, path, resultText(r)));
    return succeeded(r);
}

bool HostWindow::run(const HostStep& step) {
    const QString& v = step.value;
    if (step.option == QLatin1String("--register")) return registerLibrary(v, true);
    if (step.option == QLatin1String("--unregister")) return registerLibrary(v, false);
    if (step.option == QLatin1String("--create")) return createControl(v);
    if (step.option == QLatin1String("--load")) return loadFrom(v);
    if (step.option == QLatin1String("--save")) return saveTo(v);
    if (step.option == QLatin1String("--call")) return callMethod(v);
    if (step.option == QLatin1String("--set") && v.contains(QChar('=')))
        return setFromText(v.section(QChar('='), 0, 0), v.section(QChar('='), 1));
    report(QStringLiteral("%1 %2: expected NAME=VALUE").arg(step.option, v));
    return false;
}

} // namespace trivia
