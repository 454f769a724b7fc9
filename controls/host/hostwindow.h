#pragma once

#include "controlhost.h"

#include <QMainWindow>

class QLabel;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;
class QVBoxLayout;

namespace trivia {

// trivia-host's window: the registered controls on the left, the embedded control in the
// middle, its properties and methods on the right, change notices below.
class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HostWindow(QWidget* parent = nullptr);
    ~HostWindow() override;

    ControlHost& host() { return host_; }
    void refreshControls();
    bool createControl(const QString& progId);
    bool saveTo(const QString& path);
    bool loadFrom(const QString& path);
    bool setFromText(const QString& name, const QString& text);
    bool callMethod(const QString& name);
    bool registerLibrary(const QString& path, bool doRegister);

private:
    QWidget* buildControlList();
    QWidget* buildPropertyPanel();
    void buildActions();
    void showMembers();
    void refreshValues();
    void propertyEdited(QTableWidgetItem* item);
    void editFont(int row);
    void noticeArrived(const QString& name, int id);
    void updateStatus();
    void report(const QString& text);
    static QString shownValue(const Variant& v);

    ControlHost host_;
    QListWidget* controls_;
    QWidget* container_;
    QTableWidget* properties_;
    QWidget* methods_;
    QVBoxLayout* methodLayout_;
    QListWidget* notices_;
    QLabel* status_;
    bool refreshPending_ = false;
};

// Turns what a person typed into the value for a property of the given type.
Variant valueFromText(const QString& type, const QString& text);

} // namespace trivia
