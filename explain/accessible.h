// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The names a screen reader speaks for the parts of the window that only show
// state: each says what the part is and what it shows now.
#pragma once

#include <string>

#include "driver/demo.h"

namespace bridging::explain {

// "Frame C:A, from A to C, moving right"; "Spanning-tree frame S:1:0, root 1, cost 0".
std::string TokenName(const Packet& token);
// "Port A, upper side: forwarding, learned A, B".
std::string PortRowName(const Bridge& bridge, int port);
// "Port A: cost to the root 2, best on this side 0".
std::string CostPairName(const Bridge& bridge, int port);
// "Port A cost 5".
std::string PortCostName(const Bridge& bridge, int port);
// "Bridge #2, root 1: send spanning-tree frames".
std::string RootButtonName(const Bridge& bridge);
// "Station C, the destination, a frame has arrived"; index 0 is station A.
std::string StationLetterName(const Simulation& demo, int index);
// "Send a frame from A to C".
std::string SendName(const Simulation& demo, int index);

}  // namespace bridging::explain
