// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>

#include <QList>
#include <utility>

class QLabel;

// A picture file decoded straight to the size it is shown at; a null pixmap when the file
// cannot be read.
QPixmap readPicture(const QString& fileName, QSize size, qreal ratio);
// Shows a picture file filling the label, decoded again at each size the label takes;
// false (and an empty label) when unreadable.
bool loadPicture(QLabel& label, const QString& fileName);

// One picture file decoded at the last few sizes it was shown at: a window that goes to full
// screen and back decodes each size once.
class PictureCache {
public:
    QPixmap picture(const QString& fileName, QSize size, qreal ratio);

private:
    QString fileName_;
    QList<std::pair<QSize, QPixmap>> sizes_; // the newest first
};

// A picture stretched to its box, with a single border, that can be an answer: it takes
// the focus and is pressed like a button, by a click, by Enter or Space, and by a screen
// reader's press action. Its text is what a screen reader hears; without a picture the box
// can show that text instead.
class PictureBox : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Decodes the file at the box's size; false, and no picture, when it cannot be read.
    bool load(const QString& fileName);
    bool hasPicture() const { return !picture_.isNull(); }
    void setTextWithoutPicture(bool show) { textWithoutPicture_ = show; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString fileName_;
    QPixmap picture_;
    PictureCache cache_;
    bool textWithoutPicture_ = true;
};
