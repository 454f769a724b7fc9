// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "knowledge/animal.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct ProgramState;

// What the editor shows of one record.
struct RecordView {
    int line = -1; // line of the animal list
    QString difficulty;
    // A position in the box's list, -1 for an empty box; nothing: the box keeps what it
    // showed, since the record has no such attribute.
    std::optional<int> classPosition, familyPosition, eaterPosition;
    std::array<bool, biomeCount> biomes{};
    std::array<QString, biomeCount> biomeCaptions;
    QString picture; // empty: no picture to show
    QString fullName;
};

// The animal browser and editor. While one is open the category tables speak the
// grown-up words (level 3); the player's own level comes back when it closes, however it
// closes. Edits go straight into the animals; a typed difficulty is stored whenever the
// editor leaves its record, and Exit writes the settings and the animals to disk.
class AnimalEditor {
public:
    static constexpr int editorLevel = 3;
    static constexpr int lowestDifficulty = 1;
    static constexpr int highestDifficulty = 3;
    static constexpr int classLines = 5, familyLines = 10, eaterLines = 5;

    explicit AnimalEditor(ProgramState& state);
    ~AnimalEditor();
    AnimalEditor(const AnimalEditor&) = delete;
    AnimalEditor& operator=(const AnimalEditor&) = delete;

    // The animal list: the full names of the loaded animals, in record order.
    QStringList filllist();
    // The first n names of a table, for a box to offer.
    template <size_t N> static QStringList fillarray(const std::array<QString, N>& names, int n);
    QStringList classList() const;
    QStringList familyList() const;
    QStringList eaterList() const;

    // Shows record `index`: says so when it has no name, clears negative biome flags.
    RecordView fillform(int index);
    // The record on show; 0 when no animal is loaded.
    int currentAnimal() const { return currentAnimal_; }
    QString difficultyText() const;

    // Moving to another record stores the typed difficulty first. A difficulty that is
    // refused keeps the editor where it is (false), after telling the player why.
    bool pick(int line, const QString& typed);
    bool next(const QString& typed);
    bool previous(const QString& typed);
    bool commitDifficulty(const QString& typed);

    void setClass(int position);
    void setFamily(int position);
    void setEater(int position);
    void setBiome(int biome, bool checked);

    // Stores the typed difficulty, then the settings with the player's own level, then the
    // animals. False when the difficulty is refused: nothing is written, the editor stays.
    bool exit(const QString& typed);
    // The window closes without Exit: the typed difficulty is still stored.
    void leave(const QString& typed);
    // Gives the player's level back; once only.
    void close();

private:
    bool moveTo(int index, const QString& typed);
    bool onRecord() const;
    AnimalRecord* current();

    ProgramState& state_;
    int16_t savedMaximum_;
    int16_t currentAnimal_ = 0;
    std::array<int16_t, maxAnimals + 1> listMap_{}; // list line j - 1 shows record listMap_[j]
    bool open_ = true;
};

template <size_t N>
QStringList AnimalEditor::fillarray(const std::array<QString, N>& names, int n) {
    QStringList list;
    for (int i = 0; i < n && i < int(N); ++i)
        list << names[size_t(i)];
    return list;
}
