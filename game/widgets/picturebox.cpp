// SPDX-License-Identifier: GPL-2.0-or-later
#include "picturebox.h"

#include "formats/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// The game's own pictures are a few hundred pixels and tens of kilobytes; a parent's photo may
// be a few thousand pixels. Anything far beyond is refused before it is decoded, which would
// take minutes and gigabytes.
constexpr qint64 pictureMaxBytes = 32 * 1024 * 1024;
constexpr int pictureMaxSide = 8192;
constexpr qint64 pictureMaxPixels = 32'000'000;
// For a decoder that allocates more than the size it reported: 32 million pixels of 4 bytes.
// Qt keeps it for the whole program, whatever the desktop set; every picture comes here.
constexpr int decodeMaxMegabytes = 128;

bool sensibleSize(QSize size) {
    return size.isValid() && size.width() <= pictureMaxSide && size.height() <= pictureMaxSide &&
           qint64(size.width()) * size.height() <= pictureMaxPixels;
}

} // namespace

QPixmap readPicture(const QString& fileName, QSize size, qreal ratio) {
    if (fileName.isEmpty() || size.isEmpty()) return {};
    QFile file;
    if (!openRegularFile(fileName, pictureMaxBytes, file)) return {};
    QImageReader::setAllocationLimit(decodeMaxMegabytes);
    // The name's ending tells the decoder, as it would for the name itself.
    QImageReader reader(&file, QFileInfo(fileName).suffix().toLower().toLatin1());
    if (!sensibleSize(reader.size())) return {};
    reader.setAutoTransform(true);
    // Decoding at the shown size costs a fraction of decoding whole and scaling after.
    reader.setScaledSize(size * ratio);
    QImage image = reader.read();
    if (image.isNull()) return {};
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

QPixmap PictureCache::picture(const QString& fileName, QSize size, qreal ratio) {
    if (fileName != fileName_) {
        fileName_ = fileName;
        sizes_.clear();
    }
    const QSize pixels = size * ratio;
    for (qsizetype i = 0; i < sizes_.size(); ++i)
        if (sizes_[i].first == pixels) {
            sizes_.move(i, 0);
            return sizes_.front().second;
        }
    QPixmap picture = readPicture(fileName, size, ratio);
    if (picture.isNull()) return picture;
    sizes_.prepend({pixels, picture});
    if (sizes_.size() > 3) sizes_.removeLast();
    return picture;
}

namespace {
// A label's picture, decoded again when the label changes its size.
class LabelPicture : public QObject {
public:
    explicit LabelPicture(QLabel& label) : QObject(&label), label_(label) {
        setObjectName("labelPicture");
        label.installEventFilter(this);
    }
    bool show(const QString& fileName) {
        fileName_ = fileName;
        const QPixmap picture = cache_.picture(fileName, label_.size(), label_.devicePixelRatioF());
        label_.setPixmap(picture);
        return !picture.isNull();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && !label_.pixmap().isNull()) show(fileName_);
        return QObject::eventFilter(watched, event);
    }

private:
    QLabel& label_;
    QString fileName_;
    PictureCache cache_;
};
} // namespace

bool loadPicture(QLabel& label, const QString& fileName) {
    label.setScaledContents(true);
    auto* picture = label.findChild<LabelPicture*>("labelPicture", Qt::FindDirectChildrenOnly);
    if (!picture) picture = new LabelPicture(label);
    return picture->show(fileName);
}

PictureBox::PictureBox(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

bool PictureBox::load(const QString& fileName) {
    fileName_ = fileName;
    picture_ = cache_.picture(fileName, size(), devicePixelRatioF());
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
