// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

// A pair of arrow buttons bound to a text box that holds a number. A press of an arrow, an
// Up or Down arrow key in the box, or a screen reader's increase or decrease action steps
// it; what a step does to the box is up to the owner, which hears `stepped`. The arrows
// take no focus of their own: the box is where the keyboard works.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit& buddy, QWidget* parent = nullptr);

    QLineEdit* buddy() const { return qobject_cast<QLineEdit*>(buddy_.data()); }
    // One step up (+1) or down (-1).
    void step(int delta) { emit stepped(delta); }

signals:
    void stepped(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> buddy_; // a widget: it may be asked while the box is torn down
    QToolButton* up_;
    QToolButton* down_;
};
