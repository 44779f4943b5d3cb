// The window's side of the account of decisions: wiring its elements' records
// to the account, and the records of its own decisions.
#include "driver/demo.h"

namespace bridging {

// Elements make records only while their handler is set, so with no account
// nothing is built at all.
void Demo::SetAccount(DecisionAccount* account) {
    account_ = account;
    for (int k = 0; k < BridgeCount; ++k) {
        Bridge1[k].zDecision = nullptr;
        if (account_ == nullptr) continue;
        Bridge1[k].zDecision = [this, k](Decision& decision) {
            decision.index = k;
            Report(decision);
        };
    }
    for (int k = 0; k < ComputerCount; ++k) {
        Computer1[k].zDecision = nullptr;
        if (account_ == nullptr) continue;
        Computer1[k].zDecision = [this, k](Decision& decision) {
            decision.element = ElementKind::Station;
            decision.index = k;
            decision.station = k + 1;
            Report(decision);
        };
    }
}

void Demo::Report(Decision& decision) {
    if (account_ == nullptr) return;
    decision.tick = tickCount_;
    account_->Record(decision);
}

void Demo::ReportWindow(DecisionKind kind) {
    if (!Accounting()) return;
    Decision decision;
    decision.kind = kind;
    Report(decision);
}

void Demo::ReportStation(DecisionKind kind, int index, const Packet* frame) {
    if (!Accounting()) return;
    Decision decision;
    decision.kind = kind;
    decision.element = ElementKind::Station;
    decision.index = index;
    decision.station = index + 1;
    decision.other = iSelectedStation_;
    if (frame != nullptr) decision.frame = FactsOfFrame(*frame);
    Report(decision);
}

// Only the bridges of the network shown: the others' new numbers mean nothing
// to the class.
void Demo::ReportRenumbering() {
    if (!Accounting()) return;
    for (int k = 0; k < BridgeCount; ++k) {
        if (!Bridge1[k].place.Visible) continue;
        Decision decision;
        decision.kind = DecisionKind::Renumber;
        decision.element = ElementKind::Bridge;
        decision.index = k;
        decision.bridgeNumber = Bridge1[k].BridgeNumber();
        decision.cost = Bridge1[k].PortACost();
        Report(decision);
    }
}

void Demo::ReportSwitch(DecisionKind kind, bool on) {
    if (!Accounting()) return;
    Decision decision;
    decision.kind = kind;
    decision.on = on;
    Report(decision);
}

void Demo::ReportScenario() {
    if (!Accounting()) return;
    Decision decision;
    decision.kind = DecisionKind::ScenarioBuilt;
    for (std::string_view name : ScenarioNames) {
        if (combo1_.text == name) decision.text = name;
    }
    Report(decision);
}

}  // namespace bridging
