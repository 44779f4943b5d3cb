// The small spanning-tree exchange: originating a frame out of both ports, and
// taking in a neighbour's frame to elect the root, learn the path costs and block
// a bridge that no loop-free path to the root needs.
#include <algorithm>
#include <limits>

#include "bridge/bridge.h"

namespace bridging {

namespace {

// Spanning-tree frames are drawn in white less the sender's number, which lets a
// receiver tell who sent them.
constexpr ColourCode White = 0x00FFFFFF;
// Any total above this is shown as unknown.
constexpr int LargestShownCost = 1000;

ColourCode ColourOfBridge(std::int16_t bridgeNumber) { return White - bridgeNumber; }

// Lowers a stored cost to a path's cost. The sum is formed in int, so it may
// leave 16 bits: a sum above the stored cost is not stored at all, and one below
// the smallest cost that fits is held at that smallest cost.
void LowerTo(std::int16_t& stored, int cost) {
    if (cost >= stored) return;
    constexpr int lowest = std::numeric_limits<std::int16_t>::min();
    stored = static_cast<std::int16_t>(std::max(cost, lowest));
}

std::string CostPairText(std::int16_t total, std::int16_t best) {
    if (total > LargestShownCost) return "X:X";
    return NumberText(total) + ":" + NumberText(best);
}

}  // namespace

double SenderOfColour(ColourCode colour) {
    return static_cast<double>(White) - static_cast<double>(colour);
}

// Both ports send whatever their states: a held or blocked bridge still speaks.
void Bridge::btnSpanTree_Click() {
    const std::int16_t cheapest = std::min(totalCostThroughPortA_, totalCostThroughPortB_);
    packet1_.SetColour(ColourOfBridge(bridgeNumber_));
    packet1_.SetDestination(0);
    packet1_.SetSource(RootBridgeValue());
    packet1_.SetTimeToLive(1);
    const std::int16_t cost = TakesItselfForRoot() ? std::int16_t{0} : cheapest;
    if (zDecision) {
        Decision decision = Record(DecisionKind::Originates, -1);
        decision.root = RootBridgeValue();
        decision.cost = cost;
        Report(decision);
    }
    // The container copies the frame before it returns, so the second send may
    // rewrite the cost the first one carried.
    packet1_.SetCost(cost);
    RaiseBridgeTx(packet1_, 0);
    packet1_.SetCost(cost);
    RaiseBridgeTx(packet1_, 1);
}

// A spanning-tree frame is never forwarded nor learned from.
void Bridge::ReceiveSpanningTreeFrame(const Packet& pktIn, bool fromA) {
    const double root = pktIn.Source();
    const std::int16_t cost = pktIn.Cost();
    const double rootBefore = RootBridgeValue();
    const bool wasBlocked = portAState_ == PortBlocked;
    if (root < rootBefore) AdoptRoot(root);
    if (zDecision) ReportRootHeard(pktIn, fromA, rootBefore, wasBlocked);
    const Costs costsBefore = CurrentCosts();
    const bool fromRoot = root == RootBridgeValue();
    if (fromRoot) UpdateCostsFrom(cost, fromA);
    UpdateCrossCosts();
    if (zDecision) ReportCostChanges(costsBefore);
    ChooseRootPort();
    ShowCostPairs();
    if (!TakesItselfForRoot() && fromRoot) {
        const BlockVerdict verdict = JudgeBlock(cost, pktIn.Colour(), fromA);
        if (verdict.reason != BlockReason::None) {
            Block();
            if (zDecision) ReportBlock(pktIn, fromA, verdict);
        }
    }
    ShowRootBridge();
}

void Bridge::ReportBlock(const Packet& pktIn, bool fromA, const BlockVerdict& verdict) {
    Decision decision = Record(DecisionKind::Blocks, fromA ? 0 : 1);
    decision.frame = FactsOfFrame(pktIn);
    decision.root = pktIn.Source();
    decision.cost = pktIn.Cost();
    decision.block = verdict.reason;
    decision.throughPort = verdict.throughPort;
    decision.previous = verdict.ownTotal;
    Report(decision);
}

// A frame naming a root equal to the bridge's own is the normal case and says nothing.
void Bridge::ReportRootHeard(const Packet& pktIn, bool fromA, double before, bool wasBlocked) {
    const double root = pktIn.Source();
    if (root == before) return;
    Decision decision = Record(
        root < before ? DecisionKind::AdoptsRoot : DecisionKind::IgnoresWorseRoot, fromA ? 0 : 1);
    decision.frame = FactsOfFrame(pktIn);
    decision.root = root;
    decision.previous = before;
    decision.wasBlocked = wasBlocked && root < before;
    Report(decision);
}

Bridge::Costs Bridge::CurrentCosts() const {
    return {totalCostThroughPortA_, totalCostThroughPortB_, bestCostOnPortA_, bestCostOnPortB_};
}

void Bridge::ReportCostChanges(const Costs& before) {
    const Costs after = CurrentCosts();
    const auto report = [this](DecisionKind kind, int port, std::int16_t from, std::int16_t to) {
        if (from == to) return;
        Decision decision = Record(kind, port);
        decision.root = RootBridgeValue();
        decision.previous = from;
        decision.cost = to;
        Report(decision);
    };
    report(DecisionKind::UpdatesTotal, 0, before.totalA, after.totalA);
    report(DecisionKind::UpdatesTotal, 1, before.totalB, after.totalB);
    report(DecisionKind::UpdatesBest, 0, before.bestA, after.bestA);
    report(DecisionKind::UpdatesBest, 1, before.bestB, after.bestB);
}

// A lower root voids every cost learned so far, and is the only thing short of
// renumbering that releases a blocked bridge.
void Bridge::AdoptRoot(double root) {
    totalCostThroughPortA_ = NoPath;
    totalCostThroughPortB_ = NoPath;
    bestCostOnPortA_ = NoPath;
    bestCostOnPortB_ = NoPath;
    rootBridge_ = root;
    ShowRootBridge();
    const std::int32_t state = bForward_ ? PortForwarding : PortBlocking;
    portAState_ = state;
    portBState_ = state;
    RefreshPortLabels();
}

void Bridge::UpdateCostsFrom(std::int16_t cost, bool fromA) {
    if (fromA) {
        LowerTo(bestCostOnPortA_, cost);
        LowerTo(totalCostThroughPortA_, int{cost} + portACost_);
    } else {
        LowerTo(bestCostOnPortB_, cost);
        LowerTo(totalCostThroughPortB_, int{cost} + portBCost_);
    }
}

// What this bridge could offer on one segment is its cost through the other port.
void Bridge::UpdateCrossCosts() {
    LowerTo(bestCostOnPortA_, totalCostThroughPortB_);
    LowerTo(bestCostOnPortB_, totalCostThroughPortA_);
}

void Bridge::ChooseRootPort() {
    if (totalCostThroughPortA_ < totalCostThroughPortB_) {
        rootPort_ = "PortA";
    } else if (totalCostThroughPortB_ < totalCostThroughPortA_) {
        rootPort_ = "PortB";
    } else {
        rootPort_.clear();
    }
}

void Bridge::ShowCostPairs() {
    if (TakesItselfForRoot()) {
        face_.lblBestRealA.text = "0:0";
        face_.lblBestRealB.text = "0:0";
        return;
    }
    face_.lblBestRealA.text = CostPairText(totalCostThroughPortA_, bestCostOnPortA_);
    face_.lblBestRealB.text = CostPairText(totalCostThroughPortB_, bestCostOnPortB_);
}

// Whether a root frame heard on the non-root side offers that segment a path at
// least as cheap as this bridge's own, and by which comparison; on a tie the
// lower-numbered sender, whose colour is the higher, wins. With no root port
// there is no tie-break.
Bridge::BlockVerdict Bridge::JudgeBlock(std::int16_t cost, ColourCode senderColour,
                                        bool fromA) const {
    const bool senderIsLower = ColourOfBridge(bridgeNumber_) < senderColour;
    const auto against = [&](std::int16_t ownTotal, int port) -> BlockVerdict {
        if (cost < ownTotal) return {BlockReason::LowerCost, port, ownTotal};
        if (cost == ownTotal && senderIsLower) return {BlockReason::TieLowerNumber, port, ownTotal};
        return {};
    };
    if (!fromA && rootPort_ == "PortA") return against(totalCostThroughPortA_, 0);
    if (fromA && rootPort_ == "PortB") return against(totalCostThroughPortB_, 1);
    if (rootPort_.empty() && cost < totalCostThroughPortB_) {
        return {BlockReason::BelowEqualTotals, 1, totalCostThroughPortB_};
    }
    return {};
}

// Both ports go: a two-port bridge whose other side has lost has nothing to pass.
void Bridge::Block() {
    portAState_ = PortBlocked;
    portBState_ = PortBlocked;
    face_.lblPortB.text = "Blocked";
    face_.lblPortA.text = "Blocked";
}

}  // namespace bridging
