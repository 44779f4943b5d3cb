// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The timeline's sentences.
#include "explain/timeline.h"

namespace bridging::explain {

namespace {

std::string Count(std::uint64_t n) { return std::to_string(n); }

std::string Frames(int framesInFlight) {
    return framesInFlight == 1 ? "1 frame in flight"
                               : std::to_string(framesInFlight) + " frames in flight";
}

}  // namespace

std::string TimeStatus(std::uint64_t tick, std::uint64_t newestTick, bool lookingBack) {
    if (!lookingBack) return "Now: tick " + Count(tick);
    return "Looking back: " + TimelineValue(tick, newestTick);
}

std::string TimelineValue(std::uint64_t tick, std::uint64_t newestTick) {
    return "tick " + Count(tick) + " of " + Count(newestTick);
}

std::string MovedInTime(std::uint64_t tick, int framesInFlight, bool lookingBack) {
    if (!lookingBack) return "Back to now, tick " + Count(tick) + ": " + Frames(framesInFlight);
    return "Back at tick " + Count(tick) + ": " + Frames(framesInFlight);
}

std::string LogLineTip(bool held) {
    if (!held) return "The moment of this line is no longer kept: only the latest moments are.";
    return "Click, or press Return, to go to the moment just before this line, paused; Ctrl+. "
           "then shows it happen.";
}

}  // namespace bridging::explain
