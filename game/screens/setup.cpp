// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup.h"

#include "knowledge/ui.h"
#include "knowledge/wording.h"
#include "play/numbers.h"
#include "play/programstate.h"
#include "play/settingsfile.h"
#include "play/startup.h"

#include <optional>

namespace {
// The list shows the kinds in their order: item 0 is kind 1.
QuestionType typeOfItem(int item) {
    return questionTypeFromNumber(item + 1);
}

// A whole number in the 16-bit range, or nothing.
std::optional<int16_t> wholeNumber(const QString& text) {
    bool ok = false;
    const short v = text.trimmed().toShort(&ok);
    return ok ? std::optional<int16_t>(v) : std::nullopt;
}
} // namespace

void SetupScreen::load() {
    state_.settings.logLevel = 0;
    state_.settings.minDifficulty = 1;
    change(nquestion, QString::number(state_.settings.questionCount));
    change(tmindif, QString::number(state_.settings.minDifficulty));
    change(tmaxdif, QString::number(state_.settings.maxDifficulty));
    for (int item = 0; item < typeCount; ++item)
        selected_[size_t(item)] = state_.settings.typeSwitch(typeOfItem(item)) != 0;
}

int16_t SetupScreen::low(Box box) const {
    return box == tmaxdif ? values_[tmindif] : 1;
}

int16_t SetupScreen::high(Box box) const {
    switch (box) {
    case nquestion:
        return maxQuestions;
    case tmaxdif:
        return maxLevelAllowed;
    case tmindif:
        return values_[tmaxdif];
    }
    return 1;
}

QString SetupScreen::change(Box box, const QString& typed) {
    const auto v = wholeNumber(typed);
    if (!v) return typed;
    values_[box] = clampInt(*v, low(box), high(box));
    return text(box);
}

QString SetupScreen::stepped(Box box, int delta) const {
    return QString::number(value(box) + delta);
}

QStringList SetupScreen::typeNames() const {
    QStringList names;
    for (int item = 0; item < typeCount; ++item)
        names << shownTypeName(state_.knowledge.tables, typeOfItem(item));
    return names;
}

void SetupScreen::setSelected(int item, bool on) {
    if (item >= 0 && item < typeCount) selected_[size_t(item)] = on;
}

QStringList SetupScreen::languageNames() {
    QStringList names{QCoreApplication::translate("Setup", "As the desktop")};
    for (const QString& code : gameLanguages())
        names << languageOwnName(code);
    return names;
}

int SetupScreen::languageItem() const {
    return int(gameLanguages().indexOf(state_.language.choice())) + 1;
}

void SetupScreen::chooseLanguage(int item) {
    const QString choice = item >= 1 ? gameLanguages().value(item - 1) : QString();
    if (choice == state_.language.choice()) return;
    if (!state_.language.choose(choice))
        state_.ui.message(QCoreApplication::translate("Setup", "The language could not be kept in "
                                                               "your settings. It holds until "
                                                               "the game ends."));
    switchLanguage(state_);
}

void SetupScreen::editAnimals() {
    showAnimalEditor(state_.ui);
}

void SetupScreen::makeOnlineQuestions() {
    state_.settings.logLevel = onlineLogLevel;
    state_.ui.message(onlineQuestionsText());
}

void SetupScreen::unload() {
    GameSettings& s = state_.settings;
    s.questionCount = value(nquestion);
    s.maxDifficulty = value(tmaxdif);
    for (int item = 0; item < typeCount; ++item)
        s.typeSwitch(typeOfItem(item)) = selected_[size_t(item)] ? -1 : 0;
    s.minDifficulty = 1;
    buildCategoryTables(state_.knowledge.tables, s.maxDifficulty);
    saveSettings(s, state_.ui);
}
