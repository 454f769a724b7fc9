// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// A real picture of a few hundred bytes.
inline QByteArray smallPicture() {
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

// The same picture, its header claiming 60000 x 60000 pixels.
inline QByteArray hugePicture() {
    QByteArray bytes = smallPicture();
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    for (qsizetype at : {frame + 5, frame + 7}) {
        bytes[at] = char(60000 >> 8);
        bytes[at + 1] = char(60000 & 0xFF);
    }
    return bytes;
}
