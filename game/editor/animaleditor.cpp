// SPDX-License-Identifier: GPL-2.0-or-later
#include "animaleditor.h"

#include "knowledge/animalfile.h"
#include "knowledge/ui.h"
#include "knowledge/wording.h"
#include "play/programstate.h"
#include "play/settingsfile.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

// The position a box shows for a record's index: nothing for a missing attribute, -1 (an
// empty box) for an index past the lines the box offers, whose word is empty.
std::optional<int> boxPosition(int index, int lines) {
    if (index < 0) return std::nullopt;
    return index < lines ? index : -1;
}

// A name that sorts before a blank is no name at all (the empty one above all).
bool hasName(const QString& name) {
    return !(name < QStringLiteral(" "));
}

bool namesPicture(const QString& file) {
    return file > QStringLiteral(" ") && !file.trimmed().isEmpty();
}

// The English name is the one velk.dat keeps; the player's own stands beside it.
QString editorName(const Knowledge& kb, int animal) {
    const QString own = shownName(kb, AnimalEditor::editorLevel, animal);
    const QString& english = kb.animals[size_t(animal)].fullName;
    return own == english ? english : english + "  (" + own + ")";
}

QStringList shown(const char* context, QStringList words) {
    for (QString& w : words)
        w = shownCategoryWord(context, w);
    return words;
}

} // namespace

AnimalEditor::AnimalEditor(ProgramState& state)
    : state_(state), savedMaximum_(state.settings.maxDifficulty) {
    filllist();
    currentAnimal_ = state_.knowledge.animalCount > 0 ? 1 : 0;
    state_.settings.maxDifficulty = editorLevel;
    buildCategoryTables(state_.knowledge.tables, editorLevel);
}

AnimalEditor::~AnimalEditor() {
    close();
}

QStringList AnimalEditor::filllist() {
    QStringList names;
    const Knowledge& kb = state_.knowledge;
    for (int i = 1; i <= kb.animalCount; ++i) {
        names << editorName(kb, i);
        listMap_[size_t(i)] = int16_t(i);
    }
    return names;
}

QStringList AnimalEditor::classList() const {
    return shown("Class", fillarray(state_.knowledge.tables.classNames, classLines));
}

QStringList AnimalEditor::familyList() const {
    return shown("Family", fillarray(state_.knowledge.tables.familyNames, familyLines));
}

QStringList AnimalEditor::eaterList() const {
    return shown("Eater", fillarray(state_.knowledge.tables.eaterNames, eaterLines));
}

RecordView AnimalEditor::fillform(int index) {
    RecordView view;
    Knowledge& kb = state_.knowledge;
    if (index < 1 || index > kb.animalCount) return view;
    const int a = listMap_[size_t(index)];
    AnimalRecord& record = kb.animals[size_t(a)];

    view.line = a - 1;
    view.fullName = editorName(kb, a);
    if (!hasName(record.name)) state_.ui.message("Problem? no name for " + QString::number(a));
    view.difficulty = QString::number(record.difficulty);
    view.classPosition = boxPosition(record.classIndex, classLines);
    view.familyPosition = boxPosition(record.familyIndex, familyLines);
    view.eaterPosition = boxPosition(record.eaterIndex, eaterLines);
    for (size_t k = 0; k < biomeCount; ++k) {
        // A negative flag is a broken one: it is mended as soon as the animal is seen.
        if (record.biomes[k] < 0) record.biomes[k] = 0;
        view.biomes[k] = record.biomes[k] >= 1;
        view.biomeCaptions[k] = shownCategoryWord("Biome", kb.tables.biomeNames[k]);
    }
    const QString picture = kb.pictureFile(a);
    if (namesPicture(picture)) view.picture = picture;
    return view;
}

bool AnimalEditor::onRecord() const {
    return currentAnimal_ >= 1 && currentAnimal_ <= state_.knowledge.animalCount;
}

AnimalRecord* AnimalEditor::current() {
    return onRecord() ? &state_.knowledge.animals[size_t(currentAnimal_)] : nullptr;
}

QString AnimalEditor::difficultyText() const {
    if (!onRecord()) return {};
    return QString::number(state_.knowledge.animals[size_t(currentAnimal_)].difficulty);
}

bool AnimalEditor::commitDifficulty(const QString& typed) {
    AnimalRecord* a = current();
    if (!a) return true;
    const QString text = typed.trimmed();
    // A value left as shown is not the player's: a record from the file may hold any level.
    if (text == QString::number(a->difficulty)) return true;
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && value >= lowestDifficulty && value <= highestDifficulty) {
        a->difficulty = int16_t(value);
        return true;
    }
    state_.ui.message(QString("\"%1\" is not a difficulty: it must be a whole number from %2 to "
                              "%3. %4 keeps difficulty %5.")
                          .arg(text)
                          .arg(lowestDifficulty)
                          .arg(highestDifficulty)
                          .arg(a->fullName)
                          .arg(a->difficulty));
    return false;
}

bool AnimalEditor::moveTo(int index, const QString& typed) {
    if (!current() || !commitDifficulty(typed)) return false;
    currentAnimal_ = int16_t(index);
    return true;
}

bool AnimalEditor::pick(int line, const QString& typed) {
    if (line < 0 || line >= state_.knowledge.animalCount) return false;
    return moveTo(listMap_[size_t(line + 1)], typed);
}

// Navigation never wraps: at either end the editor stays and shows the record again.
bool AnimalEditor::next(const QString& typed) {
    return moveTo(std::min<int>(currentAnimal_ + 1, state_.knowledge.animalCount), typed);
}

bool AnimalEditor::previous(const QString& typed) {
    return moveTo(std::max(currentAnimal_ - 1, 1), typed);
}

void AnimalEditor::setClass(int position) {
    if (AnimalRecord* a = current()) a->classIndex = position;
}

void AnimalEditor::setFamily(int position) {
    if (AnimalRecord* a = current()) a->familyIndex = position;
}

void AnimalEditor::setEater(int position) {
    if (AnimalRecord* a = current()) a->eaterIndex = position;
}

void AnimalEditor::setBiome(int biome, bool checked) {
    AnimalRecord* a = current();
    if (a && biome >= 0 && biome < biomeCount) a->biomes[size_t(biome)] = checked ? 1 : 0;
}

bool AnimalEditor::exit(const QString& typed) {
    if (!commitDifficulty(typed)) return false;
    // The file gets the player's own level, not the editor's borrowed one.
    GameSettings settings = state_.settings;
    settings.maxDifficulty = savedMaximum_;
    saveSettings(settings, state_.ui);
    // With nothing loaded there is nothing to store: a file that failed to load is kept for
    // the player to mend rather than replaced by an empty one.
    if (state_.knowledge.animalCount > 0)
        saveAnimals(state_.knowledge, state_.ui, "velk.dat");
    else
        state_.ui.message(QCoreApplication::translate(
            "AnimalEditor", "No animals are loaded, so velk.dat is left as it was."));
    return true;
}

void AnimalEditor::leave(const QString& typed) {
    if (open_) commitDifficulty(typed);
}

void AnimalEditor::close() {
    if (!open_) return;
    open_ = false;
    state_.settings.maxDifficulty = savedMaximum_;
    buildCategoryTables(state_.knowledge.tables, savedMaximum_);
}
