#include "hostwindow.h"

#include <QDockWidget>
#include <QFileDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableWidget>
#include <QTime>
#include <QToolBar>
#include <QVBoxLayout>

namespace trivia {

namespace {

Registry registry() {
    return Registry(Registry::defaultPath());
}

} // namespace

Variant valueFromText(const QString& type, const QString& text) {
    const bool number = type == QLatin1String("long") || type == QLatin1String("short") ||
                        type == QLatin1String("olecolor");
    const QString t = text.trimmed();
    if (number && (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
                   t.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))) {
        bool ok = false;
        const uint32_t v = QString(t.mid(2)).remove(QChar('&')).toUInt(&ok, 16);
        if (ok) return Variant(static_cast<int32_t>(v));
    }
    return Variant(text);
}

HostWindow::HostWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("trivia-host — control container"));
    resize(1180, 720);
    host_.setAmbientFont(font());

    auto* scroll = new QScrollArea;
    container_ = new QWidget;
    container_->setObjectName(QStringLiteral("container"));
    container_->setMinimumSize(440, 380);
    container_->setAutoFillBackground(true);
    QPalette p = container_->palette();
    p.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF0));
    container_->setPalette(p);
    scroll->setWidget(container_);
    scroll->setWidgetResizable(true);
    setCentralWidget(scroll);

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
    status_ = new QLabel;
    statusBar()->addPermanentWidget(status_);

    connect(&host_, &ControlHost::propertyChanged, this, &HostWindow::noticeArrived);
    connect(&host_, &ControlHost::libraryStateChanged, this, &HostWindow::updateStatus);
    refreshControls();
    updateStatus();
}

HostWindow::~HostWindow() {
    // The control goes first, while the window it is embedded in is still whole.
    host_.disconnect(this);
    host_.release();
}

QWidget* HostWindow::buildControlList() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    controls_ = new QListWidget;
    controls_->setObjectName(QStringLiteral("controls"));
    controls_->setIconSize(QSize(32, 30));
    auto* create = new QPushButton(QStringLiteral("Create"));
    connect(create, &QPushButton::clicked, this, [this] {
        if (auto* item = controls_->currentItem())
            createControl(item->data(Qt::UserRole).toString());
    });
    connect(controls_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { createControl(item->data(Qt::UserRole).toString()); });
    layout->addWidget(controls_);
    layout->addWidget(create);
    return panel;
}

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
        if (properties_->item(row, 2)->text() == QLatin1String("font")) editFont(row);
    });
    methods_ = new QWidget;
    methodLayout_ = new QVBoxLayout(methods_);
    methodLayout_->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(properties_, 1);
    layout->addWidget(new QLabel(QStringLiteral("Methods")));
    layout->addWidget(methods_);
    return panel;
}

void HostWindow::buildActions() {
    QToolBar* bar = addToolBar(QStringLiteral("Container"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->addAction(QStringLiteral("Release"), this, [this] {
        host_.release();
        showMembers();
    });
    bar->addAction(QStringLiteral("Save…"), this, [this] {
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

void HostWindow::refreshControls() {
    controls_->clear();
    QString error;
    const auto data = registry().read(&error);
    if (!data) return report(QStringLiteral("The registry cannot be read: ") + error);
    for (const auto& c : registeredControls(*data)) {
        auto* item = new QListWidgetItem(c.progId + QChar('\n') + c.library, controls_);
        item->setData(Qt::UserRole, c.progId);
        item->setToolTip(c.clsid.toString());
    }
}

bool HostWindow::createControl(const QString& progId) {
    const auto data = registry().read();
    QString error = QStringLiteral("%1 is not registered.").arg(progId);
    bool ok = false;
    for (const auto& c : data ? registeredControls(*data) : QList<RegisteredControl>())
        if (!ok && c.progId == progId) ok = host_.create(c, container_, nullptr, &error);
    if (ok)
        host_.widget()->move(12, 12);
    else
        report(error);
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
    QString error;
    const auto data = registry().read(&error);
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
    report(QStringLiteral("%1 %2: %3")
               .arg(doRegister ? QStringLiteral("Registering") : QStringLiteral("Unregistering"),
                    path, resultText(r)));
    refreshControls();
    return succeeded(r);
}

} // namespace trivia
