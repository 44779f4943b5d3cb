// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeping moments, bringing them back from the keyframe before them, and
// forgetting the oldest ones within the limits.
#include "history/history.h"

#include <algorithm>
#include <string>

namespace bridging::history {

namespace {

std::size_t HeapOf(const std::string& text) {
    // Short texts live inside the string itself.
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

// The heap a kept state holds besides its own bytes: the scenario list and the
// texts that outgrow a string's own room (a long typed name, a table of
// characters beyond ASCII).
std::size_t HeapBytesOf(const Simulation& state) {
    const ComboBoxState& combo = state.controls.Combo1;
    std::size_t bytes = HeapOf(combo.text) + combo.list.capacity() * sizeof(std::string);
    for (const std::string& entry : combo.list) bytes += HeapOf(entry);
    for (const Bridge& bridge : state.Bridge1) {
        bytes += HeapOf(bridge.PortAString()) + HeapOf(bridge.PortBString());
        bytes += HeapOf(bridge.Face().lblPortA.text) + HeapOf(bridge.Face().lblPortB.text);
    }
    return bytes;
}

std::size_t KeyframeBytes(const Simulation& state) {
    return sizeof(Simulation) + HeapBytesOf(state);
}

}  // namespace

History::History(const Simulation& start) : newest_(start) {
    moments_.push_back({start.tickCount, false, true});
    PushKeyframe(0, start);
}

void History::PushKeyframe(Moment moment, const Simulation& state) {
    keyframes_.push_back({moment, state});
    keyframeBytes_ += KeyframeBytes(state);
}

void History::PopKeyframe(bool oldest) {
    const Keyframe& gone = oldest ? keyframes_.front() : keyframes_.back();
    keyframeBytes_ -= KeyframeBytes(gone.state);
    if (oldest) {
        keyframes_.pop_front();
    } else {
        keyframes_.pop_back();
    }
}

void History::AddTick(const Simulation& after, bool marked) {
    const bool keyframe = ++ticksSinceKeyframe_ >= TicksBetweenKeyframes;
    Add(after, marked, keyframe);
}

void History::AddAction(const Simulation& after, bool marked) { Add(after, marked, true); }

void History::MarkNewest() {
    if (moments_.back().marked) return;
    moments_.back().marked = true;
    marks_.push_back(Newest());
}

void History::Add(const Simulation& after, bool marked, bool keyframe) {
    newest_ = after;
    moments_.push_back({after.tickCount, false, keyframe});
    if (marked) MarkNewest();
    if (keyframe) {
        PushKeyframe(Newest(), after);
        ticksSinceKeyframe_ = 0;
    }
    DropOldest();
}

// Whole stretches from one keyframe to the next go together, so that the
// oldest moment held always has its keyframe.
void History::DropOldest() {
    while (keyframes_.size() > 1) {
        const std::size_t stretch = keyframes_[1].moment - keyframes_[0].moment;
        const bool tooMany = moments_.size() - stretch >= LeastMoments;
        if (!tooMany && Bytes() <= MostBytes) return;
        moments_.erase(moments_.begin(), moments_.begin() + static_cast<std::ptrdiff_t>(stretch));
        PopKeyframe(true);
        first_ += stretch;
        while (!marks_.empty() && marks_.front() < first_) marks_.pop_front();
    }
}

const History::Keyframe& History::KeyframeOf(Moment moment) const {
    const auto after =
        std::upper_bound(keyframes_.begin(), keyframes_.end(), moment,
                         [](Moment m, const Keyframe& keyframe) { return m < keyframe.moment; });
    return *(after - 1);
}

Simulation History::At(Moment moment) const {
    moment = std::clamp(moment, Oldest(), Newest());
    if (moment == Newest()) return newest_;
    const Keyframe& keyframe = KeyframeOf(moment);
    if (keyframe.moment == moment) return keyframe.state;
    Demo replay(keyframe.state);
    // Every moment between keyframes is a tick; a paused one was a Step.
    for (Moment m = keyframe.moment; m < moment; ++m) replay.NextTick();
    return replay.State();
}

MomentFacts History::Facts(Moment moment) const {
    const Entry& entry = moments_[std::clamp(moment, Oldest(), Newest()) - first_];
    return {entry.tick, entry.marked};
}

void History::DropAfter(Moment moment) {
    if (moment < Oldest() || moment >= Newest()) return;
    newest_ = At(moment);
    moments_.resize(moment - first_ + 1);
    while (!marks_.empty() && marks_.back() > moment) marks_.pop_back();
    while (keyframes_.back().moment > moment) PopKeyframe(false);
    ticksSinceKeyframe_ = moment - keyframes_.back().moment;
}

std::size_t History::Bytes() const {
    return moments_.size() * sizeof(Entry) + keyframeBytes_ + KeyframeBytes(newest_);
}

}  // namespace bridging::history
