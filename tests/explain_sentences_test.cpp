// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words for every kind of decision, from records as the core fills them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explain/sentences.h"

namespace bridging {
namespace {

Decision Of(DecisionKind kind) {
    Decision d;
    d.kind = kind;
    return d;
}

Decision AtBridge(DecisionKind kind, double number, int port) {
    Decision d = Of(kind);
    d.element = ElementKind::Bridge;
    d.bridgeNumber = number;
    d.port = port;
    return d;
}

Decision WithFrame(Decision d, const std::string& label, double source, int destination) {
    d.frame.label = label;
    d.frame.source = source;
    d.frame.destination = static_cast<std::int16_t>(destination);
    return d;
}

Decision AtStation(DecisionKind kind, double station) {
    Decision d = Of(kind);
    d.element = ElementKind::Station;
    d.station = station;
    return d;
}

Decision Block(BlockReason reason, int through, int cost, int own, double sender) {
    Decision d = AtBridge(DecisionKind::Blocks, 2, through == 0 ? 1 : 0);
    d.block = reason;
    d.throughPort = through;
    d.cost = static_cast<std::int16_t>(cost);
    d.previous = own;
    d.frame.sender = sender;
    return d;
}

Decision Costs(DecisionKind kind, int port, double previous, int cost) {
    Decision d = AtBridge(kind, 2, port);
    d.root = 1;
    d.previous = previous;
    d.cost = static_cast<std::int16_t>(cost);
    return d;
}

Decision Roots(DecisionKind kind, int port, double root, double own, bool wasBlocked) {
    Decision d =
        WithFrame(AtBridge(kind, 2, port), "S:" + std::to_string(int(root)) + ":0", root, 0);
    d.root = root;
    d.previous = own;
    d.wasBlocked = wasBlocked;
    return d;
}

Decision Switched(DecisionKind kind, bool on) {
    Decision d = Of(kind);
    d.on = on;
    return d;
}

Decision Named(const std::string& text) {
    Decision d = Of(DecisionKind::ScenarioBuilt);
    d.text = text;
    return d;
}

struct Case {
    Decision decision;
    std::string sentence;
};

TEST(Sentences, EveryKindInPlainWords) {
    using K = DecisionKind;
    Decision originates = AtBridge(K::Originates, 2, -1);
    originates.root = 1;
    originates.cost = 1;
    Decision renumber = AtBridge(K::Renumber, 3, -1);
    renumber.cost = 5;
    const std::vector<Case> cases = {
        {WithFrame(AtStation(K::StationSends, 1), "C:A", 1, 3),
         "Station A sends the frame C:A to station C."},
        {WithFrame(AtStation(K::FrameArrives, 3), "C:A", 1, 3),
         "The frame C:A reaches station C: C turns red."},
        {AtStation(K::SendIgnored, 2),
         "Station B's Send is ignored: B is still red from the frame that arrived."},
        {[] {
             Decision d = AtBridge(K::Learns, 1, 0);
             d.station = 1;
             return d;
         }(),
         "Bridge #1 learns A on port A (upper side)."},
        {[] {
             Decision d = AtBridge(K::Forgets, 1, 1);
             d.station = 1;
             return d;
         }(),
         "Bridge #1 forgets A on port B (lower side): A now sends from the other side."},
        {WithFrame(AtBridge(K::Filters, 1, 0), "B:A", 1, 2),
         "Bridge #1 knows B is on port A (upper side), where the frame came from: filters the "
         "frame B:A."},
        {WithFrame(AtBridge(K::Forwards, 1, 1), "A:C", 3, 1),
         "Bridge #1 knows A is beyond port A: forwards the frame A:C out of port A."},
        {WithFrame(AtBridge(K::Floods, 1, 0), "C:A", 1, 3),
         "Bridge #1 does not know C: floods the frame C:A out of port B."},
        {WithFrame(AtBridge(K::HeldByBlocking, 1, 0), "C:A", 1, 3),
         "Bridge #1 does not pass the frame C:A: port B is Blocking because Forwarding is off."},
        {WithFrame(AtBridge(K::HeldByBlocked, 2, 1), "A:C", 3, 1),
         "Bridge #2 does not pass the frame A:C: port A is Blocked by the spanning tree."},
        {originates, "Bridge #2 sends spanning-tree frames out of both ports: root 1, cost 1."},
        {Roots(K::AdoptsRoot, 0, 1, 2, false),
         "Bridge #2 hears of bridge 1 on port A (upper side), lower than its root 2: it takes "
         "bridge 1 for the root."},
        {Roots(K::AdoptsRoot, 1, 1, 3, true),
         "Bridge #2 hears of bridge 1 on port B (lower side), lower than its root 3: it takes "
         "bridge 1 for the root and its ports are no longer Blocked."},
        {Costs(K::UpdatesTotal, 0, 10000, 1),
         "Bridge #2's cost to root 1 through port A is now 1 (was unknown)."},
        {Costs(K::UpdatesBest, 1, 2, 1),
         "Bridge #2's best cost to root 1 on the lower side is now 1 (was 2)."},
        {Block(BlockReason::LowerCost, 1, 0, 2, 1),
         "Bridge #2 blocks both ports: bridge 1 offers the lower segment cost 0, less than its own "
         "2 through port B."},
        {Block(BlockReason::TieLowerNumber, 0, 2, 2, 1),
         "Bridge #2 blocks both ports: bridge 1 offers the same segment cost 2 as its own 2 "
         "through port A, and 1 is the lower bridge number."},
        {Block(BlockReason::BelowEqualTotals, 1, 1, 2, 4),
         "Bridge #2 blocks both ports: bridge 4 offers the lower segment cost 1, less than its own "
         "2 through either port."},
        {Roots(K::IgnoresWorseRoot, 0, 3, 1, false),
         "Bridge #2 ignores the frame S:3:0 on port A (upper side): it names root 3, higher than "
         "its own root 1."},
        {Of(K::RunOutOfPackets),
         "\"Run Out of Packets\": all 16 frame tokens are in use, so every frame is removed."},
        {AtStation(K::NoSegmentBelow, 6),
         "\"Can't find Segment below Computer\": station F has no segment below it, so its frame "
         "is not sent."},
        {Of(K::Kill), "Kill: every frame is removed; the bridges keep their tables and states."},
        {Of(K::Reset), "Reset: the network is built afresh, with Learning and Forwarding off."},
        {renumber,
         "Renumber: Bridge #3 now costs 5 on both ports, takes itself for the root and has empty "
         "tables."},
        {Named("Two Bridges"),
         "The network \"Two Bridges\" is built: every bridge is its own root and knows no "
         "station."},
        {Named(""), "No network has that name: nothing is shown."},
        {Switched(K::LearningSwitched, true),
         "Learning on: bridges note on which side each sender lies."},
        {Switched(K::LearningSwitched, false),
         "Learning off: bridges keep their tables but learn nothing new."},
        {Switched(K::ForwardingSwitched, true),
         "Forwarding on: bridges pass frames through every port not Blocked."},
        {Switched(K::ForwardingSwitched, false), "Forwarding off: no frame crosses a bridge."},
        {Of(K::Paused), "Paused: the frames stand still."},
        {Of(K::Resumed), "Resumed: the frames move on."},
        {WithFrame(AtBridge(K::Receives, 1, 0), "C:A", 1, 3),
         "Bridge #1 receives the frame C:A on port A (upper side)."},
        {[] {
             Decision d = Of(K::WentBack);
             d.previous = 120;
             return d;
         }(),
         "Went back to tick 120: the later moments are gone"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(explain::Sentence(c.decision), c.sentence)
            << "kind " << static_cast<int>(c.decision.kind);
    }
}

}  // namespace
}  // namespace bridging
