// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tooltip texts: a few plain sentences on what a part of the window shows now
// and why, with the numbers it shows.
#include "explain/tooltips.h"

#include "explain/names.h"

namespace bridging::explain {

namespace {

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

std::string OtherSide(int port) { return port == 0 ? "lower side" : "upper side"; }

std::string LearnedSentence(const Port& side) {
    const std::string list = LearnedList(side.table);
    if (list.empty()) return "It has learned no station on this side yet.";
    return "It has learned that " + list + (list.size() > 1 ? " are" : " is") + " on this side.";
}

std::string StateSentence(const Bridge& bridge, int index) {
    const std::string port = Capitalised(PortWithSide(index));
    const std::int32_t state = bridge.PortOf(index).state;
    if (state == PortForwarding) {
        return port + " is forwarding: a frame arriving here crosses to the " + OtherSide(index) +
               " unless its destination was learned on this side.";
    }
    if (state == PortBlocked) {
        return port + " is Blocked by the spanning tree: another bridge offers the way to root " +
               NumberText(RootOf(bridge)) +
               ", so this bridge passes no frame until it hears of a lower root, or until Renumber "
               "or Reset.";
    }
    return port + " is Blocking: Forwarding is off, so no frame crosses this bridge.";
}

std::string ProvenanceOfBest(int port) {
    return "the lowest cost to the root on the " + std::string(port == 0 ? "upper" : "lower") +
           " side, offered by a bridge there or by this one through its other port";
}

}  // namespace

std::string PortRowTip(const Bridge& bridge, int port) {
    std::string tip = StateSentence(bridge, port) + " " + LearnedSentence(bridge.PortOf(port));
    if (!bridge.bLearn()) tip += " Learning is off, so it learns no new station.";
    return tip;
}

std::string CostPairTip(const Bridge& bridge, int port) {
    const Port& side = bridge.PortOf(port);
    const std::string root = NumberText(RootOf(bridge));
    if (IsOwnRoot(bridge)) {
        return "0:0: this bridge takes itself for the root, so its cost to the root is 0 on both "
               "sides.";
    }
    if (!KnowsPath(side.total)) {
        return "X:X: no spanning-tree frame from root " + root + " has reached " + PortName(port) +
               " yet, so the cost to the root that way is unknown.";
    }
    std::string tip = NumberText(side.total) + ":" + NumberText(side.best) + ": the cost to root " +
                      root + " through " + PortName(port) + " is " + NumberText(side.total) +
                      " (the lowest cost announced on this side plus the port's cost " +
                      NumberText(side.cost) + "); " + NumberText(side.best) + " is " +
                      ProvenanceOfBest(port) + ".";
    if (IsRootPort(bridge, port))
        tip += " This is the bridge's root port, its cheapest way to the root.";
    return tip;
}

std::string PortCostTip(const Bridge& bridge, int port) {
    const Port& side = bridge.PortOf(port);
    return "Cost of " + PortName(port) + ": " + NumberText(side.cost) +
           ". A path to the root through this port costs the lowest cost announced on this side "
           "plus " +
           NumberText(side.cost) + ".";
}

std::string BridgeTip(const Bridge& bridge) {
    const std::string name = BridgeName(bridge.BridgeNumber());
    const std::string root = NumberText(RootOf(bridge));
    std::string tip =
        IsOwnRoot(bridge)
            ? name + " takes itself for the root: it has heard of no lower bridge number."
            : name + " takes bridge " + root +
                  " for the root: the lowest bridge number it has heard of.";
    if (bridge.PortAState() == PortBlocked) {
        tip +=
            " Both its ports are Blocked: on the side away from its way to the root, another "
            "bridge offered a path to root " +
            root + " as cheap as its own or cheaper, so this bridge is not needed.";
    }
    return tip;
}

std::string RootButtonTip(const Bridge& bridge) {
    return BridgeTip(bridge) +
           " Press to send spanning-tree frames out of both ports, naming root " +
           NumberText(RootOf(bridge)) + ".";
}

std::string StationLetterTip(const Simulation& demo, int index) {
    const Computer& station = demo.Computer1[static_cast<std::size_t>(index)];
    const std::string letter = station.Command1().caption;
    const std::string destination = StationLetter(demo.iSelectedStation());
    std::string tip =
        demo.iSelectedStation() == index + 1
            ? "Station " + letter + " is the destination: every Send goes to " + letter + "."
            : "Press to make station " + letter + " the destination of new frames (now " +
                  destination + ").";
    if (station.Number() == Computer::Marked) {
        tip += " Red: a frame for " + letter + " has arrived.";
    }
    return tip;
}

std::string SendTip(const Simulation& demo, int index) {
    const Computer& station = demo.Computer1[static_cast<std::size_t>(index)];
    const std::string letter = station.Command1().caption;
    if (station.Number() == Computer::Marked) {
        return "Send does nothing while " + letter +
               " is red; the mark goes when another frame passes by, or on Kill.";
    }
    return "Send a frame from " + letter + " to " + StationLetter(demo.iSelectedStation()) +
           ", the destination.";
}

std::string TokenTip(const Packet& token) {
    if (token.IsSpanningTreeFrame()) {
        return "Spanning-tree frame from bridge " + NumberText(SenderOfColour(token.Colour())) +
               ": root " + NumberText(token.Source()) + ", cost " + NumberText(token.Cost());
    }
    // The frame carries a hop budget, but no bridge ever counts it down: saying
    // how many hops it has left would teach the opposite of the loop exercise.
    return "Frame from " + StationLetter(token.Source()) + " to " +
           StationLetter(token.Destination()) + ", " + MotionWords(token) +
           ". Bridges do not count a frame's hops, so a frame caught in a loop circles until "
           "Kill.";
}

std::string SegmentTip() {
    return "A segment: one shared cable. A frame on it runs to both ends, and every station and "
           "bridge on it hears the frame.";
}

std::string LinkLineTip() {
    return "A link line joins a bridge's port to a segment: frames go along it between the "
           "segment and the bridge.";
}

}  // namespace bridging::explain
