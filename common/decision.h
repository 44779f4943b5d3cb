// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A plain record of one decision the core takes: what happened, where, and the
// frame fields and numbers that decided it. Elements fill in what they know and
// raise it to their container, which adds its own index for them and the tick.
#pragma once

#include <cstdint>
#include <string>

namespace bridging {

// New kinds go at the end: the words for each kind are looked up by it.
enum class DecisionKind : std::uint8_t {
    // Stations.
    StationSends,  // station `station` sends `frame` to `other`
    FrameArrives,  // a frame for station `station` reaches it: it turns red
    SendIgnored,   // station `station` is still marked, its Send does nothing
    // A bridge and a data frame arriving on `port`.
    Learns,          // learns `station` on `port`
    Forgets,         // forgets `station` on the other port (it has moved)
    Filters,         // destination known on the arrival side: not passed on
    Forwards,        // destination known on the other side: sent out of it
    Floods,          // destination unknown: sent out of the other port
    HeldByBlocking,  // the other port is Blocking (Forwarding off)
    HeldByBlocked,   // the other port is Blocked by the spanning tree
    // A bridge and the spanning tree.
    Originates,        // sends spanning-tree frames naming `root` at `cost`
    AdoptsRoot,        // hears root `root` on `port`, lower than `previous`
    UpdatesTotal,      // total cost through `port` lowered from `previous` to `cost`
    UpdatesBest,       // best cost on `port` lowered from `previous` to `cost`
    Blocks,            // blocks both ports; `block` says why
    IgnoresWorseRoot,  // hears root `root` on `port`, higher than its own `previous`
    // The window.
    RunOutOfPackets,  // no free token for a copy: the message, then Kill
    NoSegmentBelow,   // station `station` has no segment below it
    Kill,
    Reset,
    Renumber,          // a bridge's new number `bridgeNumber` and port cost `cost`
    ScenarioBuilt,     // `text` names the network, empty when the name matches none
    LearningSwitched,  // `on`
    ForwardingSwitched,
    Paused,
    Resumed,
    // A frame `frame` reaches a bridge's `port`: its decisions about it follow.
    // Reported only to an account that asks for arrivals.
    Receives,
    // The user acted while looking back at tick `previous`: the later moments are dropped.
    WentBack,
    // The animation paused before a tick that will take a decision the user
    // chose to stop before; `text` is the whole line.
    StoppedBefore,
};

enum class ElementKind : std::uint8_t { Window, Bridge, Station };

// The decisions a class must not miss: a frame reaching its station, a block,
// a new root, and the dispatcher's messages. The timeline marks their moments,
// a screen reader hears them even while the log is hidden, and predict mode
// can stop before each of them.
constexpr bool IsLandmark(DecisionKind kind) {
    return kind == DecisionKind::FrameArrives || kind == DecisionKind::Blocks ||
           kind == DecisionKind::AdoptsRoot || kind == DecisionKind::RunOutOfPackets ||
           kind == DecisionKind::NoSegmentBelow;
}

// A frame's destination tells the two kinds of frame apart: a station's number
// (1 and above), or 0 for a spanning-tree frame.
constexpr bool IsSpanningTreeDestination(double destination) { return destination == 0; }

// Why a bridge blocked: the frame's cost against its own total through its root
// port (`BlockReason::LowerCost`), the same cost and a lower sender number, or,
// with equal totals and so no root port, a cost below them.
enum class BlockReason : std::uint8_t { None, LowerCost, TieLowerNumber, BelowEqualTotals };

// The fields of the frame a decision is about, as the token carried them.
struct FrameFacts {
    std::string label;  // the token's label, "C:A" or "S:1:0"
    double source = 0;
    std::int16_t destination = 0;
    std::int16_t cost = 0;
    double sender = 0;  // the sending bridge's number, for a spanning-tree frame
    bool operator==(const FrameFacts&) const = default;
};

struct Decision {
    DecisionKind kind = DecisionKind::Kill;
    std::uint64_t tick = 0;
    ElementKind element = ElementKind::Window;
    int index = -1;           // the element's index in the window, -1 for the window
    double bridgeNumber = 0;  // a bridge's number as its name label shows it
    int port = -1;            // 0 port A, 1 port B, -1 none
    double station = 0;       // a station by its number in frames (1 is A)
    double other = 0;         // the second station of a decision (a frame's destination)
    FrameFacts frame;
    double root = 0;
    std::int16_t cost = 0;
    double previous = 0;  // the value a decision replaced or compared against
    BlockReason block = BlockReason::None;
    int throughPort = -1;     // for a block: the port of the own total compared
    bool wasBlocked = false;  // for an adopted root: the bridge left Blocked
    bool on = false;
    std::string text;
    bool operator==(const Decision&) const = default;
};

}  // namespace bridging
