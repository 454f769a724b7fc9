// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "controlhost.h"
#include "hostoptions.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
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
    // One step of the command line.
    bool run(const HostStep& step);

    // Where a library of controls lies beside this program, if one does.
    static QString libraryBesideProgram();

private:
    QWidget* buildControlList();
    QWidget* buildContainer();
    QWidget* buildPropertyPanel();
    void buildActions();
    void showMembers();
    void addPropertyRow(const MemberDesc& m);
    void refreshValues();
    void propertyEdited(QTableWidgetItem* item);
    void kindChosen(const QString& name, const QString& kind);
    QComboBox* kindBox(int row) const;
    void editFont(int row);
    void noticeArrived(const QString& name, int id);
    void updateStatus();
    void report(const QString& text);
    QString memberType(const QString& name) const;
    static QString shownValue(const Variant& v);

    ControlHost host_;
    QListWidget* controls_;
    QLabel* emptyHint_;
    QPushButton* registerFound_;
    QPushButton* create_;
    QWidget* container_;
    QLabel* containerHint_;
    QTableWidget* properties_;
    QWidget* methods_;
    QVBoxLayout* methodLayout_;
    QListWidget* notices_;
    QLabel* message_;
    QLabel* status_;
    QAction* releaseAction_;
    QAction* saveAction_;
    QList<MemberDesc> members_;
    bool refreshPending_ = false;
};

// The kinds of value a person can give a property that takes any kind.
QStringList valueKinds();

// Turns what a person typed into the value for a property of the given type. "kind:text"
// (integer:12) asks for a kind and is refused when the text is no such value; otherwise a
// property that holds `currentKind` keeps that kind when the text fits it, and any other text
// goes as a string for the control to convert. Numbers may be hexadecimal (0xFF, &HFF&).
std::optional<Variant> valueFromText(const QString& type, const QString& text,
                                     const QString& currentKind = QString(),
                                     QString* error = nullptr);

} // namespace trivia
