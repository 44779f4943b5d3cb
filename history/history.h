// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The simulation's past: the state after every tick and every user action since
// the oldest moment kept, each brought back exactly on demand. Most moments are
// ticks, which the state before them explains, so only every so many ticks and
// every user action's state is kept whole; the ticks in between are run again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "driver/demo.h"

namespace bridging::history {

// A moment's place in the run: 0 is the state after start-up, and each tick or
// action that changes the simulation adds one. Numbers are not reused unless the
// moments after one are dropped to start a new future.
using Moment = std::uint64_t;

// What the timeline shows of a moment without bringing it back.
struct MomentFacts {
    std::uint64_t tick = 0;  // the simulation's tick count then
    bool marked = false;     // a landmark decision (IsLandmark) was taken in it
};

class History {
public:
    // Ten minutes at double speed, and the memory that may take at most.
    static constexpr std::size_t LeastMoments = 12'000;
    static constexpr std::size_t MostBytes = std::size_t{16} << 20;
    // At most this many ticks are run again to bring a moment back.
    static constexpr std::size_t TicksBetweenKeyframes = 64;

    explicit History(const Simulation& start);

    Moment Oldest() const { return first_; }
    Moment Newest() const { return first_ + moments_.size() - 1; }
    bool Holds(Moment moment) const { return moment >= Oldest() && moment <= Newest(); }
    const Simulation& NewestState() const { return newest_; }

    // The newest state went through one tick and became `after`.
    void AddTick(const Simulation& after, bool marked);
    // Anything else changed it: a user action.
    void AddAction(const Simulation& after, bool marked);
    // Marks the newest moment, for what its tick or action brought about.
    void MarkNewest();
    // The marked moments held, oldest first.
    const std::deque<Moment>& Marks() const { return marks_; }

    // The state at a moment held; the newest when `moment` is later, the
    // oldest when it is earlier.
    Simulation At(Moment moment) const;
    MomentFacts Facts(Moment moment) const;
    // Forgets every moment after `moment`, to start a new future from it.
    void DropAfter(Moment moment);

    // What the moments held take, about; kept within MostBytes.
    std::size_t Bytes() const;
    std::size_t Keyframes() const { return keyframes_.size(); }

private:
    struct Entry {
        std::uint64_t tick;
        bool marked;
        bool keyframe;
    };
    struct Keyframe {
        Moment moment;
        Simulation state;
    };

    void Add(const Simulation& after, bool marked, bool keyframe);
    void PushKeyframe(Moment moment, const Simulation& state);
    void PopKeyframe(bool oldest);
    // The keyframe a moment is brought back from: the last at or before it.
    const Keyframe& KeyframeOf(Moment moment) const;
    void DropOldest();

    Moment first_ = 0;
    std::deque<Entry> moments_;
    std::deque<Keyframe> keyframes_;
    std::deque<Moment> marks_;
    std::size_t ticksSinceKeyframe_ = 0;
    std::size_t keyframeBytes_ = 0;
    Simulation newest_;
};

}  // namespace bridging::history
