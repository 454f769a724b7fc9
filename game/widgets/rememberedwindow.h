// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class FullScreen;
class QFrame;
struct GameSettings;

// A modal window of the game that reopens in the state and size it was last left in (one
// entry of the remembered layouts) and keeps all its controls in one frame, which scales
// with the window and stays centred in it. The question screens and the score board are
// such windows.
class RememberedWindow : public QDialog {
    Q_OBJECT
public:
    // `margin`: how much smaller than the window the frame is, in twips.
    RememberedWindow(GameSettings& settings, FullScreen& fullScreen, int formNumber,
                     QSize clientTwips, QSize margin, const QColor& background,
                     QWidget* parent = nullptr);

    QFrame* frame() const { return frame_; }

protected:
    // Gives the window its remembered state and size and centres it on the screen; the
    // subclass calls it once its controls stand.
    void restoreLayout();
    void resizeEvent(QResizeEvent* event) override;

private:
    GameSettings& settings_;
    const int formNumber_;
    QFrame* frame_;
};

// Gives a widget a solid background of its own.
void paintBackground(QWidget& widget, const QColor& colour);
