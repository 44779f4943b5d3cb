// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accessible names: short, stating the part and what it shows, so that a
// change of state is a change of name a screen reader can announce.
#include "explain/accessible.h"

#include "explain/names.h"

namespace bridging::explain {

std::string TokenName(const Packet& token) {
    if (token.IsSpanningTreeFrame()) {
        return "Spanning-tree frame " + token.ContentsText() + ", root " +
               NumberText(token.Source()) + ", cost " + NumberText(token.Cost());
    }
    return "Frame " + token.ContentsText() + ", from " + StationLetter(token.Source()) + " to " +
           StationLetter(token.Destination()) + ", " + MotionWords(token);
}

std::string PortRowName(const Bridge& bridge, int port) {
    const Port& side = bridge.PortOf(port);
    const std::string list = LearnedList(side.table);
    return PortHeading(port) + ": " + PortStateWord(side.state) + ", " +
           (list.empty() ? "learned nothing" : "learned " + list);
}

std::string CostPairName(const Bridge& bridge, int port) {
    const Port& side = bridge.PortOf(port);
    const std::string heading = port == 0 ? "Port A: " : "Port B: ";
    if (IsOwnRoot(bridge)) return heading + "this bridge is the root, cost 0";
    if (!KnowsPath(side.total)) return heading + "cost to the root not known yet";
    return heading + "cost to the root " + NumberText(side.total) + ", best on this side " +
           NumberText(side.best);
}

std::string PortCostName(const Bridge& bridge, int port) {
    return (port == 0 ? "Port A cost " : "Port B cost ") + NumberText(bridge.PortOf(port).cost);
}

std::string RootButtonName(const Bridge& bridge) {
    return BridgeName(bridge.BridgeNumber()) + ", root " + NumberText(RootOf(bridge)) +
           ": send spanning-tree frames";
}

std::string StationLetterName(const Simulation& demo, int index) {
    const Computer& station = demo.Computer1[static_cast<std::size_t>(index)];
    std::string name = "Station " + station.Command1().caption;
    name += demo.iSelectedStation() == index + 1 ? ", the destination" : ", not the destination";
    if (station.Number() == Computer::Marked) name += ", a frame has arrived";
    return name;
}

std::string SendName(const Simulation& demo, int index) {
    const Computer& station = demo.Computer1[static_cast<std::size_t>(index)];
    if (station.Number() == Computer::Marked) {
        return "Send from " + station.Command1().caption + ", waiting: a frame has arrived";
    }
    return "Send a frame from " + station.Command1().caption + " to " +
           StationLetter(demo.iSelectedStation());
}

}  // namespace bridging::explain
