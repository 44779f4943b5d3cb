// Helpers for the bridge's tests: frames built as stations and bridges build
// them, snapshots of the face and costs, and a handler of zBridgeTx that keeps
// copies taken inside the call, as the main window's pool does.
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
    const Packet* token;
    double source;
    std::int16_t destination;
    std::int16_t cost;
    ColourCode colour;
    std::int16_t timeToLive;
};

inline void RecordSends(Bridge& bridge, std::vector<Sent>& sent) {
    bridge.zBridgeTx = [&sent](Packet& pktTx, std::int16_t iDirection) {
        sent.push_back({iDirection, &pktTx, pktTx.Source(), pktTx.Destination(), pktTx.Cost(),
                        pktTx.Colour(), pktTx.TimeToLive()});
    };
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
    StationTable table;
    table.fill(-1);
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
