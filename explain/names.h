// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the explanations name things: the way the window labels them, so that a
// sentence and the picture beside it use the same words.
#pragma once

#include <cstdint>
#include <string>

#include "bridge/bridge.h"

namespace bridging::explain {

// "Bridge #2": the bridge's number as its name label shows it.
std::string BridgeName(double bridgeNumber);
// "port A" or "port B"; any port other than 0 is port B, as for a frame's arrival.
std::string PortName(int port);
// "port A (upper side)".
std::string PortWithSide(int port);
// "Port A, upper side": the start of a name read on its own.
std::string PortHeading(int port);
// The letter of a station by its number in frames (1 is A).
std::string StationLetter(double stationNumber);
// "station C".
std::string StationName(double stationNumber);
// "A, B" for a learning table, most recent first; empty when nothing is learned.
std::string LearnedList(const StationTable& table);
// Whether `port` is the bridge's root port, its cheapest way to the root.
bool IsRootPort(const Bridge& bridge, int port);
// Whether the bridge takes itself for the root.
bool IsOwnRoot(const Bridge& bridge);
// The root the bridge takes, as its root button shows it.
double RootOf(const Bridge& bridge);

// "moving right", "moving up"; "standing still" for a token without motion.
std::string MotionWords(const Packet& token);

// "forwarding", "blocked" or "blocking", as the port's label reads in lower case.
std::string PortStateWord(std::int32_t state);

}  // namespace bridging::explain
