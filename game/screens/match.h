// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

struct ProgramState;

// "Match animals by name": four pictures and four bars, each bar naming one of the animals.
// Bar k names the animal of slot k; the bottom right picture always shows bar 3's animal.
// Places are design places in twips, inside the window's frame.
class MatchQuestion {
public:
    static constexpr int count = 4; // pictures, bars and slots
    static constexpr int none = -1;

    explicit MatchQuestion(ProgramState& state);

    // Draws, words and shuffles the question. False when the animals cannot make one: the
    // player has been told, the kind is switched off, and only Skip is left.
    bool load();
    bool complete() const { return complete_; }
    int barsDrawn() const { return drawn_; }
    QString prompt() const; // the kind's name: what the screen asks for

    QString caption(int bar) const { return captions_[size_t(bar)]; }
    int slotOfPicture(int picture) const { return slotOfPicture_[size_t(picture)]; }
    QString pictureFile(int picture) const;
    static QRect pictureRect(int picture);
    static QRect homeRect(int bar);
    QRect barRect(int bar) const; // where the bar lies now
    // The bar's point size: the longer its caption, the smaller.
    static int barFontSize(int captionLength);

    // Dragging: a bar is picked up, then dropped on a picture or put back where it was.
    void startDrag(int bar);
    void cancelDrag() { dragging_ = false; }
    bool dragging() const { return dragging_; }
    int dragBar() const { return dragBar_; }
    // Lays the dragged bar at the foot of the picture; a bar already there goes home.
    void drop(int picture);
    int barOnPicture(int picture) const { return barOnPicture_[size_t(picture)]; }
    int pictureOfBar(int bar) const; // none while it is not on a picture

    // Done: judges every picture, scores, logs the wrong pairs and shows the score board.
    void done();
    QString resultText() const; // what the score board says for the pairs as they lie
    int rightPairs() const;

    static QString helpText();

private:
    void sendHome(int bar);
    QString wrongPair(int picture, bool english) const;

    ProgramState& state_;
    std::array<QString, count> captions_;
    std::array<int, count> slotOfPicture_{0, 1, 2, 3};
    std::array<int, count> barOnPicture_{none, none, none, none};
    std::array<int16_t, count> barTop_{};
    std::array<int16_t, count> barLeft_{};
    int dragBar_ = none;
    bool dragging_ = false;
    int drawn_ = 0;
    bool complete_ = false;
    bool answered_ = false;
};
