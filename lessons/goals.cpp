// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Each condition read off the simulation or the records.
#include "lessons/goals.h"

#include <algorithm>

#include "explain/names.h"

namespace bridging::lessons {

namespace {

// Only the shown bridges count: the hidden ones belong to no network.
template <typename Test>
bool EveryShownBridge(const Simulation& now, Test test) {
    return std::all_of(now.Bridge1.begin(), now.Bridge1.end(),
                       [&](const Bridge& b) { return !b.place.Visible || test(b); });
}

template <typename Test>
bool AnyShownBridge(const Simulation& now, Test test) {
    return std::any_of(now.Bridge1.begin(), now.Bridge1.end(),
                       [&](const Bridge& b) { return b.place.Visible && test(b); });
}

const Bridge* BridgeAt(const Simulation& now, int index) {
    if (index < 0 || index >= BridgeCount) return nullptr;
    return &now.Bridge1[static_cast<std::size_t>(index)];
}

bool BlockedBoth(const Bridge& b) {
    return b.PortAState() == PortBlocked && b.PortBState() == PortBlocked;
}

template <typename T>
bool Fits(const std::optional<T>& wanted, T actual) {
    return !wanted || *wanted == actual;
}

bool Matches(const Decided& wanted, const Decision& d) {
    if (d.kind != wanted.kind) return false;
    if (wanted.bridge && (d.element != ElementKind::Bridge || d.index != *wanted.bridge))
        return false;
    // Records name stations by their number in frames, which is the index plus one.
    if (wanted.station && d.station != *wanted.station + 1) return false;
    if (wanted.destination && d.frame.destination != *wanted.destination + 1) return false;
    return Fits(wanted.bridgeNumber, d.bridgeNumber) && Fits(wanted.port, d.port);
}

struct Check {
    const Simulation& now;
    std::span<const Decision> records;

    bool operator()(const Learned& c) const {
        const Bridge* b = BridgeAt(now, c.bridge);
        if (b == nullptr) return false;
        const StationTable& table = c.port == PortA ? b->PortATable() : b->PortBTable();
        return std::find(table.begin(), table.end(), c.station + 1) != table.end();
    }
    bool operator()(const BlocksBoth& c) const {
        if (!c.bridge) return AnyShownBridge(now, BlockedBoth);
        const Bridge* b = BridgeAt(now, *c.bridge);
        return b != nullptr && BlockedBoth(*b);
    }
    bool operator()(const TakesRoot& c) const {
        const auto takes = [&](const Bridge& b) { return explain::RootOf(b) == c.root; };
        if (!c.bridge) return EveryShownBridge(now, takes);
        const Bridge* b = BridgeAt(now, *c.bridge);
        return b != nullptr && takes(*b);
    }
    bool operator()(const BoxTicked& c) const {
        const CheckBoxFace& box =
            c.box == Box::Learning ? now.controls.chkLearn : now.controls.chkForward;
        return (box.value == 1) == c.ticked;
    }
    bool operator()(const ScenarioIs& c) const {
        return now.scenario == c.entry + 1 &&
               std::find(now.controls.Combo1.list.begin(), now.controls.Combo1.list.end(),
                         now.controls.Combo1.text) -
                       now.controls.Combo1.list.begin() ==
                   c.entry;
    }
    bool operator()(const NoFrames&) const {
        return std::none_of(now.Packet1.begin(), now.Packet1.end(),
                            [](const Packet& token) { return token.place.Visible; });
    }
    bool operator()(const Decided& c) const {
        return std::any_of(records.begin(), records.end(),
                           [&](const Decision& d) { return Matches(c, d); });
    }
};

}  // namespace

bool Holds(const Condition& condition, const Simulation& now,
           std::span<const Decision> sinceStepBegan) {
    return std::visit(Check{now, sinceStepBegan}, condition);
}

bool Reached(const Goal& goal, const Simulation& now, std::span<const Decision> sinceStepBegan) {
    return std::all_of(goal.all.begin(), goal.all.end(),
                       [&](const Condition& c) { return Holds(c, now, sinceStepBegan); });
}

}  // namespace bridging::lessons
