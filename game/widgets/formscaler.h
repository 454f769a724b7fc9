// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class FullScreen;
class QDialog;
class QWidget;

// Where a control was drawn, in twips, kept on the control itself; it is placed there at the
// scale of its window. A rectangle without a size keeps the control's own size (a label that
// fits its text).
void setDesignRect(QWidget& control, const QRect& design);
// The control's drawn rectangle, or an invalid one for a control placed by other means.
QRect designRect(const QWidget& control);
// The font a control was given, as drawn: what it shows at its window's scale 1.
QFont designFont(const QWidget& control);

// A window drawn for `designTwips` that grows with its window: larger than drawn, every
// control, font and picture scales by one factor, the whole centred and keeping its
// proportions. At the drawn size nothing moves. It also takes F11 for full screen, and opens
// the window full screen while the player wants it.
class FormScaler : public QObject {
    Q_OBJECT
public:
    FormScaler(QWidget& form, QSize designTwips, FullScreen* fullScreen);

    // The scaler of the window `control` is in, if it has one.
    static FormScaler* of(const QWidget& control);

    qreal scale() const { return scale_; }
    // Where a control drawn at `design` stands now, in its parent's pixels.
    QRect place(const QWidget& control, const QRect& design) const;
    // Places every control again, e.g. after the window changed its size.
    void relayout();
    void toggleFullScreen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scaleFont(QWidget& widget);

    QWidget& form_;
    const QSize design_; // pixels at scale 1
    FullScreen* fullScreen_;
    qreal scale_ = 1;
    QPoint offset_;
    bool shown_ = false;
    bool settingFont_ = false;
};

// Makes a window that was drawn at a fixed size grow with its window and scale; a dialog
// gains the maximise button.
FormScaler* scaleWithWindow(QWidget& form, QSize designTwips, FullScreen* fullScreen);
// A window of the moment (a message, the help) at the scale of the window it belongs to, so
// that its text is as large as the screen behind it. Returns the scale.
qreal scaleLike(QWidget& window, const QWidget* owner);

// A dialog's title bar with a maximise button, and no minimise one.
void allowMaximise(QDialog& dialog);
