// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for the bridge's tests: frames built as stations and bridges build
// them, snapshots of the face and costs, and the bridge's calls with what they
// raise kept, as the main window takes it up.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "bridge/bridge.h"

namespace bridging::bridge_test {

struct Sent {
    std::int16_t direction;
    Packet token;
    double source;
    std::int16_t destination;
    std::int16_t cost;
    ColourCode colour;
    std::int16_t timeToLive;
};

// The frames a call raised through zBridgeTx, in the order sent.
inline std::vector<Sent> SentBy(const BridgeEvents& raised) {
    std::vector<Sent> sent;
    for (const BridgeTx& tx : raised.zBridgeTx) {
        const Packet& p = tx.pktTx;
        sent.push_back(
            {tx.iDirection, p, p.Source(), p.Destination(), p.Cost(), p.Colour(), p.TimeToLive()});
    }
    return sent;
}

// A frame handed in through `port`; what the bridge raised, records included
// when `recording`.
inline BridgeEvents HandIn(Bridge& bridge, const Packet& frame, std::int16_t port,
                           bool recording = false) {
    BridgeEvents raised;
    raised.recording = recording;
    bridge.xPacketArrives(frame, port, raised);
    return raised;
}

// A press of the root button; what the bridge raised.
inline BridgeEvents Originate(Bridge& bridge, bool recording = false) {
    BridgeEvents raised;
    raised.recording = recording;
    bridge.btnSpanTree_Click(raised);
    return raised;
}

inline Packet DataFrame(double source, int destination) {
    Packet frame;
    frame.SetDestination(destination);
    frame.SetSource(source);
    return frame;
}

// A spanning-tree frame naming `root`, sent by bridge `sender` at `cost`.
inline Packet RootFrame(double root, int cost, int sender) {
    Packet frame;
    frame.SetColour(0x00FFFFFF - sender);
    frame.SetDestination(0);
    frame.SetSource(root);
    frame.SetCost(cost);
    return frame;
}

inline StationTable Table(std::initializer_list<std::int16_t> stations) {
    StationTable table = Port::EmptyTable();
    std::copy(stations.begin(), stations.end(), table.begin());
    return table;
}

using Texts = std::vector<std::string>;

// Name, port A, port B, cost pairs A and B, port costs A and B, root button.
inline Texts Shown(const Bridge& bridge) {
    const BridgeFace& f = bridge.Face();
    return {f.lblName.text,      f.lblPortA.text,     f.lblPortB.text,     f.lblBestRealA.text,
            f.lblBestRealB.text, f.lblPort0Cost.text, f.lblPort1Cost.text, f.btnSpanTree.caption};
}

inline std::array<std::int32_t, 2> States(const Bridge& bridge) {
    return {bridge.PortAState(), bridge.PortBState()};
}

}  // namespace bridging::bridge_test
