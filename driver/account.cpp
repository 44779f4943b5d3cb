// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of the account of decisions: the records of its own
// decisions, and the stamp of the tick on every record, its elements' included.
#include "driver/demo.h"

namespace bridging {

void Demo::Report(Decision& decision) {
    if (account_ == nullptr) return;
    decision.tick = sim_.tickCount;
    account_->Record(decision);
}

void Demo::ReportArrival(int index, const Packet& frame, int port) {
    if (!Accounting() || !account_->WantsArrivals()) return;
    Decision decision;
    decision.kind = DecisionKind::Receives;
    decision.element = ElementKind::Bridge;
    decision.index = index;
    decision.bridgeNumber = sim_.Bridge1[index].BridgeNumber();
    decision.port = port;
    decision.frame = FactsOfFrame(frame);
    Report(decision);
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
    decision.other = sim_.selectedStation;
    if (frame != nullptr) decision.frame = FactsOfFrame(*frame);
    Report(decision);
}

// Only the bridges of the network shown: the others' new numbers mean nothing
// to the class.
void Demo::ReportRenumbering() {
    if (!Accounting()) return;
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& bridge = sim_.Bridge1[k];
        if (!bridge.place.Visible) continue;
        Decision decision;
        decision.kind = DecisionKind::Renumber;
        decision.element = ElementKind::Bridge;
        decision.index = k;
        decision.bridgeNumber = bridge.BridgeNumber();
        decision.cost = bridge.PortACost();
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
        if (sim_.controls.Combo1.text == name) decision.text = name;
    }
    Report(decision);
}

}  // namespace bridging
