// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving the demo through its kept moments: going back and forth, replaying,
// and giving up the later moments when the past is changed.
#include "history/timeline.h"

#include <algorithm>

namespace bridging::history {

Timeline::Timeline(Demo& demo)
    : demo_(demo), history_(demo.State()), replaySpeed_(demo.State().Speed()) {}

Moment Timeline::Keep(bool marked) {
    const Simulation& before = history_.NewestState();
    const Simulation& now = demo_.State();
    if (now.tickCount == before.tickCount + 1) {
        history_.AddTick(now, marked);
    } else if (!(now == before)) {
        history_.AddAction(now, marked);
    } else if (marked) {
        // A decision worth a mark without a change: a message whose Kill found
        // nothing to clear.
        history_.MarkNewest();
    }
    shown_ = history_.Newest();
    replaySpeed_ = demo_.State().Speed();
    return shown_;
}

int Timeline::IntervalMs() const {
    if (!replaying_) return demo_.State().IntervalMs();
    return SpeedIntervalsMs[static_cast<std::size_t>(replaySpeed_)];
}

void Timeline::Show(Moment moment) {
    shown_ = std::clamp(moment, history_.Oldest(), history_.Newest());
    demo_.Restore(history_.At(shown_));
}

void Timeline::PauseLive() {
    if (LookingBack() || !demo_.State().Running()) return;
    demo_.btnPause_Click();
    Keep(false);
}

void Timeline::GoTo(Moment moment) {
    replaying_ = false;
    if (moment < shown_) PauseLive();
    Show(moment);
}

void Timeline::Back(Moment count) {
    replaying_ = false;
    PauseLive();
    Show(shown_ - std::min(count, shown_ - history_.Oldest()));
}

void Timeline::Forward(Moment count) {
    replaying_ = false;
    Show(shown_ + std::min(count, history_.Newest() - shown_));
}

bool Timeline::StartNewFuture() {
    if (!LookingBack()) return false;
    replaying_ = false;
    history_.DropAfter(shown_);
    return true;
}

void Timeline::StartReplay() {
    if (!LookingBack()) return;
    replaying_ = true;
}

void Timeline::SetReplaySpeed(int speed) {
    if (speed >= 0 && speed < static_cast<int>(SpeedIntervalsMs.size())) replaySpeed_ = speed;
}

void Timeline::ReplayNext() {
    if (!replaying_) return;
    Show(shown_ + 1);
    if (LookingBack()) return;
    replaying_ = false;
    const int speed = replaySpeed_;
    demo_.SetSpeed(speed);
    if (!demo_.State().Running()) demo_.btnPause_Click();
    Keep(false);
}

}  // namespace bridging::history
