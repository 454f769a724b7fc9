// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;
class QWebEngineView;

namespace trivia {

class FileModel;
class WebBrowser;

// The widgets of the data-file control: Command1, Text1, Command2 and the browser WebBrowser1.
class FileView : public QWidget {
    Q_OBJECT
public:
    FileView(FileModel& model, QWidget* parent = nullptr);
    ~FileView() override;

    void sync();
    QWebEngineView* browserView() const { return webBrowser1_; }

    // Runs what a button sets off; the control keeps itself whole around it.
    std::function<void(const std::function<void()>&)> run = [](const auto& f) { f(); };

private:
    FileModel& model_;
    QPushButton* command1_;
    QLineEdit* text1_;
    QPushButton* command2_;
    QWebEngineView* webBrowser1_;
    WebBrowser* browser_;
};

} // namespace trivia
