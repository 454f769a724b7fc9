// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "testfolder.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QImage>
#include <QWidget>

// What the form tests share: controls by their names, pictures on disk, and the screen
// reader's view of a control.

template <class T> T* child(const QWidget& form, const QString& name) {
    T* w = form.findChild<T*>(name);
    if (!w) qFatal("no control %s", qPrintable(name));
    return w;
}

// A small picture of one colour, as the game reads its pictures.
inline void writePicture(const TestFolder& folder, const QString& name, QSize size = {60, 40}) {
    QDir(folder.path()).mkpath(QFileInfo(name).path());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    picture.save(folder.file(name));
}

inline QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

inline QString accessibleDescription(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
}

// A screen reader pressing the control.
inline bool accessiblePress(QWidget* w) {
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(w)->actionInterface();
    if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
        return false;
    actions->doAction(QAccessibleActionInterface::pressAction());
    return true;
}
