// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The platform under the window's logic on Qt: the QTimer that fires Timer1
// and the dispatcher's message as a QMessageBox.
#pragma once

#include <QTimer>
#include <functional>

#include <vector>

#include "session/session.h"

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

// The dispatcher's messages as boxes with the message and an OK button only, in
// the window's font and with the application's name as title, modal for the
// whole program but without an event loop of their own. While one is open the
// window still shows the moment before, and what the session brought about
// meanwhile waits; each box answered is OK for the session, and once the last
// is closed the outcomes that waited are shown.
class MessageBoxes {
public:
    MessageBoxes(QWidget& window, session::Session& session, QtTickTimer& timer,
                 std::function<void(session::Outcome)> show)
        : window_(window), session_(session), timer_(timer), show_(std::move(show)) {}

    // True when the outcome waits for a message to be closed.
    bool Hold(session::Outcome& outcome);

private:
    void Open();
    void Closed();

    QWidget& window_;
    session::Session& session_;
    QtTickTimer& timer_;
    std::function<void(session::Outcome)> show_;
    std::vector<session::Outcome> waiting_;
};

}  // namespace bridging::ui
