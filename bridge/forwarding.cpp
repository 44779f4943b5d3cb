// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A frame's arrival and the data-frame path: learning where the source station
// lies, then filtering a frame whose destination is on its own side and sending
// every other one out of the other port, when that port is forwarding.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "bridge/bridge.h"

namespace bridging {

namespace {

bool Holds(const StationTable& table, double station) {
    return std::any_of(table.begin(), table.end(),
                       [station](std::int16_t entry) { return entry == station; });
}

// A source that no table entry could hold is never learned; it is still filtered
// and flooded by its destination like any frame.
bool FitsATable(double station) {
    const double rounded = RoundHalfEven(station);
    return rounded >= -32768 && rounded <= 32767;
}

}  // namespace

void Bridge::xPacketArrives(const Packet& pktIn, std::int16_t iPort, BridgeEvents& raised) {
    const int arrival = iPort == 0 ? PortA : PortB;
    if (pktIn.IsSpanningTreeFrame()) {
        ReceiveSpanningTreeFrame(pktIn, arrival, raised);
        return;
    }
    ForwardDataFrame(pktIn, arrival, raised);
}

void Bridge::ForwardDataFrame(const Packet& pktIn, int arrival, BridgeEvents& raised) {
    const std::int16_t destination = pktIn.Destination();
    bool destinationKnownOnA = Holds(ports_[PortA].table, destination);
    bool destinationKnownOnB = Holds(ports_[PortB].table, destination);
    if (bLearn_) LearnFrom(pktIn, arrival, raised);
    // Looking again after learning only ever adds knowledge: a frame sent to its
    // own source has just been learned on its arrival side and is filtered there.
    destinationKnownOnA = destinationKnownOnA || Holds(ports_[PortA].table, destination);
    destinationKnownOnB = destinationKnownOnB || Holds(ports_[PortB].table, destination);

    const DecisionKind passing = PassingOf(arrival, destinationKnownOnA, destinationKnownOnB);
    if (raised.recording) {
        Decision decision = Record(passing, arrival);
        decision.frame = FactsOfFrame(pktIn);
        raised.zDecision.push_back(std::move(decision));
    }
    if (passing == DecisionKind::Forwards || passing == DecisionKind::Floods) {
        raised.zBridgeTx.push_back({pktIn, DirectionOutOf(OtherPort(arrival))});
    }
}

// A frame goes out of the other port only when its destination is not known on
// its arrival side and that port is forwarding.
DecisionKind Bridge::PassingOf(int arrival, bool knownOnA, bool knownOnB) const {
    const bool knownHere = arrival == PortA ? knownOnA : knownOnB;
    const bool knownThere = arrival == PortA ? knownOnB : knownOnA;
    const std::int32_t otherState = ports_[OtherPort(arrival)].state;
    if (knownHere) return DecisionKind::Filters;
    if (otherState == PortBlocked) return DecisionKind::HeldByBlocked;
    if (otherState != PortForwarding) return DecisionKind::HeldByBlocking;
    return knownThere ? DecisionKind::Forwards : DecisionKind::Floods;
}

// Learning ignores the port states: a held or blocked bridge still learns.
void Bridge::LearnFrom(const Packet& pktIn, int arrival, BridgeEvents& raised) {
    const double source = pktIn.Source();
    if (!FitsATable(source)) return;
    const int other = OtherPort(arrival);
    const bool knownThere = Holds(ports_[other].table, source);
    const bool knownHere = Holds(ports_[arrival].table, source);
    const std::int16_t station = ToInt16(source);
    if (knownThere) {
        ForgetStation(station, ports_[other].table);
        ReportStation(DecisionKind::Forgets, other, pktIn, raised);
    }
    if (!knownHere) {
        LearnStation(station, ports_[arrival].table);
        ReportStation(DecisionKind::Learns, arrival, pktIn, raised);
    }
}

void Bridge::ReportStation(DecisionKind kind, int port, const Packet& pktIn,
                           BridgeEvents& raised) const {
    if (!raised.recording) return;
    Decision decision = Record(kind, port);
    decision.station = pktIn.Source();
    decision.frame = FactsOfFrame(pktIn);
    raised.zDecision.push_back(std::move(decision));
}

// A station heard again keeps its place; a new one goes to the front and pushes
// the earliest learned one out of a full table.
void Bridge::LearnStation(std::int16_t station, StationTable& table) {
    if (Holds(table, station)) return;
    std::copy_backward(table.begin(), table.end() - 1, table.end());
    table[0] = station;
    RefreshPortLabels();
}

// The entries after a removed one close up. The scan goes on after the position
// that was just refilled, so a repeated entry right behind a removed one stays.
void Bridge::ForgetStation(std::int16_t station, StationTable& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] != station) continue;
        std::copy(table.begin() + static_cast<std::ptrdiff_t>(i) + 1, table.end(),
                  table.begin() + static_cast<std::ptrdiff_t>(i));
        table.back() = -1;
    }
}

}  // namespace bridging
