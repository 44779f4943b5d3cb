// SPDX-FileCopyrightText: 2026 The Bridging Demo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel: Kill, Renumber with a scripted random sequence, and the
// Learning and Forwarding switches.
#include <algorithm>

#include "tests/demo_fixture.h"

namespace bridging::testing {
namespace {

// The u that makes floor(u * n) give `value`.
double Draw(int value, int n) { return (value + 0.5) / n; }

TEST_F(DemoTest, KillHidesEveryTokenAndRestoresTheStations) {
    Send(0, 1);
    demo.Timer1_Timer();
    demo.Scene().Computer1[1].SetNumber(Computer::Marked);
    demo.Scene().Computer1[5].SetNumber(Computer::Marked);  // hidden stations too
    demo.btnKill_Click();
    EXPECT_TRUE(ShownTokens().empty());
    EXPECT_EQ(demo.State().Computer1[1].Number(), 1);
    EXPECT_EQ(demo.State().Computer1[5].Number(), 5);
    EXPECT_EQ(demo.State().Packet1[0].place.Left, 4105);  // hidden where it stood
    EXPECT_EQ(demo.State().Computer1[1].Command1().backColour, 0x00FFC0FF);
}

TEST_F(DemoTest, CheckBoxesSwitchEveryBridgeOnlyWhenTheirStateChanges) {
    demo.SetChkForward(1);
    for (const Bridge& b : demo.State().Bridge1) {
        EXPECT_TRUE(b.bForward());
        EXPECT_EQ(b.PortAState(), PortForwarding);
    }
    // Setting the state it already has runs nothing: a bridge switched off by
    // hand stays off.
    demo.Scene().Bridge1[4].SetbForward(false);
    demo.SetChkForward(1);
    EXPECT_FALSE(demo.State().Bridge1[4].bForward());
    demo.SetChkLearn(1);
    EXPECT_TRUE(std::all_of(demo.State().Bridge1.begin(), demo.State().Bridge1.end(),
                            [](const Bridge& b) { return b.bLearn(); }));
    demo.SetChkLearn(0);
    EXPECT_TRUE(std::none_of(demo.State().Bridge1.begin(), demo.State().Bridge1.end(),
                             [](const Bridge& b) { return b.bLearn(); }));
    demo.SetChkForward(0);
    EXPECT_EQ(demo.State().Bridge1[0].PortBState(), PortBlocking);
}

class RenumberTest : public DemoTest {
protected:
    RenumberTest() {
        // First attempt: bridges 0 and 1 share cost 1, so all six are redrawn.
        for (int r : {1, 1, 2, 3, 4, 5}) random.values.push_back(Draw(r - 1, 8));
        for (int r : {3, 1, 4, 2, 8, 8}) random.values.push_back(Draw(r - 1, 8));
        // Swaps (0, 5) and (1, 3), then 98 that swap an entry with itself.
        for (int i : {0, 5, 1, 3}) random.values.push_back(Draw(i, 6));
        for (int n = 0; n < 98 * 2; ++n) random.values.push_back(Draw(2, 6));
    }
};

TEST_F(RenumberTest, RedrawsCostsUntilTheFirstFourDifferAndPermutesTheNumbers) {
    Build("Full Network");
    SwitchOn();
    demo.Scene().Bridge1[0].zSetPortAString("A:B");
    Send(0, 1);
    demo.Scene().Computer1[2].SetNumber(Computer::Marked);
    demo.btnCost_Click();

    EXPECT_EQ(random.next, random.values.size());
    EXPECT_TRUE(ShownTokens().empty());
    EXPECT_EQ(demo.State().Computer1[2].Number(), 2);
    const std::array<int, 6> costs = {3, 1, 4, 2, 8, 8};
    const std::array<int, 6> numbers = {6, 4, 3, 2, 5, 1};
    for (int k = 0; k < BridgeCount; ++k) {
        const Bridge& b = demo.State().Bridge1[k];
        EXPECT_EQ(b.PortACost(), costs[k]);
        EXPECT_EQ(b.PortBCost(), costs[k]);
        EXPECT_EQ(b.BridgeNumber(), numbers[k]);
        EXPECT_EQ(b.PortATable()[0], -1);
        EXPECT_FALSE(b.bForward());
        EXPECT_EQ(b.PortAState(), PortBlocking);
        EXPECT_EQ(b.PortBState(), PortBlocking);
        // The Learning box stayed checked, so the bridges learn again.
        EXPECT_TRUE(b.bLearn());
    }
    EXPECT_EQ(demo.State().chkForward().value, 0);
    EXPECT_EQ(demo.State().chkLearn().value, 1);
    EXPECT_EQ(demo.State().iScenario(), 5);
}

TEST_F(RenumberTest, WithLearningOffLeavesEveryBridgeNotLearning) {
    demo.btnCost_Click();
    for (const Bridge& b : demo.State().Bridge1) EXPECT_FALSE(b.bLearn() || b.bForward());
    EXPECT_EQ(demo.State().chkLearn().value, 0);
}

TEST_F(DemoTest, RenumberWithTheProgramsOwnGeneratorGivesAPermutation) {
    FixedSeedRandom fixed;
    RecordingDemo own(message, fixed);
    own.Form_Load();
    for (int round = 0; round < 20; ++round) {
        own.btnCost_Click();
        std::array<int, 6> seen{};
        for (const Bridge& b : own.State().Bridge1) {
            ASSERT_GE(b.BridgeNumber(), 1);
            ASSERT_LE(b.BridgeNumber(), 6);
            ++seen[static_cast<std::size_t>(b.BridgeNumber() - 1)];
            EXPECT_GE(b.PortACost(), 1);
            EXPECT_LE(b.PortACost(), 8);
        }
        EXPECT_EQ(seen, (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
        for (int i = 0; i < 4; ++i) {
            for (int j = i + 1; j < 4; ++j)
                EXPECT_NE(own.State().Bridge1[i].PortACost(), own.State().Bridge1[j].PortACost());
        }
    }
}

TEST_F(DemoTest, RandomSourceOutsideItsRangeCannotIndexOutOfBounds) {
    random.values = {0.0, 0.2, 0.4, 0.6, 0.9, 0.9};
    for (int n = 0; n < 200; ++n) random.values.push_back(n % 2 ? 1.0 : -0.5);
    demo.btnCost_Click();
    EXPECT_EQ(demo.State().Bridge1[0].BridgeNumber() + demo.State().Bridge1[5].BridgeNumber(), 7);
}

}  // namespace
}  // namespace bridging::testing
