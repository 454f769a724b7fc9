// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "framework/propertybag.h"
#include "framework/typelib.h"

#include <QFont>
#include <QStringList>

// A container's site that keeps every change notice.
struct RecordingSite : trivia::IControlSite {
    QStringList notices;
    QList<int32_t> ids;
    QFont ambient{QStringLiteral("Serif"), 11};

    trivia::HResult OnChanged(int32_t id, const QString& name) override {
        ids << id;
        notices << name;
        return trivia::S_OK;
    }
    trivia::HResult GetAmbientFont(QFont* font) override {
        *font = ambient;
        return trivia::S_OK;
    }
};

// A property bag that notes the order of reads and writes.
struct RecordingBag : trivia::MemoryPropertyBag {
    QStringList reads;
    QStringList writes;

    trivia::HResult Read(const QString& name, trivia::Variant* value) override {
        reads << name;
        return MemoryPropertyBag::Read(name, value);
    }
    trivia::HResult Write(const QString& name, const trivia::Variant& value) override {
        writes << name;
        return MemoryPropertyBag::Write(name, value);
    }
};

// A container's error log that keeps "key: why" for every error.
struct RecordingLog : trivia::IErrorLog {
    QStringList errors;

    trivia::HResult AddError(const QString& property, const trivia::ExcepInfo& e) override {
        errors << property + QStringLiteral(": ") + e.description;
        return trivia::S_OK;
    }
};

inline const trivia::TypeLibDesc& triviaTypeLib() {
    static const auto lib = trivia::loadTypeLib(QStringLiteral(":/triviactl/triviactl.json"));
    Q_ASSERT(lib);
    return *lib;
}
