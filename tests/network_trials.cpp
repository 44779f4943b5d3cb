// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random networks through the editor, flooded and spanned on the simulation.
#include "tests/network_trials.h"

#include <algorithm>
#include <numeric>

#include "driver/demo.h"
#include "network/layout.h"
#include "tests/fakes.h"

namespace bridging::network::trials {

namespace {

namespace l = limits;

int Uniform(std::mt19937& random, int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(random);
}

template <typename T>
int Pick(std::mt19937& random, const std::vector<T>& items) {
    return Uniform(random, 0, static_cast<int>(items.size()) - 1);
}

Edit RandomAddSegment(std::mt19937& random) {
    const int x1 = lattice::SnapEnd(Uniform(random, l::MarkerLeft, 6000));
    const int x2 = std::min(lattice::SnapEnd(x1 + Uniform(random, 4000, 14000)),
                            l::DrawingWidth - l::MarkerRight);
    const int y = lattice::SnapHeight(Uniform(random, l::HighestSegment, l::LowestSegment));
    return AddSegment{x1, x2, y};
}

Edit RandomAddBridge(std::mt19937& random, const Plan& plan) {
    const int a = Pick(random, plan.segments);
    const int others = static_cast<int>(plan.segments.size()) - 1;
    // Mostly two different segments; now and then one, which the editor refuses.
    const int b = others > 0 && Uniform(random, 0, 19) > 0
                      ? (a + Uniform(random, 1, others)) % (others + 1)
                      : a;
    const SegmentPlan& sa = plan.segments[static_cast<std::size_t>(a)];
    const SegmentPlan& sb = plan.segments[static_cast<std::size_t>(b)];
    const int from = std::max(sa.x1, sb.x1) + l::LinkInset;
    const int to = std::min(sa.x2, sb.x2) - l::LinkInset;
    return AddBridge{
        a, b, lattice::SnapLinkX(Uniform(random, std::min(from, to), std::max(from, to))), {}};
}

Edit RandomAddStation(std::mt19937& random, const Plan& plan) {
    const int s = Pick(random, plan.segments);
    const SegmentPlan& seg = plan.segments[static_cast<std::size_t>(s)];
    const int left = Uniform(random, seg.x1, std::max(seg.x1, seg.x2 - l::StationWidth));
    return AddStation{s, lattice::SnapStationLeft(left)};
}

// A move of one step or a few of any element the plan has.
std::optional<Edit> RandomNudge(std::mt19937& random, const Plan& plan) {
    const int type = Uniform(random, 0, 2);
    const auto count = type == 0   ? plan.segments.size()
                       : type == 1 ? plan.bridges.size()
                                   : plan.stations.size();
    if (count == 0) return std::nullopt;
    const Element element{type == 0   ? ElementType::Segment
                          : type == 1 ? ElementType::Bridge
                                      : ElementType::Station,
                          Uniform(random, 0, static_cast<int>(count) - 1)};
    return NudgeEdit(plan, element, static_cast<Nudge>(Uniform(random, 0, 3)),
                     Uniform(random, 1, 4));
}

}  // namespace

std::optional<Edit> RandomEdit(std::mt19937& random, const Plan& plan) {
    const int roll = Uniform(random, 0, 99);
    if (roll < 15 || plan.segments.empty()) return RandomAddSegment(random);
    if (roll < 55) return RandomAddBridge(random, plan);
    if (roll < 77) return RandomAddStation(random, plan);
    if (roll < 89) return RandomNudge(random, plan);
    if (roll < 92 && !plan.stations.empty()) return DeleteStation{Pick(random, plan.stations)};
    if (roll < 94 && !plan.bridges.empty()) return DeleteBridge{Pick(random, plan.bridges)};
    if (roll < 95) return DeleteSegment{Pick(random, plan.segments)};
    if (!plan.bridges.empty()) {
        return SetBridge{Pick(random, plan.bridges), Uniform(random, 1, l::HighestBridgeNumber),
                         Uniform(random, 1, 8), Uniform(random, 1, 8)};
    }
    return std::nullopt;
}

namespace {

using QuietMessage = testing::RecordingMessage;
using testing::RecordingDemo;

struct ArrivalAccount : DecisionAccount {
    std::vector<int> arrived;
    void Record(const Decision& decision) override {
        if (decision.kind == DecisionKind::FrameArrives) arrived.push_back(decision.index);
    }
};

// A started window with the plan laid out and both switches on.
Simulation Ready(const Plan& plan) {
    QuietMessage message;
    FixedSeedRandom random;
    RecordingDemo demo(message, random);
    demo.Form_Load();
    Simulation laidOut = demo.State();
    LayOut(plan, laidOut);
    demo.Restore(laidOut);
    demo.SetChkLearn(1);
    demo.SetChkForward(1);
    return demo.State();
}

// Ticks until no token is shown; false when some still are after `limit` ticks.
bool TickUntilQuiet(RecordingDemo& demo, int limit) {
    for (int n = 0; n < limit; ++n) {
        if (!demo.State().AnyTokenShown()) return true;
        demo.NextTick();
    }
    return !demo.State().AnyTokenShown();
}

constexpr int TickLimit = 1000;

int SegmentOf(const Plan& plan, int station) {
    return plan.stations[static_cast<std::size_t>(station)].segment;
}

}  // namespace

Plan RandomPlan(std::mt19937& random, int attempts) {
    Plan plan = EmptyPlan();
    for (int n = 0; n < attempts; ++n) {
        const std::optional<Edit> edit = RandomEdit(random, plan);
        if (!edit) continue;
        Outcome outcome = Apply(plan, *edit);
        if (Plan* next = std::get_if<Plan>(&outcome)) plan = std::move(*next);
    }
    return plan;
}

Plan Renumbered(std::mt19937& random, Plan plan) {
    std::vector<int> numbers(l::HighestBridgeNumber);
    std::iota(numbers.begin(), numbers.end(), 1);
    std::shuffle(numbers.begin(), numbers.end(), random);
    std::vector<bool> done(plan.bridges.size(), false);
    // A number still held by another bridge is free after that one's turn.
    for (int pass = 0; pass < MaxElements; ++pass) {
        for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
            if (done[k]) continue;
            const int cost = Uniform(random, 1, 8);
            Outcome outcome = Apply(plan, SetBridge{static_cast<int>(k), numbers[k], cost, cost});
            if (Plan* next = std::get_if<Plan>(&outcome)) {
                plan = std::move(*next);
                done[k] = true;
            }
        }
    }
    return plan;
}

