// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The small spanning-tree exchange: originating a frame out of both ports, and
// taking in a neighbour's frame to elect the root, learn the path costs and block
// a bridge that no loop-free path to the root needs.
#include <algorithm>
#include <limits>
#include <utility>

#include "bridge/bridge.h"

namespace bridging {

namespace {

// Spanning-tree frames are drawn in white less the sender's number, which lets a
// receiver tell who sent them.
constexpr ColourCode White = 0x00FFFFFF;
ColourCode ColourOfBridge(std::int16_t bridgeNumber) { return White - bridgeNumber; }

// Lowers a stored cost to a path's cost. The sum is formed in int, so it may
// leave 16 bits: a sum above the stored cost is not stored at all, and one below
// the smallest cost that fits is held at that smallest cost.
void LowerTo(std::int16_t& stored, int cost) {
    if (cost >= stored) return;
    constexpr int lowest = std::numeric_limits<std::int16_t>::min();
    stored = static_cast<std::int16_t>(std::max(cost, lowest));
}

std::string CostPairText(const Port& port) {
    if (!KnowsPath(port.total)) return "X:X";
    return NumberText(port.total) + ":" + NumberText(port.best);
}

}  // namespace

double SenderOfColour(ColourCode colour) {
    return static_cast<double>(White) - static_cast<double>(colour);
}

// Both ports send whatever their states: a held or blocked bridge still speaks.
void Bridge::btnSpanTree_Click(BridgeEvents& raised) {
    const std::int16_t cheapest = std::min(ports_[PortA].total, ports_[PortB].total);
    packet1_.SetColour(ColourOfBridge(bridgeNumber_));
    packet1_.SetDestination(0);
    packet1_.SetSource(RootBridgeValue());
    packet1_.SetTimeToLive(1);
    const std::int16_t cost = TakesItselfForRoot() ? std::int16_t{0} : cheapest;
    if (raised.recording) {
        Decision decision = Record(DecisionKind::Originates, -1);
        decision.root = RootBridgeValue();
        decision.cost = cost;
        raised.zDecision.push_back(std::move(decision));
    }
    packet1_.SetCost(cost);
    raised.zBridgeTx.push_back({packet1_, DirectionOutOf(PortA)});
    raised.zBridgeTx.push_back({packet1_, DirectionOutOf(PortB)});
}

// A spanning-tree frame is never forwarded nor learned from.
void Bridge::ReceiveSpanningTreeFrame(const Packet& pktIn, int arrival, BridgeEvents& raised) {
    const double root = pktIn.Source();
    const std::int16_t cost = pktIn.Cost();
    const double rootBefore = RootBridgeValue();
    const bool wasBlocked = ports_[PortA].state == PortBlocked;
    if (root < rootBefore) AdoptRoot(root);
    if (raised.recording) ReportRootHeard(pktIn, arrival, rootBefore, wasBlocked, raised);
    const Costs costsBefore = CurrentCosts();
    const bool fromRoot = root == RootBridgeValue();
    if (fromRoot) UpdateCostsFrom(cost, arrival);
    UpdateCrossCosts();
    if (raised.recording) ReportCostChanges(costsBefore, raised);
    ChooseRootPort();
    ShowCostPairs();
    if (!TakesItselfForRoot() && fromRoot) {
        const BlockVerdict verdict = JudgeBlock(cost, pktIn.Colour(), arrival);
        if (verdict.reason != BlockReason::None) {
            Block();
            if (raised.recording) ReportBlock(pktIn, arrival, verdict, raised);
        }
    }
    ShowRootBridge();
}

void Bridge::ReportBlock(const Packet& pktIn, int arrival, const BlockVerdict& verdict,
                         BridgeEvents& raised) const {
    Decision decision = Record(DecisionKind::Blocks, arrival);
    decision.frame = FactsOfFrame(pktIn);
    decision.root = pktIn.Source();
    decision.cost = pktIn.Cost();
    decision.block = verdict.reason;
    decision.throughPort = verdict.throughPort;
    decision.previous = verdict.ownTotal;
    raised.zDecision.push_back(std::move(decision));
}

// A frame naming a root equal to the bridge's own is the normal case and says nothing.
void Bridge::ReportRootHeard(const Packet& pktIn, int arrival, double before, bool wasBlocked,
                             BridgeEvents& raised) const {
    const double root = pktIn.Source();
    if (root == before) return;
    Decision decision =
        Record(root < before ? DecisionKind::AdoptsRoot : DecisionKind::IgnoresWorseRoot, arrival);
    decision.frame = FactsOfFrame(pktIn);
    decision.root = root;
    decision.previous = before;
    decision.wasBlocked = wasBlocked && root < before;
    raised.zDecision.push_back(std::move(decision));
}

Bridge::Costs Bridge::CurrentCosts() const {
    return {ports_[PortA].total, ports_[PortB].total, ports_[PortA].best, ports_[PortB].best};
}

void Bridge::ReportCostChanges(const Costs& before, BridgeEvents& raised) const {
    const Costs after = CurrentCosts();
    const auto report = [&](DecisionKind kind, int port, std::int16_t from, std::int16_t to) {
        if (from == to) return;
        Decision decision = Record(kind, port);
        decision.root = RootBridgeValue();
        decision.previous = from;
        decision.cost = to;
        raised.zDecision.push_back(std::move(decision));
    };
    report(DecisionKind::UpdatesTotal, PortA, before.totalA, after.totalA);
    report(DecisionKind::UpdatesTotal, PortB, before.totalB, after.totalB);
    report(DecisionKind::UpdatesBest, PortA, before.bestA, after.bestA);
    report(DecisionKind::UpdatesBest, PortB, before.bestB, after.bestB);
}

// A lower root voids every cost learned so far, and is the only thing short of
// renumbering that releases a blocked bridge.
void Bridge::AdoptRoot(double root) {
    for (Port& port : ports_) {
        port.total = NoPath;
        port.best = NoPath;
    }
    rootBridge_ = root;
    ShowRootBridge();
    const std::int32_t state = bForward_ ? PortForwarding : PortBlocking;
    for (Port& port : ports_) port.state = state;
    RefreshPortLabels();
}

void Bridge::UpdateCostsFrom(std::int16_t cost, int arrival) {
    Port& port = ports_[arrival];
    LowerTo(port.best, cost);
    LowerTo(port.total, int{cost} + port.cost);
}

// What this bridge could offer on one segment is its cost through the other port.
void Bridge::UpdateCrossCosts() {
    LowerTo(ports_[PortA].best, ports_[PortB].total);
    LowerTo(ports_[PortB].best, ports_[PortA].total);
}

void Bridge::ChooseRootPort() {
    const std::int16_t totalA = ports_[PortA].total;
    const std::int16_t totalB = ports_[PortB].total;
    if (totalA < totalB) {
        rootPort_ = RootPortChoice::PortA;
    } else if (totalB < totalA) {
        rootPort_ = RootPortChoice::PortB;
    } else {
        rootPort_ = RootPortChoice::None;
    }
}

void Bridge::ShowCostPairs() {
    if (TakesItselfForRoot()) {
        face_.lblBestRealA.text = "0:0";
        face_.lblBestRealB.text = "0:0";
        return;
    }
    for (int port : {PortA, PortB}) CostPairLabel(port).text = CostPairText(ports_[port]);
}

// Whether a root frame heard on the non-root side offers that segment a path at
// least as cheap as this bridge's own, and by which comparison; on a tie the
// lower-numbered sender, whose colour is the higher, wins. With no root port
// there is no tie-break.
Bridge::BlockVerdict Bridge::JudgeBlock(std::int16_t cost, ColourCode senderColour,
                                        int arrival) const {
    const bool senderIsLower = ColourOfBridge(bridgeNumber_) < senderColour;
    const auto against = [&](int port) -> BlockVerdict {
        const std::int16_t ownTotal = ports_[port].total;
        if (cost < ownTotal) return {BlockReason::LowerCost, port, ownTotal};
        if (cost == ownTotal && senderIsLower) return {BlockReason::TieLowerNumber, port, ownTotal};
        return {};
    };
    if (arrival == PortB && rootPort_ == RootPortChoice::PortA) return against(PortA);
    if (arrival == PortA && rootPort_ == RootPortChoice::PortB) return against(PortB);
    if (rootPort_ == RootPortChoice::None && cost < ports_[PortB].total) {
        return {BlockReason::BelowEqualTotals, PortB, ports_[PortB].total};
    }
    return {};
}

// Both ports go: a two-port bridge whose other side has lost has nothing to pass.
void Bridge::Block() {
    for (Port& port : ports_) port.state = PortBlocked;
    face_.lblPortB.text = "Blocked";
    face_.lblPortA.text = "Blocked";
}

}  // namespace bridging
