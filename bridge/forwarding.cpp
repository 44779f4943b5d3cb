// A frame's arrival and the data-frame path: learning where the source station
// lies, then filtering a frame whose destination is on its own side and sending
// every other one out of the other port, when that port is forwarding.
#include <algorithm>
#include <cstddef>

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

void Bridge::xPacketArrives(Packet& pktIn, std::int16_t iPort) {
    const bool fromA = iPort == 0;
    if (pktIn.Destination() == 0) {
        ReceiveSpanningTreeFrame(pktIn, fromA);
        return;
    }
    ForwardDataFrame(pktIn, fromA);
}

void Bridge::ForwardDataFrame(Packet& pktIn, bool fromA) {
    const std::int16_t destination = pktIn.Destination();
    bool destinationKnownOnA = Holds(portATable_, destination);
    bool destinationKnownOnB = Holds(portBTable_, destination);
    if (bLearn_) LearnFrom(pktIn, fromA);
    // Looking again after learning only ever adds knowledge: a frame sent to its
    // own source has just been learned on its arrival side and is filtered there.
    destinationKnownOnA = destinationKnownOnA || Holds(portATable_, destination);
    destinationKnownOnB = destinationKnownOnB || Holds(portBTable_, destination);

    const DecisionKind passing = PassingOf(fromA, destinationKnownOnA, destinationKnownOnB);
    if (zDecision) {
        Decision decision = Record(passing, fromA ? 0 : 1);
        decision.frame = FactsOfFrame(pktIn);
        Report(decision);
    }
    if (passing == DecisionKind::Forwards || passing == DecisionKind::Floods) {
        RaiseBridgeTx(pktIn, fromA ? 1 : 0);
    }
}

// A frame goes out of the other port only when its destination is not known on
// its arrival side and that port is forwarding.
DecisionKind Bridge::PassingOf(bool fromA, bool knownOnA, bool knownOnB) const {
    const bool knownHere = fromA ? knownOnA : knownOnB;
    const bool knownThere = fromA ? knownOnB : knownOnA;
    const std::int32_t otherState = fromA ? portBState_ : portAState_;
    if (knownHere) return DecisionKind::Filters;
    if (otherState == PortBlocked) return DecisionKind::HeldByBlocked;
    if (otherState != PortForwarding) return DecisionKind::HeldByBlocking;
    return knownThere ? DecisionKind::Forwards : DecisionKind::Floods;
}

// Learning ignores the port states: a held or blocked bridge still learns.
void Bridge::LearnFrom(const Packet& pktIn, bool fromA) {
    const double source = pktIn.Source();
    if (!FitsATable(source)) return;
    const bool sourceKnownOnA = Holds(portATable_, source);
    const bool sourceKnownOnB = Holds(portBTable_, source);
    const std::int16_t station = ToInt16(source);
    const bool knownThere = fromA ? sourceKnownOnB : sourceKnownOnA;
    const bool knownHere = fromA ? sourceKnownOnA : sourceKnownOnB;
    if (knownThere) {
        ForgetStation(station, fromA ? portBTable_ : portATable_);
        ReportStation(DecisionKind::Forgets, fromA ? 1 : 0, pktIn);
    }
    if (!knownHere) {
        LearnStation(station, fromA ? portATable_ : portBTable_);
        ReportStation(DecisionKind::Learns, fromA ? 0 : 1, pktIn);
    }
}

void Bridge::ReportStation(DecisionKind kind, int port, const Packet& pktIn) {
    if (!zDecision) return;
    Decision decision = Record(kind, port);
    decision.station = pktIn.Source();
    decision.frame = FactsOfFrame(pktIn);
    Report(decision);
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
