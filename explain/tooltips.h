// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts shown when the pointer rests on a part of the window, computed from
// the core's state at that moment. The same texts serve as accessible descriptions.
#pragma once

#include <string>

#include "driver/demo.h"

namespace bridging::explain {

// A bridge's port row (lblPortA / lblPortB): what the port's state means now
// and which stations it has learned.
std::string PortRowTip(const Bridge& bridge, int port);
// A bridge's "total:best" label of one port.
std::string CostPairTip(const Bridge& bridge, int port);
// A bridge's port cost label.
std::string PortCostTip(const Bridge& bridge, int port);
// The name label and the body: whom the bridge takes for the root and why its
// ports are blocked, if they are.
std::string BridgeTip(const Bridge& bridge);
// The root button.
std::string RootButtonTip(const Bridge& bridge);

// A station's letter button and its Send button; index 0 is station A.
std::string StationLetterTip(const Simulation& demo, int index);
std::string SendTip(const Simulation& demo, int index);

// A token: its frame in words.
std::string TokenTip(const Packet& token);

// The segments (lneNetA) and the link lines (Line1).
std::string SegmentTip();
std::string LinkLineTip();

}  // namespace bridging::explain
