// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The look-ahead's copy and its account.
#include "predict/lookahead.h"

#include <string>
#include <utility>

namespace bridging::predict {

namespace {

// Keeps the records, each bridge decision under the arrival it follows. Within
// a tick a bridge decides only about a frame it has just received, all before
// the tick moves on, so a bridge's record belongs to the last arrival.
struct GatheringAccount : DecisionAccount {
    NextTick next;
    bool WantsArrivals() const override { return true; }
    void Record(const Decision& decision) override {
        if (decision.kind == DecisionKind::Receives) {
            next.arrivals.push_back({decision, {}});
            return;
        }
        next.records.push_back(decision);
        if (decision.element == ElementKind::Bridge && !next.arrivals.empty() &&
            next.arrivals.back().receives.index == decision.index) {
            next.arrivals.back().decisions.push_back(decision);
        }
    }
};

}  // namespace

NextTick LookAhead(const Simulation& state) {
    GatheringAccount account;
    Demo copy(state);
    copy.SetAccount(&account);
    copy.NextTick();
    return std::move(account.next);
}

}  // namespace bridging::predict
