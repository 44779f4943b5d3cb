// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of going back in time: where the window stands in the kept past,
// what a move in time brings, and what a line of the log offers.
#pragma once

#include <cstdint>
#include <string>

namespace bridging::explain {

// "Looking back: tick 120 of 300"; at the present, "Now: tick 300".
std::string TimeStatus(std::uint64_t tick, std::uint64_t newestTick, bool lookingBack);
// The timeline's value as a screen reader reads it: "tick 120 of 300".
std::string TimelineValue(std::uint64_t tick, std::uint64_t newestTick);
// Said after each move in time: "Back at tick 120: 3 frames in flight".
std::string MovedInTime(std::uint64_t tick, int framesInFlight, bool lookingBack);
// A log line's tooltip: how to go to its moment, or that it is no longer kept.
std::string LogLineTip(bool held);

}  // namespace bridging::explain
