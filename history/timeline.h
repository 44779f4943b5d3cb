// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's way through the simulation's time: it keeps a moment after every
// live tick and user action, puts a past moment back on demand, replays the
// kept moments, and starts a new future when the user acts in the past.
#pragma once

#include "driver/demo.h"
#include "history/history.h"

namespace bridging::history {

class Timeline {
public:
    // Moment 0 is the demo's state now, after start-up.
    explicit Timeline(Demo& demo);

    // After a live tick or user action: keeps the moment it made, if it changed
    // the simulation; `marked` puts a mark on the timeline there. Returns the
    // moment that the action's log lines belong to.
    Moment Keep(bool marked);

    Moment Shown() const { return shown_; }
    Moment Oldest() const { return history_.Oldest(); }
    Moment Newest() const { return history_.Newest(); }
    bool LookingBack() const { return shown_ != history_.Newest(); }
    bool Replaying() const { return replaying_; }
    // Whether the window's timer fires, and how often: while replaying at the
    // chosen speed, otherwise as the live simulation runs.
    bool Ticking() const { return replaying_ || (!LookingBack() && demo_.State().Running()); }
    int IntervalMs() const;
    const History& Kept() const { return history_; }

    // Puts the demo at a moment held, the nearest one held otherwise; a replay
    // under way stops. Going back from a running present pauses it first, as
    // Pause does, so that the moment of the pause is kept too.
    void GoTo(Moment moment);
    void Back(Moment count);
    void Forward(Moment count);

    // Before a user action while looking back: forgets the moments after the
    // one shown, so that the action starts a new future from it. False (and
    // nothing forgotten) at the present.
    bool StartNewFuture();

    // Resume while looking back: the kept moments come back one per tick of
    // the window's timer, at the chosen speed, and at the newest one the
    // simulation runs on live at that speed.
    void StartReplay();
    void StopReplay() { replaying_ = false; }
    void ReplayNext();
    // The speed of a replay; Faster and Slower change it while looking back.
    int ReplaySpeed() const { return replaySpeed_; }
    void SetReplaySpeed(int speed);

private:
    void PauseLive();
    void Show(Moment moment);

    Demo& demo_;
    History history_;
    Moment shown_ = 0;
    bool replaying_ = false;
    int replaySpeed_ = NormalSpeed;
};

}  // namespace bridging::history
