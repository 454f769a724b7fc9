#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Two small arrow buttons that step the whole number in a text box (its buddy) within a
// range. The arrow keys in the box step it too. A box holding no number starts from the
// bottom of the range; one outside the range steps back into it.
class UpDown : public QWidget {
    Q_OBJECT
public:
    // `caption` names the buttons for a screen reader: caption + " up" / " down".
    UpDown(QLineEdit& buddy, int low, int high, const QString& caption, QWidget* parent = nullptr);

    void stepBy(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* arrow(Qt::ArrowType type, const QString& name, int steps);

    QLineEdit& buddy_;
    const int low_, high_;
    QToolButton* up_;
    QToolButton* down_;
};
