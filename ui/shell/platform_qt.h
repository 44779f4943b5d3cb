// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform under the window's logic on Qt: the QTimer that fires Timer1
// and the dispatcher's message as a QMessageBox.
#pragma once

#include <QTimer>
#include <functional>

#include "driver/demo.h"

class QWidget;

namespace bridging::ui {

// The QTimer behind Timer1. It follows the simulation rather than leading it:
// it runs while the simulation runs, at its speed's interval, and sleeps
// besides while a tick would find nothing to do, so that an idle window does
// not wake up.
class QtTickTimer {
public:
    QtTickTimer();
    // Called after every action and tick.
    void Follow(bool running, int intervalMs, bool idle);
    QTimer& Timer() { return timer_; }

private:
    QTimer timer_;
};

// Opens a box with the message and an OK button only, in the window's font
// and with the application's name as title, modal for the whole program but
// without an event loop of its own: it returns at once, and `closed` runs when
// the box has been answered.
void OpenMessageBox(QWidget& window, MessageKind kind, std::function<void()> closed);

}  // namespace bridging::ui
