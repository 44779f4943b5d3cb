// Helpers for the bridge's tests: frames built as stations and bridges build
// them, and a handler of zBridgeTx that keeps copies of what it is asked to send,
// taken inside the call as the main window's pool does.
#pragma once

#include <algorithm>
#include <cstdint>
#include <initializer_list>
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

}  // namespace bridging::bridge_test
