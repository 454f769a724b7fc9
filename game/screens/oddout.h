// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include <array>

struct ProgramState;

// "Odd one out": four pictures, three alike and one not. The odd animal is drawn into
// slot 1 and never lands bottom right.
class OddOneOutQuestion {
public:
    static constexpr int pictures = 4;

    explicit OddOneOutQuestion(ProgramState& state) : state_(state) {}

    // Draws the four animals and shuffles them. False when the animals cannot make the
    // question: the player has been told, the kind is switched off, the pictures drawn so
    // far stay as they are and only Skip is left.
    bool load();
    bool complete() const { return complete_; }
    // True until the player has answered a complete question.
    bool awaitsAnswer() const { return complete_ && !answered_; }

    QString caption() const; // the kind's name, the window's title
    QString prompt() const;
    int picturesDrawn() const { return drawn_; }
    int slotOfPicture(int picture) const { return slotOfPicture_[size_t(picture)]; }
    int animalAt(int picture) const; // the animal picture p shows
    QString pictureFile(int picture) const;
    QString pictureName(int picture) const; // the animal's name as the player's level words it

    // A click on picture p: scores it and shows the score board.
    void answer(int picture);

    static QString helpText() {
        return QCoreApplication::translate("OddOneOut",
                                           "Click on the image that does NOT fit the pattern");
    }

private:
    ProgramState& state_;
    std::array<int, pictures> slotOfPicture_{0, 1, 2, 3};
    int drawn_ = 0;
    bool complete_ = false;
    bool answered_ = false;
};
