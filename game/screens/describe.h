// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <array>

struct ProgramState;

// "Describe this image": one pictured animal and five descriptions, one of them right.
// The fifth option never holds the right one.
class DescribeQuestion {
public:
    static constexpr int options = 5;

    explicit DescribeQuestion(ProgramState& state) : state_(state) {}

    // Draws and words the question. False when the animals cannot make one: the player has
    // been told, the kind is switched off, and only Skip is left.
    bool load();
    bool complete() const { return complete_; }
    // True until the player has answered a complete question.
    bool awaitsAnswer() const { return complete_ && !answered_; }

    const std::array<QString, options>& captions() const { return captions_; }
    int correctChoice() const { return correctChoice_; }
    int pictured() const; // the animal to describe
    QString pictureFile() const;
    QString pictureName() const; // its name as the player's level words it
    QString prompt() const;

    // The player's answer: scores it and shows the score board.
    void answer(int option);

    static QString helpText();

private:
    ProgramState& state_;
    std::array<QString, options> captions_;
    int correctChoice_ = 0;
    bool complete_ = false;
    bool answered_ = false;
};
