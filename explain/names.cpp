// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The shared naming rules of the explanations.
#include "explain/names.h"

namespace bridging::explain {

std::string BridgeName(double bridgeNumber) { return "Bridge #" + NumberText(bridgeNumber); }

std::string PortName(int port) { return port == 0 ? "port A" : "port B"; }

std::string PortWithSide(int port) {
    return port == 0 ? "port A (upper side)" : "port B (lower side)";
}

std::string PortHeading(int port) {
    return port == 0 ? "Port A, upper side" : "Port B, lower side";
}

std::string StationLetter(double stationNumber) {
    return CharacterOf(64 + RoundHalfEven(stationNumber));
}

std::string StationName(double stationNumber) { return "station " + StationLetter(stationNumber); }

std::string LearnedList(const StationTable& table) {
    std::string list;
    for (const std::int16_t station : table) {
        if (station < 0) continue;
        if (!list.empty()) list += ", ";
        list += StationLetter(station);
    }
    return list;
}

bool IsRootPort(const Bridge& bridge, int port) {
    const RootPortChoice root = bridge.ChosenRootPort();
    return port == PortA ? root == RootPortChoice::PortA : root == RootPortChoice::PortB;
}

double RootOf(const Bridge& bridge) { return bridge.RootBridge().value_or(0.0); }

bool IsOwnRoot(const Bridge& bridge) { return RootOf(bridge) == bridge.BridgeNumber(); }

std::string MotionWords(const Packet& token) {
    if (token.XOffset() > 0) return "moving right";
    if (token.XOffset() < 0) return "moving left";
    if (token.YOffset() > 0) return "moving down";
    if (token.YOffset() < 0) return "moving up";
    return "standing still";
}

std::string PortStateWord(std::int32_t state) {
    if (state == PortForwarding) return "forwarding";
    if (state == PortBlocked) return "blocked";
    return "blocking";
}

}  // namespace bridging::explain