int Loops(const Plan& plan) {
    std::vector<int> groups = SegmentGroups(plan);
    std::sort(groups.begin(), groups.end());
    const auto distinct = std::unique(groups.begin(), groups.end()) - groups.begin();
    return static_cast<int>(plan.bridges.size()) - static_cast<int>(plan.segments.size()) +
           static_cast<int>(distinct);
}

std::vector<FloodFault> Flood(const Plan& plan, bool allPairs) {
    const Simulation ready = Ready(plan);
    const std::vector<int> groups = SegmentGroups(plan);
    const auto count = static_cast<int>(plan.stations.size());
    const auto joined = [&](int a, int b) {
        return groups[static_cast<std::size_t>(SegmentOf(plan, a))] ==
               groups[static_cast<std::size_t>(SegmentOf(plan, b))];
    };
    std::vector<FloodFault> faults;
    for (int from = 0; from < count; ++from) {
        // The next station after it in its own group and in another one.
        std::vector<int> targets;
        for (int step = 1; step <= count; ++step) {
            const int to = (from + step) % count;
            const bool wanted =
                allPairs || std::none_of(targets.begin(), targets.end(), [&](int t) {
                    return joined(from, t) == joined(from, to);
                });
            if (wanted) targets.push_back(to);
        }
        for (const int to : targets) {
            QuietMessage message;
            FixedSeedRandom random;
            ArrivalAccount account;
            RecordingDemo demo(ready, message, random);
            demo.SetAccount(&account);
            demo.Computer1_Command1_Click(to);
            demo.Computer1_btnKeys_Click(from);
            FloodFault result{from, to, joined(from, to), false, {}, true};
            result.quiet = TickUntilQuiet(demo, TickLimit);
            result.seen = std::find(account.arrived.begin(), account.arrived.end(), to) !=
                          account.arrived.end();
            result.messages = message.texts;
            if (result.seen != result.expected || !result.quiet || !result.messages.empty())
                faults.push_back(std::move(result));
        }
    }
    return faults;
}

TreeOutcome SettleSpanningTree(const Plan& plan, std::mt19937& random, int roundLimit) {
    QuietMessage message;
    FixedSeedRandom numbers;
    RecordingDemo demo(Ready(plan), message, numbers);
    std::vector<int> order(plan.bridges.size());
    std::iota(order.begin(), order.end(), 0);
    TreeOutcome outcome;
    while (outcome.rounds < roundLimit && !outcome.settled) {
        const auto before = demo.State().Bridge1;
        std::shuffle(order.begin(), order.end(), random);
        for (const int k : order) {
            demo.Bridge1_btnSpanTree_Click(k);
            TickUntilQuiet(demo, TickLimit);
        }
        ++outcome.rounds;
        outcome.settled = demo.State().Bridge1 == before;
    }
    outcome.poolRanOut = !message.texts.empty();

    Plan forwarding = plan;
    forwarding.bridges.clear();
    for (std::size_t k = 0; k < plan.bridges.size(); ++k) {
        const Bridge& bridge = demo.State().Bridge1[k];
        if (bridge.PortAState() == PortForwarding && bridge.PortBState() == PortForwarding) {
            outcome.forwarding.push_back(static_cast<int>(k));
            forwarding.bridges.push_back(plan.bridges[k]);
        }
    }
    outcome.tree = !HasLoop(forwarding) && SegmentGroups(forwarding) == SegmentGroups(plan);
    return outcome;
}

}  // namespace bridging::network::trials
