// SPDX-License-Identifier: GPL-2.0-or-later
#include "testfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
}

TestFolder::~TestFolder() {
    QDir::setCurrent(previous_);
}

void TestFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray TestFolder::read(const QString& name) const {
    return readFile(file(name));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray fixture(const QString& path) {
    QFile f(QStringLiteral(VELK_TESTS_DIR "/") + path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
