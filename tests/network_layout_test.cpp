// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plans on the window: each built-in plan lays out exactly as the builder
// builds its network, and networks made by the editor behave: frames reach the
// stations the graph joins and no other, and the spanning-tree exchange leaves
// a tree. Also what the tick's lattice does to a network.
#include <random>

#include "network/layout.h"
#include "tests/demo_fixture.h"
#include "tests/network_trials.h"

namespace bridging::testing {
namespace {

using namespace network;

class NetworkLayoutTest : public DemoTest {
protected:
    // The simulation the builder makes from `start`, and the one LayOut makes,
    // given the list's text and the scenario number the window sets.
    void ExpectSameAsBuilder(BuiltIn network, const std::string& start) {
        Build(start);
        Simulation laidOut = demo.State();
        ASSERT_TRUE(LayOut(BuiltInPlan(network), laidOut).empty());
        Build(std::string(BuiltInName(network)));
        laidOut.controls.Combo1 = demo.State().Combo1();
        laidOut.scenario = demo.State().iScenario();
        EXPECT_TRUE(Same(laidOut, demo.State())) << BuiltInName(network) << " after " << start;
    }
};

TEST_F(NetworkLayoutTest, EachBuiltInPlanLaysOutAsTheBuilderBuildsIt) {
    for (const BuiltIn network : BuiltIns) {
        ExpectSameAsBuilder(network, "Full Network");
        ExpectSameAsBuilder(network, "Two Manual");
        ExpectSameAsBuilder(network, "One Bridge");
    }
}

TEST_F(NetworkLayoutTest, APlanThatBreaksARuleIsNotLaidOut) {
    Plan plan = BuiltInPlan(BuiltIn::OneBridge);
    plan.stations[0].left -= 75;
    Simulation state = demo.State();
    const auto problems = LayOut(plan, state);
    ASSERT_FALSE(problems.empty());
    EXPECT_EQ(problems.front().id, ProblemId::OffLattice);
    EXPECT_EQ(state, demo.State());
}

// Rule (1): a station 100 off its link line's lattice sends frames that step
// over the junction every time, and the bridge never hears them; one whole
// step off, they cross as before.
TEST_F(NetworkLayoutTest, AStationHalfAStepOffTheLatticeMissesTheBridge) {
    const auto reachesAcrossBridge = [&](float shift) {
        Simulation state = demo.State();
        EXPECT_TRUE(LayOut(BuiltInPlan(BuiltIn::OneBridge), state).empty());
        const float start = state.Computer1[0].place.Left;
        // On One Bridge, A stands 25 short of a point of the junction's lattice:
        // 75 back or 125 on puts it halfway between two.
        state.Computer1[0].place.Left = start + shift;
        demo.Restore(state);
        // As the window does after laying a network out.
        demo.SetChkForward(0);
        demo.SetChkLearn(0);
        SwitchOn();
        RecordingAccount account;
        demo.SetAccount(&account);
        Send(0, 2);
        TickUntilQuiet();
        demo.SetAccount(nullptr);
        return std::any_of(account.records.begin(), account.records.end(), [](const Decision& d) {
            return d.kind == DecisionKind::FrameArrives && d.index == 2;
        });
    };
    EXPECT_TRUE(reachesAcrossBridge(0));
    EXPECT_TRUE(reachesAcrossBridge(200));
    EXPECT_FALSE(reachesAcrossBridge(-75));
    EXPECT_FALSE(reachesAcrossBridge(125));
}

TEST(NetworkBehaviour, FramesReachExactlyTheStationsTheGraphJoins) {
    std::mt19937 random(2024);
    int networks = 0;
    int withBridges = 0;
    while (networks < 1500) {
        const Plan plan = trials::RandomPlan(random, 80);
        if (HasLoop(plan) || plan.stations.size() < 2) continue;
        ++networks;
        withBridges += plan.bridges.empty() ? 0 : 1;
        const auto faults = trials::Flood(plan, networks % 10 == 0);
        ASSERT_TRUE(faults.empty())
            << "station " << char('A' + faults[0].from) << " to " << char('A' + faults[0].to)
            << ": expected " << faults[0].expected << ", seen " << faults[0].seen;
    }
    EXPECT_GT(withBridges, networks / 2);
}

TEST(NetworkBehaviour, TheSpanningTreeExchangeLeavesATreeInNetworksWithLoops) {
    std::mt19937 random(7);
    int networks = 0;
    int trees = 0;
    while (networks < 500) {
        const Plan plan = trials::RandomPlan(random, 80);
        if (!HasLoop(plan)) continue;
        ++networks;
        const trials::TreeOutcome outcome = trials::SettleSpanningTree(plan, random, 12);
        EXPECT_TRUE(outcome.settled);
        EXPECT_FALSE(outcome.poolRanOut);
        trees += outcome.tree ? 1 : 0;
    }
    ::testing::Test::RecordProperty("trees", trees);
    EXPECT_EQ(trees, networks);
}

}  // namespace
}  // namespace bridging::testing
