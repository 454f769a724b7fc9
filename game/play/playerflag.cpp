// SPDX-License-Identifier: GPL-2.0-or-later
#include "playerflag.h"

#include "knowledge/ui.h"

#include <QCoreApplication>
#include <QDir>

void PlayerFlag::load(const QString& fileName) {
    file_ = PlayerFile(fileName);
    on_ = file_.flag(key_, on_);
}

void PlayerFlag::setOn(bool on) {
    if (on == on_) return;
    on_ = on;
    if (file_.fileName().isEmpty() || file_.setFlag(key_, on)) return;
    ui_.message(QCoreApplication::translate("PlayerFlag", what_)
                    .arg(QDir::toNativeSeparators(file_.fileName())));
}
