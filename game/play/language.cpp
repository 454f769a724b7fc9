// SPDX-License-Identifier: GPL-2.0-or-later
#include "language.h"

#include "knowledge/categories.h"
#include "play/gamefolders.h"
#include "play/playerfile.h"

#include "formats/textfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace {
constexpr char languageKey[] = "language";
constexpr qint64 namesMaxBytes = 256 * 1024;

// "de_AT.UTF-8" and "de" are German; "C" and "POSIX" are nobody's.
QString codeOf(const QString& locale) {
    const QString code = locale.section('_', 0, 0).section('.', 0, 0).section('@', 0, 0);
    return gameLanguages().contains(code) ? code : QString();
}
} // namespace

QStringList gameLanguages() {
    return {"en", "de", "fr", "es"};
}

QString languageOwnName(const QString& code) {
    if (code == "de") return QString::fromUtf8("Deutsch");
    if (code == "fr") return QString::fromUtf8("Français");
    if (code == "es") return QString::fromUtf8("Español");
    return "English";
}

QString desktopLanguage(const QProcessEnvironment& env) {
    for (const QString& entry : env.value("LANGUAGE").split(':', Qt::SkipEmptyParts))
        if (const QString code = codeOf(entry); !code.isEmpty()) return code;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = env.value(name);
        if (value.isEmpty()) continue;
        const QString code = codeOf(value);
        return code.isEmpty() ? "en" : code;
    }
    return "en";
}

QString effectiveLanguage(const QString& choice, const QProcessEnvironment& env) {
    return gameLanguages().contains(choice) ? choice : desktopLanguage(env);
}

void Language::load(const QString& fileName) {
    file_ = PlayerFile(fileName);
    const QString code = file_.value(languageKey);
    choice_ = gameLanguages().contains(code) ? code : QString();
}

bool Language::choose(const QString& choice) {
    choice_ = gameLanguages().contains(choice) ? choice : QString();
    return file_.fileName().isEmpty() || file_.setValue(languageKey, choice_);
}

Language::~Language() {
    removeTranslators();
}

void Language::removeTranslators() {
    for (auto* t : {ours_.get(), qts_.get()})
        if (t) QCoreApplication::removeTranslator(t);
    ours_.reset();
    qts_.reset();
}

void Language::use(const QString& code, const GameFolders& folders, Knowledge& kb) {
    removeTranslators();
    kb.localNames.clear();
    code_ = gameLanguages().contains(code) ? code : "en";
    if (code_ == "en") return;
    // A catalogue that will not load is left out: its texts stay English.
    auto ours = std::make_unique<QTranslator>();
    if (ours->load("velk_" + code_, QDir(folders.delivered).filePath("translations")) &&
        QCoreApplication::installTranslator(ours.get()))
        ours_ = std::move(ours);
    auto qts = std::make_unique<QTranslator>();
    if (qts->load("qtbase_" + code_, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qts.get()))
        qts_ = std::move(qts);
    // Anything odd in the names file's place (a folder, a FIFO, megabytes) is passed over.
    auto names =
        readFileBytes(QDir(folders.delivered).filePath("names/" + code_ + ".tsv"), namesMaxBytes);
    if (!names) return;
    QBuffer in(&*names);
    if (in.open(QIODevice::ReadOnly)) kb.localNames.read(in);
}
