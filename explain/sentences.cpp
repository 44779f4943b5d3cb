// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One function per kind of decision, each turning a record into a sentence,
// and the table that picks between them.
#include "explain/sentences.h"

#include <array>
#include <cstddef>

#include "common/value.h"
#include "explain/names.h"

namespace bridging::explain {

namespace {

std::string Who(const Decision& d) { return BridgeName(d.bridgeNumber); }
std::string OtherPort(const Decision& d) { return PortName(d.port == 0 ? 1 : 0); }
std::string FrameLabel(const Decision& d) { return "the frame " + d.frame.label; }
std::string DestinationLetter(const Decision& d) { return StationLetter(d.frame.destination); }
std::string CostOrUnknown(double cost) {
    return cost > LargestKnownCost ? "unknown" : NumberText(cost);
}

std::string StationSends(const Decision& d) {
    return "Station " + StationLetter(d.station) + " sends " + FrameLabel(d) + " to " +
           StationName(d.frame.destination) + ".";
}

std::string FrameArrives(const Decision& d) {
    return "The frame " + d.frame.label + " reaches " + StationName(d.station) + ": " +
           StationLetter(d.station) + " turns red.";
}

std::string SendIgnored(const Decision& d) {
    const std::string letter = StationLetter(d.station);
    return "Station " + letter + "'s Send is ignored: " + letter +
           " is still red from the frame that arrived.";
}

std::string Learns(const Decision& d) {
    return Who(d) + " learns " + StationLetter(d.station) + " on " + PortWithSide(d.port) + ".";
}

std::string Forgets(const Decision& d) {
    const std::string letter = StationLetter(d.station);
    return Who(d) + " forgets " + letter + " on " + PortWithSide(d.port) + ": " + letter +
           " now sends from the other side.";
}

std::string Filters(const Decision& d) {
    return Who(d) + " knows " + DestinationLetter(d) + " is on " + PortWithSide(d.port) +
           ", where the frame came from: filters " + FrameLabel(d) + ".";
}

std::string Forwards(const Decision& d) {
    return Who(d) + " knows " + DestinationLetter(d) + " is beyond " + OtherPort(d) +
           ": forwards " + FrameLabel(d) + " out of " + OtherPort(d) + ".";
}

std::string Floods(const Decision& d) {
    return Who(d) + " does not know " + DestinationLetter(d) + ": floods " + FrameLabel(d) +
           " out of " + OtherPort(d) + ".";
}

std::string HeldByBlocking(const Decision& d) {
    return Who(d) + " does not pass " + FrameLabel(d) + ": " + OtherPort(d) +
           " is Blocking because Forwarding is off.";
}

std::string HeldByBlocked(const Decision& d) {
    return Who(d) + " does not pass " + FrameLabel(d) + ": " + OtherPort(d) +
           " is Blocked by the spanning tree.";
}

std::string Originates(const Decision& d) {
    return Who(d) + " sends spanning-tree frames out of both ports: root " + NumberText(d.root) +
           ", cost " + NumberText(d.cost) + ".";
}

std::string AdoptsRoot(const Decision& d) {
    std::string text = Who(d) + " hears of bridge " + NumberText(d.root) + " on " +
                       PortWithSide(d.port) + ", lower than its root " + NumberText(d.previous) +
                       ": it takes bridge " + NumberText(d.root) + " for the root";
    return text + (d.wasBlocked ? " and its ports are no longer Blocked." : ".");
}

std::string UpdatesTotal(const Decision& d) {
    return Who(d) + "'s cost to root " + NumberText(d.root) + " through " + PortName(d.port) +
           " is now " + NumberText(d.cost) + " (was " + CostOrUnknown(d.previous) + ").";
}

std::string UpdatesBest(const Decision& d) {
    return Who(d) + "'s best cost to root " + NumberText(d.root) + " on the " +
           (d.port == 0 ? "upper" : "lower") + " side is now " + NumberText(d.cost) + " (was " +
           CostOrUnknown(d.previous) + ").";
}

std::string Blocks(const Decision& d) {
    const std::string start =
        Who(d) + " blocks both ports: bridge " + NumberText(d.frame.sender) + " offers ";
    const std::string own = NumberText(d.previous);
    switch (d.block) {
        case BlockReason::TieLowerNumber:
            return start + "the same segment cost " + NumberText(d.cost) + " as its own " + own +
                   " through " + PortName(d.throughPort) + ", and " + NumberText(d.frame.sender) +
                   " is the lower bridge number.";
        case BlockReason::BelowEqualTotals:
            return start + "the lower segment cost " + NumberText(d.cost) + ", less than its own " +
                   own + " through either port.";
        default:
            return start + "the lower segment cost " + NumberText(d.cost) + ", less than its own " +
                   own + " through " + PortName(d.throughPort) + ".";
    }
}

std::string IgnoresWorseRoot(const Decision& d) {
    return Who(d) + " ignores " + FrameLabel(d) + " on " + PortWithSide(d.port) +
           ": it names root " + NumberText(d.root) + ", higher than its own root " +
           NumberText(d.previous) + ".";
}

std::string RunOutOfPackets(const Decision&) {
    return "\"Run Out of Packets\": all 16 frame tokens are in use, so every frame is removed.";
}

std::string NoSegmentBelow(const Decision& d) {
    return "\"Can't find Segment below Computer\": " + StationName(d.station) +
           " has no segment below it, so its frame is not sent.";
}

std::string Kill(const Decision&) {
    return "Kill: every frame is removed; the bridges keep their tables and states.";
}

std::string Reset(const Decision&) {
    return "Reset: the network is built afresh, with Learning and Forwarding off.";
}

std::string Renumber(const Decision& d) {
    return "Renumber: " + Who(d) + " now costs " + NumberText(d.cost) +
           " on both ports, takes itself for the root and has empty tables.";
}

std::string ScenarioBuilt(const Decision& d) {
    if (d.text.empty()) return "No network has that name: nothing is shown.";
    return "The network \"" + d.text +
           "\" is built: every bridge is its own root and knows no station.";
}

std::string LearningSwitched(const Decision& d) {
    if (d.on) return "Learning on: bridges note on which side each sender lies.";
    return "Learning off: bridges keep their tables but learn nothing new.";
}

std::string ForwardingSwitched(const Decision& d) {
    if (d.on) return "Forwarding on: bridges pass frames through every port not Blocked.";
    return "Forwarding off: no frame crosses a bridge.";
}

std::string Paused(const Decision&) { return "Paused: the frames stand still."; }
std::string Resumed(const Decision&) { return "Resumed: the frames move on."; }

std::string WentBack(const Decision& d) {
    return "Went back to tick " + NumberText(d.previous) + ": the later moments are gone";
}

std::string StoppedBefore(const Decision& d) { return d.text; }

std::string Receives(const Decision& d) {
    return Who(d) + " receives " + FrameLabel(d) + " on " + PortWithSide(d.port) + ".";
}

using Words = std::string (*)(const Decision&);

// In the order of DecisionKind.
constexpr std::array<Words, 29> WordsByKind = {StationSends,
                                               FrameArrives,
                                               SendIgnored,
                                               Learns,
                                               Forgets,
                                               Filters,
                                               Forwards,
                                               Floods,
                                               HeldByBlocking,
                                               HeldByBlocked,
                                               Originates,
                                               AdoptsRoot,
                                               UpdatesTotal,
                                               UpdatesBest,
                                               Blocks,
                                               IgnoresWorseRoot,
                                               RunOutOfPackets,
                                               NoSegmentBelow,
                                               Kill,
                                               Reset,
                                               Renumber,
                                               ScenarioBuilt,
                                               LearningSwitched,
                                               ForwardingSwitched,
                                               Paused,
                                               Resumed,
                                               Receives,
                                               WentBack,
                                               StoppedBefore};
static_assert(WordsByKind.size() == static_cast<std::size_t>(DecisionKind::StoppedBefore) + 1,
              "every kind of decision needs its words");

}  // namespace

std::string Sentence(const Decision& decision) {
    const auto kind = static_cast<std::size_t>(decision.kind);
    if (kind >= WordsByKind.size()) return "";
    return WordsByKind[kind](decision);
}

}  // namespace bridging::explain
