// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A thick frame around the focused control, so that a class can follow the
// keyboard from the back of the room. It appears once the keyboard is used and
// goes when the mouse is, so the window looks as designed for mouse users.
#pragma once

#include <QPointer>
#include <QWidget>

#include "ui/scene/zoom.h"

namespace bridging::ui {

class FocusMark : public QWidget {
    Q_OBJECT

public:
    // Black, with a white line next to the control, so that one of the two
    // stands out against any control and the grey window alike.
    static constexpr int DarkPixels = 3;
    static constexpr int LightPixels = 1;

    FocusMark(QWidget& window, const Zoom& zoom);

    // Whether the mark is wanted: after a key, not after a mouse click.
    void SetKeyboardInUse(bool inUse);
    // Puts the mark around the window's focused control, or hides it.
    void Follow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& window_;
    const Zoom& zoom_;
    bool keyboardInUse_ = false;
};

}  // namespace bridging::ui
