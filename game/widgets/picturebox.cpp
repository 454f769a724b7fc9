#include "picturebox.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>

QPixmap readPicture(const QString& fileName, QSize size, qreal ratio) {
    if (fileName.isEmpty() || size.isEmpty()) return {};
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    // Decoding at the shown size costs a fraction of decoding whole and scaling after.
    reader.setScaledSize(size * ratio);
    QImage image = reader.read();
    if (image.isNull()) return {};
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

bool loadPicture(QLabel& label, const QString& fileName) {
    label.setScaledContents(true);
    const QPixmap picture = readPicture(fileName, label.size(), label.devicePixelRatioF());
    label.setPixmap(picture);
    return !picture.isNull();
}

PictureBox::PictureBox(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureBox::load(const QString& fileName) {
    fileName_ = fileName;
    picture_ = readPicture(fileName, size(), devicePixelRatioF());
    update();
    return !picture_.isNull();
}

QSize PictureBox::sizeHint() const {
    return size();
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    if (!fileName_.isEmpty() && !picture_.isNull() &&
        picture_.deviceIndependentSize().toSize() != size())
        load(fileName_);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    if (!picture_.isNull())
        p.drawPixmap(inside, picture_);
    else if (textWithoutPicture_)
        p.drawText(inside, Qt::AlignCenter | Qt::TextWordWrap, text());
    // The single border; a thicker one shows where the keyboard is.
    p.setPen(QPen(palette().color(QPalette::WindowText), hasFocus() ? 3 : 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(hasFocus() ? rect().adjusted(1, 1, -2, -2) : rect().adjusted(0, 0, -1, -1));
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    // Space presses it as any button; Enter does too, as a child expects.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
